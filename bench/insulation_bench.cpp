// The pipe insulation search, which walks a grid of up to ten million diameters: its worst case,
// where no diameter qualifies and the whole grid must be answered for, and a typical pipe.
#include <benchmark/benchmark.h>

#include "heating/core/insulation.h"

namespace {

using hanhai::heating::PipeInsulationInputs;
using hanhai::heating::pipeInsulation;

// The medium colder than the air: B < 0, so no diameter on the grid qualifies.
void BM_PipeInsulationNoDiameter(benchmark::State &state) {
    const PipeInsulationInputs in{0.074, 20, 30, 50, 45, 108};
    for (auto _ : state) benchmark::DoNotOptimize(pipeInsulation(in));
}
BENCHMARK(BM_PipeInsulationNoDiameter)->Unit(benchmark::kMicrosecond);

// No diameter either, the root lying beyond the end of the grid.
void BM_PipeInsulationRootBeyondTheGrid(benchmark::State &state) {
    const PipeInsulationInputs in{1e6, 0.001, 1e4, 50, 45, 108};
    for (auto _ : state) benchmark::DoNotOptimize(pipeInsulation(in));
}
BENCHMARK(BM_PipeInsulationRootBeyondTheGrid)->Unit(benchmark::kMicrosecond);

// A DN100 steam pipe at 200 ℃: B = 114.7, the search stops at D = 259.46.
void BM_PipeInsulationTypical(benchmark::State &state) {
    const PipeInsulationInputs in{0.074, 20, 200, 50, 45, 108};
    for (auto _ : state) benchmark::DoNotOptimize(pipeInsulation(in));
}
BENCHMARK(BM_PipeInsulationTypical)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
