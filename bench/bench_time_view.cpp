// One frame of the playing time view: Psi and the moments at the new time, both plots redrawn
// with the 200-point trace of <x>(t). The timer asks for one every 16 ms.
#include "bench/ShownPlots.h"
#include "solver/core/Solver.h"
#include "windows/levels/TimeView.h"

#include <benchmark/benchmark.h>

#include <QCheckBox>

#include <numeric>

namespace {

void Frame(benchmark::State& state) {
    const int count = int(state.range(0));
    Solver s;
    s.DrawOscillator(0.001);
    TimeView view;
    view.resize(view.minimumSize()); // the size it opens at beside the plots
    view.setBasis(ComputeSpectrum(s.PEGraph, RowOscillator, s.fMaxE), RowOscillator);
    std::vector<int> indices(static_cast<std::size_t>(count));
    std::iota(indices.begin(), indices.end(), 0);
    view.setSelection(indices, std::vector<double>(std::size_t(count), 1.0));
    view.CBReal->setChecked(true);
    view.CBImag->setChecked(true);
    const ShownPlots plots({&view});
    for (auto _ : state) {
        view.advance(0.016);
        plots.Show();
    }
    state.counters["states"] = count;
}

} // namespace

BENCHMARK(Frame)->Arg(2)->Arg(20)->Unit(benchmark::kMicrosecond);
