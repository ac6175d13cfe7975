// The gear chart as the window shows it: a full paint of Chart1 with its thirteen series (layout,
// axes, power band, twelve lines) and a paint message that finds the buffer clean (one copy).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <array>

#include "app/gearchart.h"
#include "chart/chart.h"
#include "chart/component.h"
#include "chart/series.h"
#include "chart/shape.h"
#include "core/seriesroles.h"

namespace {

// Chart1 filled as a recalculation fills it: six gears shifted up at 8,000 rpm, their silver
// full-range lines to 10,000 rpm, and the power band from 6,000 to 8,000 rpm.
struct GearChart {
    GearChart() {
        ConfigureGearChart(chart, form, &series);
        for (int gear = 1; gear <= kgr::GearCount; ++gear) {
            for (int rpm = 0; rpm <= 10; ++rpm) {
                if (rpm <= 8)
                    series[kgr::GearLineIndex(gear)]->AddPointXY(SpeedAt1000(gear) * rpm, rpm * 1000.0);
                series[kgr::WholeRangeLineIndex(gear)]->AddPointXY(SpeedAt1000(gear) * rpm, rpm * 1000.0);
            }
        }
        auto* band = static_cast<TChartShape*>(series[kgr::PowerBandIndex]);
        band->SetX0(0);
        band->SetY0(6000);
        band->SetX1(SpeedAt1000(kgr::GearCount) * 10);
        band->SetY1(8000);
    }
    static double SpeedAt1000(int gear) { return 5.0 + 7.0 * gear; }
    TComponent form;
    TChart chart;
    std::array<TChartSeries*, kgr::ChartSeriesCount> series{};
};

void BM_GearChartFullPaint(benchmark::State& state) {
    GearChart g;
    for (auto _ : state) {
        g.chart.RequestRedraw();
        benchmark::DoNotOptimize(g.chart.RenderToImage());
    }
    state.counters["paints"] = g.chart.PaintCount();
}
BENCHMARK(BM_GearChartFullPaint)->Unit(benchmark::kMicrosecond);

void BM_GearChartCleanBufferRepaint(benchmark::State& state) {
    GearChart g;
    g.chart.show();
    for (int i = 0; i < 5; ++i) QApplication::processEvents();  // exposed and painted once
    const int paints = g.chart.PaintCount();
    const int copies = g.chart.BufferCopyCount();
    for (auto _ : state) g.chart.repaint();  // each paint message only copies the buffer
    if (paints == 0 || g.chart.PaintCount() != paints) state.SkipWithError("not exactly one full paint");
    if (g.chart.BufferCopyCount() - copies != static_cast<int>(state.iterations()))
        state.SkipWithError("a paint message did not copy the buffer");
}
BENCHMARK(BM_GearChartCleanBufferRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace
