// The whole spectrum of each row beside one Find search on the same potential, in one run:
//   spectrum_vs_search: one spectrum with every vector and observable / one search from where
//   the window starts its own (0.01 eV; -13.6 eV for hydrogen).
// Aims: at most 2 searches for the Well, 12 for the Oscillator's 100 states (and under 1 ms),
// 3 for every other row. The drawn double well's close pairs go through LAPACK. Both sides of
// each ratio are this thread's processor time, so that other work on a shared machine does not
// tilt them.
#include "platform/FreedMemory.h"
#include "solver/core/PotentialRows.h"
#include "solver/core/Solver.h"
#include "solver/core/Spectrum.h"

#include <benchmark/benchmark.h>

#include <ctime>

namespace {

double threadNs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e9 + double(t.tv_nsec);
}

template <typename F> double nsPerIteration(benchmark::State& state, F&& body) {
    const double start = threadNs();
    for (auto _ : state) body();
    return state.iterations() ? (threadNs() - start) / double(state.iterations()) : 0;
}

double searchNs(Solver& s, int row) {
    constexpr int searches = 200;
    const double start = threadNs();
    for (int i = 0; i < searches; ++i) {
        s.Energy = row == RowHydrogen ? -13.6 : 0.01;
        benchmark::DoNotOptimize(s.CalculateEnergy(row));
    }
    return (threadNs() - start) / searches;
}

void report(benchmark::State& state, Solver& s, int row, double spectrumNs, std::size_t states) {
    state.counters["states"] = double(states);
    state.counters["spectrum_vs_search"] = spectrumNs / searchNs(s, row);
}

void SpectrumOfRow(benchmark::State& state) {
    const int row = int(state.range(0));
    const RowInfo& r = RowOf(row);
    Solver s;
    s.BuildRow(row, r.sliders[0].start, r.sliders[1].start, r.sliders[2].start);
    std::size_t states = 0;
    const double ns = nsPerIteration(state, [&] {
        const Spectrum sp = ComputeSpectrum(s.PEGraph, row, s.fMaxE);
        states = sp.states.size();
        benchmark::DoNotOptimize(sp);
    });
    report(state, s, row, ns, states);
    state.SetLabel(std::string(r.option));
}

// Two equal 0.4 nm dips 1 nm apart, drawn: pairs split by about 1e-7 eV and more.
void SpectrumOfDrawnDoubleWell(benchmark::State& state) {
    Solver s;
    s.DrawFlat();
    for (int left : {35, 275}) {
        s.Points[std::size_t(left)] = s.Points[std::size_t(left + 40)] = 10;
        s.Points[std::size_t(left + 1)] = s.Points[std::size_t(left + 39)] = 0;
    }
    s.RebuildFromHandles();
    std::size_t states = 0;
    const double ns = nsPerIteration(state, [&] {
        const Spectrum sp = ComputeSpectrum(s.PEGraph, RowDraw, s.fMaxE);
        states = sp.states.size();
        benchmark::DoNotOptimize(sp);
    });
    s.BuildRow(RowWell, RowOf(RowWell).sliders[0].start, 0, 0); // Find has no drawn start
    report(state, s, RowWell, ns, states);
}

} // namespace

BENCHMARK(SpectrumOfRow)->DenseRange(RowWell, RowHydrogen)->Unit(benchmark::kMicrosecond);
BENCHMARK(SpectrumOfDrawnDoubleWell)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    KeepFreedMemory(); // as the program runs
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
