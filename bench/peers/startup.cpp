#include "bench/peers/startup.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRuns = 15;

struct TRun {
    double Milliseconds = 0;
    double CpuMilliseconds = 0;
    double PeakMegabytes = 0;
    bool Ok = false;
};

// Through run_measured, which prints the program's wall time and its own peak RSS.
TRun RunOnce(const QString& measurer, const QStringList& command) {
    QProcess process;
    process.start(measurer, command);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) return {};
    const QStringList figures = QString::fromLatin1(process.readAllStandardOutput()).split(QLatin1Char(' '));
    if (figures.size() != 3) return {};
    return {figures[0].toDouble(), figures[1].toDouble(), figures[2].trimmed().toDouble() / 1024.0, true};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

TRun Medians(const std::vector<TRun>& runs) {
    std::vector<double> wall, cpu, peak;
    for (const TRun& run : runs) {
        wall.push_back(run.Milliseconds);
        cpu.push_back(run.CpuMilliseconds);
        peak.push_back(run.PeakMegabytes);
    }
    return {Median(wall), Median(cpu), Median(peak), true};
}

}  // namespace

void ReportStartup(const QString& binaryDirectory) {
    QTemporaryDir dir;
    const QDir bin(binaryDirectory);
    const QString measurer = bin.filePath(QStringLiteral("bench/run_measured"));
    const QString ours = bin.filePath(QStringLiteral("kestrigo-snapshot"));
    const QString bare = bin.filePath(QStringLiteral("bench/minimal_qt_window"));
    const QString png = dir.filePath(QStringLiteral("window.png"));
    std::vector<TRun> oursRuns, bareRuns;
    for (int i = 0; i < kRuns; ++i) {
        oursRuns.push_back(RunOnce(measurer, {ours, QStringLiteral("--png"), png}));
        bareRuns.push_back(RunOnce(measurer, {bare, png}));
        if (!oursRuns.back().Ok || !bareRuns.back().Ok) {
            std::printf(
                "Start-up: a run failed (build kestrigo-snapshot, bench/minimal_qt_window and "
                "bench/run_measured)\n");
            return;
        }
    }
    const TRun a = Medians(oursRuns), b = Medians(bareRuns);
    std::printf("Start-up to the first frame saved as PNG (median of %d alternate runs)\n", kRuns);
    std::printf("  %-28s %9s %9s %14s\n", "", "wall ms", "CPU ms", "peak RSS MB");
    std::printf("  %-28s %9.1f %9.1f %14.1f\n", "kestrigo-snapshot --png", a.Milliseconds, a.CpuMilliseconds,
                a.PeakMegabytes);
    std::printf("  %-28s %9.1f %9.1f %14.1f\n", "minimal Qt Widgets window", b.Milliseconds,
                b.CpuMilliseconds, b.PeakMegabytes);
    std::printf("  %-28s %8.2fx %8.2fx %13.2fx\n", "ratio", a.Milliseconds / b.Milliseconds,
                a.CpuMilliseconds / b.CpuMilliseconds, a.PeakMegabytes / b.PeakMegabytes);
}
