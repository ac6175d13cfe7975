// One recalculation of the main window (table model and chart series) costs the same for a table of
// 12 rows and one of 2,147,485 rows: the table's cells are formatted only when painted.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>

#include "app/Unit1.h"
#include "app/messagebox.h"

namespace {

void BM_WindowRecalculation(benchmark::State& state) {
    QTemporaryDir noCatalogs;
    TMessageRecorder messages;
    TForm1 form(&messages, noCatalogs.path() + QLatin1Char('/'));
    form.E_Ratio2drv->setText(QStringLiteral("15"));
    form.E_Ratio2drvn->setText(QStringLiteral("45"));
    form.E_Tire->setText(QStringLiteral("600"));
    form.E_RatioT1->setText(QStringLiteral("2.5"));
    form.E_MaxRPM->setText(QString::number(state.range(0)));
    bool flip = false;
    for (auto _ : state) {
        // Each changed text runs one whole recalculation.
        form.E_Ratio1->setText(flip ? QStringLiteral("3") : QStringLiteral("3.1"));
        flip = !flip;
    }
}
BENCHMARK(BM_WindowRecalculation)->Arg(10)->Arg(2147483);

}  // namespace
