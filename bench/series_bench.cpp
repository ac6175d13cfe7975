// Series data costs: feeding points in ascending X, cached statistics, emptying.
#include <benchmark/benchmark.h>

#include "chart/series.h"

namespace {

// One million points in ascending X, as a recalculation feeds them (target: under 50 ms).
void BM_AddPointXYAscending(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    for (auto _ : state) {
        TChartSeries series;
        for (int i = 0; i < count; ++i) series.AddPointXY(i, i * 0.5, {}, clDefault);
        benchmark::DoNotOptimize(series.PointCount());
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_AddPointXYAscending)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// Ordered insertion scans from the end: appends in order cost one comparison, so the time per
// point stays flat as the list grows.
void BM_AddInOrderAscending(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    for (auto _ : state) {
        TChartValueList list(nullptr, "X");
        list.SetOrder(loAscending);
        for (int i = 0; i < count; ++i) list.AddInOrder(i);
        benchmark::DoNotOptimize(list.ValueCount());
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_AddInOrderAscending)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);

// Reading the four statistics of an unchanged list costs the same whatever its size.
void BM_CachedStatistics(benchmark::State& state) {
    TChartSeries series;
    for (int i = 0; i < state.range(0); ++i) series.AddPointXY(i, i);
    benchmark::DoNotOptimize(series.HighestY());
    for (auto _ : state) {
        benchmark::DoNotOptimize(series.LowestX() + series.HighestX() + series.LowestY() + series.HighestY());
    }
}
BENCHMARK(BM_CachedStatistics)->Arg(10)->Arg(1'000'000);

// Emptying a filled series and filling it again, as every recalculation does.
void BM_ClearAndRefill(benchmark::State& state) {
    TChartSeries series;
    for (auto _ : state) {
        series.ClearPoints();
        for (int i = 0; i < state.range(0); ++i) series.AddPointXY(i, i);
    }
    state.counters["capacity_after_clear"] = [&] {
        series.ClearPoints();
        return static_cast<double>(series.XValues()->Capacity() + series.PointColorCapacity());
    }();
}
BENCHMARK(BM_ClearAndRefill)->Arg(20);

}  // namespace
