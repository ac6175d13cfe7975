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

struct TProgram {
    const char* Name;
    QStringList Command;
    std::vector<TRun> Runs;
};

void PrintRow(const char* name, const TRun& run, const TRun& bare) {
    std::printf("  %-44s %9.1f %9.1f %14.1f %8.2fx %8.2fx\n", name, run.Milliseconds, run.CpuMilliseconds,
                run.PeakMegabytes, run.Milliseconds / bare.Milliseconds,
                run.PeakMegabytes / bare.PeakMegabytes);
}

}  // namespace

void ReportStartup(const QString& binaryDirectory) {
    QTemporaryDir dir;
    const QDir bin(binaryDirectory);
    const QString measurer = bin.filePath(QStringLiteral("bench/run_measured"));
    const QString png = dir.filePath(QStringLiteral("window.png"));
    // The minimal program first: the ratios are against it. The floors show what Qt's Japanese text
    // alone, and the window's widgets and texts without the chart, add to it.
    std::vector<TProgram> programs{
        {"minimal Qt Widgets window", {bin.filePath(QStringLiteral("bench/minimal_qt_window")), png}, {}},
        {"floor: one Japanese label", {bin.filePath(QStringLiteral("bench/japanese_label_window")), png}, {}},
        {"floor: Kestrigo window, chart hidden",
         {bin.filePath(QStringLiteral("bench/window_without_chart")), binaryDirectory + QLatin1Char('/'),
          png},
         {}},
        {"kestrigo-snapshot --png",
         {bin.filePath(QStringLiteral("kestrigo-snapshot")), QStringLiteral("--png"), png},
         {}},
    };
    for (int i = 0; i < kRuns; ++i) {
        for (TProgram& program : programs) {
            program.Runs.push_back(RunOnce(measurer, program.Command));
            if (!program.Runs.back().Ok) {
                std::printf("Start-up: a run of %s failed (build it and bench/run_measured)\n",
                            qPrintable(program.Command.front()));
                return;
            }
        }
    }
    const TRun bare = Medians(programs.front().Runs);
    std::printf("Start-up to the first frame saved as PNG (median of %d alternate runs)\n", kRuns);
    std::printf("  %-44s %9s %9s %14s %9s %9s\n", "", "wall ms", "CPU ms", "peak RSS MB", "wall", "RSS");
    for (const TProgram& program : programs) PrintRow(program.Name, Medians(program.Runs), bare);
}
