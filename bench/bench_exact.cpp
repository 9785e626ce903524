// The exact levels of each row at its start sliders, as the Levels window asks for them on every
// change of the potential (aim: well within one frame, 16 ms).
#include "solver/core/ExactLevels.h"
#include "solver/core/PotentialRows.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void exactLevels(benchmark::State& state) {
    const RowInfo& info = RowOf(int(state.range(0)));
    const double limit = info.row == RowHydrogen ? 0 : 15;
    for (auto _ : state) {
        ExactLevels levels = ExactLevelsOf(info.row, info.sliders[0].start, info.sliders[1].start,
                                           info.sliders[2].start, limit);
        benchmark::DoNotOptimize(levels);
    }
    state.SetLabel(std::string(info.menuText));
}

} // namespace

BENCHMARK(exactLevels)->DenseRange(RowWell, RowHydrogen)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
