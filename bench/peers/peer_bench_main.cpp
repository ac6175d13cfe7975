// The side-by-side benchmark: our Chart1, QCustomPlot, Qt Charts and a bare QPainter floor draw the
// same chart in one process, interleaved round by round; then a keystroke in the real window until
// the chart's paint completes, a clean-buffer repaint, heap allocations per steady-state repaint,
// and start-up and peak RSS of kestrigo-snapshot against a minimal Qt Widgets program.
// Prints medians and ratios against the contenders of the same run.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QProcess>
#include <QTabWidget>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "app/Unit1.h"
#include "app/bandedframestyle.h"
#include "bench/peers/alloc_counter.h"
#include "bench/peers/contenders.h"
#include "bench/peers/startup.h"
#include "chart/chart.h"
#include "tools/replay/useractions.h"

namespace {

constexpr const char* kWindowOnly = "--window-only";
constexpr const char* kKeystrokeRow = "keystroke in E_Tire -> new frame";

// The machine is shared: CPU time of this thread, not wall time, is what a paint costs.
double NowMicroseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

constexpr int kRounds = 41;
constexpr int kPaintsPerRound = 10;

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

double MicrosecondsOf(const std::function<void()>& work, int times) {
    const double start = NowMicroseconds();
    for (int i = 0; i < times; ++i) work();
    return (NowMicroseconds() - start) / times;
}

void Row(const char* name, double value, const char* unit, const std::string& note = {}) {
    std::printf("  %-34s %10.1f %-3s %s\n", name, value, unit, note.c_str());
}

std::string Ratio(double value, double base, const char* baseName) {
    char text[96];
    std::snprintf(text, sizeof text, "%5.2fx %s", value / base, baseName);
    return text;
}

// Every contender paints kPaintsPerRound times per round; the order rotates between rounds.
std::vector<double> PaintMedians(std::vector<std::unique_ptr<TContender>>& contenders) {
    std::vector<std::vector<double>> samples(contenders.size());
    for (auto& c : contenders) MicrosecondsOf([&] { c->Paint(); }, kPaintsPerRound);  // warm up
    for (int round = 0; round < kRounds; ++round) {
        for (size_t k = 0; k < contenders.size(); ++k) {
            const size_t i = (k + static_cast<size_t>(round)) % contenders.size();
            samples[i].push_back(MicrosecondsOf([&] { contenders[i]->Paint(); }, kPaintsPerRound));
        }
    }
    std::vector<double> medians;
    for (auto& s : samples) medians.push_back(Median(s));
    return medians;
}

// The floor paints at ratio 1 only: it stands for the least any chart's paint at 1 can cost.
void ReportPaints(TBenchWindow& window, qreal ratio) {
    const TScene scene = window.Scene();
    std::vector<std::unique_ptr<TContender>> contenders;
    contenders.push_back(NewKestrigoChart(window, ratio));
    contenders.push_back(NewQCustomPlotToPainter(scene, ratio));
    contenders.push_back(NewQCustomPlotReplot(scene, ratio));
    contenders.push_back(NewQtCharts(scene, ratio));
    if (ratio == 1) contenders.push_back(NewBareFloor(scene));
    const std::vector<double> medians = PaintMedians(contenders);
    std::printf(
        "Full paint of the gear chart, %d x %d at device pixel ratio %g (thread CPU time, median of %d "
        "rounds x "
        "%d paints)\n",
        scene.Width, scene.Height, ratio, kRounds, kPaintsPerRound);
    for (size_t i = 0; i < contenders.size(); ++i)
        Row(contenders[i]->Name(), medians[i], "us",
            i == 0 ? "" : "ours is " + Ratio(medians[0], medians[i], "of it"));
    for (size_t i = 0; i < contenders.size(); ++i) {
        StartCountingAllocations();
        contenders[i]->Paint();
        const std::size_t count = StopCountingAllocations();
        std::printf("  heap allocations per paint, %-22s %zu\n", contenders[i]->Name(), count);
    }
}

// The allocation baseline of a clean-buffer repaint: a bare widget of the chart's size whose paint
// copies an image, as the chart's clean repaint does. What the chart allocates beyond it is the engine's.
class TBareImageWidget : public QWidget {
  public:
    explicit TBareImageWidget(QSize size) : image_(size, QImage::Format_RGB32) {
        image_.fill(Qt::white);
        resize(size);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawImage(0, 0, image_);
    }

  private:
    QImage image_;
};

std::size_t AllocationsPerRepaint(QWidget& widget) {
    widget.repaint();
    StartCountingAllocations();
    widget.repaint();
    return StopCountingAllocations();
}

// One key press and release in E_Tire, then events until Chart1 has painted the new content.
double KeystrokeToFrame(TForm1& form, int key, const QString& text) {
    const int paints = form.Chart1->PaintCount();
    const double start = NowMicroseconds();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(form.E_Tire, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(form.E_Tire, &release);
    while (form.Chart1->PaintCount() == paints) QApplication::processEvents();
    return NowMicroseconds() - start;
}

void ReportWindow(TBenchWindow& window) {
    TForm1& form = window.Form();
    form.show();
    ActivateWindowOf(form);
    form.PageControl1->setCurrentIndex(1);
    form.E_Tire->setFocus();
    form.E_Tire->end(false);
    for (int i = 0; i < 10; ++i) QApplication::processEvents();
    std::vector<double> keystrokes;
    for (int i = 0; i < 2 * kRounds * 5; ++i) {
        const bool type = i % 2 == 0;  // "600" -> "6001" -> "600"
        keystrokes.push_back(KeystrokeToFrame(form, type ? Qt::Key_1 : Qt::Key_Backspace,
                                              type ? QStringLiteral("1") : QString()));
    }
    QApplication::processEvents();
    std::vector<double> repaints;
    for (int round = 0; round < kRounds; ++round)
        repaints.push_back(MicrosecondsOf([&] { form.Chart1->repaint(); }, kPaintsPerRound));
    const std::size_t repaintAllocations = AllocationsPerRepaint(*form.Chart1);
    // In the chart's place in the window, so that Qt repaints it the same way.
    TBareImageWidget bare(form.Chart1->size());
    bare.setParent(form.Chart1->parentWidget());
    bare.move(form.Chart1->pos());
    bare.show();
    bare.raise();
    QApplication::processEvents();
    const std::size_t bareAllocations = AllocationsPerRepaint(bare);
    bare.hide();
    std::printf("The real window\n");
    Row(kKeystrokeRow, Median(keystrokes), "us");
    Row("clean-buffer repaint of Chart1", Median(repaints), "us");
    std::printf(
        "  heap allocations per clean-buffer repaint, Chart1 %zu; a bare widget in its place copying an "
        "image %zu\n",
        repaintAllocations, bareAllocations);
}

// This program's window part in a process of its own at device pixel ratio `ratio` (a window at
// ratio 2 needs Qt's scale factor from the start); what it printed.
QByteArray WindowPartAt(const QString& program, int ratio) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(ratio));
    child.setProcessEnvironment(environment);
    child.start(program, {QString::fromLatin1(kWindowOnly)});
    child.waitForFinished(-1);
    return child.readAllStandardOutput();
}

double KeystrokeIn(const QByteArray& output) {
    const qsizetype at = output.indexOf(kKeystrokeRow);
    double value = 0;
    if (at >= 0) std::sscanf(output.constData() + at + std::strlen(kKeystrokeRow), "%lf", &value);
    return value;
}

// The keystroke at ratio 2 against ratio 1, each in fresh runs of the window part, alternated so
// that both see the same machine.
void ReportKeystrokeByRatio(const QString& program) {
    constexpr int kAlternations = 9;
    std::vector<double> atRatio1;
    std::vector<double> atRatio2;
    QByteArray firstAtRatio2;
    for (int i = 0; i < kAlternations; ++i) {
        atRatio1.push_back(KeystrokeIn(WindowPartAt(program, 1)));
        const QByteArray output = WindowPartAt(program, 2);
        if (firstAtRatio2.isEmpty()) firstAtRatio2 = output;
        atRatio2.push_back(KeystrokeIn(output));
    }
    std::printf("At device pixel ratio 2 (QT_SCALE_FACTOR=2): %s", firstAtRatio2.constData());
    std::printf(
        "Keystroke in E_Tire -> new frame, fresh runs of the window alternating between ratios "
        "(median of %d each)\n",
        kAlternations);
    Row("at device pixel ratio 1", Median(atRatio1), "us");
    Row("at device pixel ratio 2", Median(atRatio2), "us",
        Ratio(Median(atRatio2), Median(atRatio1), "of ratio 1"));
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const bool windowOnly = argc > 1 && std::strcmp(argv[1], kWindowOnly) == 0;
    QApplication app(argc, argv);
    InstallBandedFrameStyle();
    {
        TBenchWindow window;
        if (!windowOnly) {
            ReportPaints(window, 1);
            ReportPaints(window, 2);
        }
        ReportWindow(window);
    }
    if (windowOnly) return 0;
    ReportKeystrokeByRatio(QCoreApplication::applicationFilePath());
    ReportStartup(QStringLiteral(KESTRIGO_BINARY_DIR));
    return 0;
}
