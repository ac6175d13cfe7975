// Cost of one recalculation's computation and of formatting one table cell.
#include <benchmark/benchmark.h>

#include <string>

#include "core/gearing.h"

namespace {

kgr::TGearingInputs Inputs(const std::string& maxK) {
    return {maxK, "6", "8", "3", "15", "45", "600", {"2.5", "1.8", "1.4", "1.15", "1", "0"}};
}

void BM_ComputeGearing(benchmark::State& state) {
    const auto inputs = Inputs(std::to_string(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(kgr::ComputeGearing(inputs, '.'));
}
BENCHMARK(BM_ComputeGearing)->Arg(10)->Arg(10000)->Arg(2147483);

void BM_GearingCell(benchmark::State& state) {
    const auto result = kgr::ComputeGearing(Inputs("2147483"), '.');
    int row = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(result.Cell(5, row));
        row = row % 2000000 + 1;
    }
}
BENCHMARK(BM_GearingCell);

}  // namespace
