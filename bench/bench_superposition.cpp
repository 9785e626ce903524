// One frame of the time evolution: Psi on the 1001 grid points from 20 states, |Psi|^2 and the
// moments (aim: under 0.5 ms), and the set-up that a new choice of states costs once.
#include "solver/core/Solver.h"
#include "solver/core/Superposition.h"

#include <benchmark/benchmark.h>

#include <numeric>

namespace {

constexpr int kStates = 20;

struct Choice {
    Spectrum spectrum;
    std::vector<int> indices;
    std::vector<double> amplitudes;
};

Choice twentyOscillatorStates() {
    Solver s;
    s.DrawOscillator(0.001);
    Choice c{ComputeSpectrum(s.PEGraph, RowOscillator, s.fMaxE), {}, {}};
    c.indices.resize(kStates);
    std::iota(c.indices.begin(), c.indices.end(), 0);
    for (int n = 0; n < kStates; ++n) c.amplitudes.push_back(1.0 / (1 + n));
    return c;
}

void Frame(benchmark::State& state) {
    const Choice c = twentyOscillatorStates();
    const Superposition sup(c.spectrum, RowOscillator, c.indices, c.amplitudes);
    Wave wave;
    double t = 0;
    for (auto _ : state) {
        sup.WaveAt(t, wave);
        const Moments m = sup.MomentsAt(t);
        benchmark::DoNotOptimize(wave.density.data());
        benchmark::DoNotOptimize(m);
        t += 0.016;
    }
    state.counters["states"] = sup.size();
}

void Moments20(benchmark::State& state) {
    const Choice c = twentyOscillatorStates();
    const Superposition sup(c.spectrum, RowOscillator, c.indices, c.amplitudes);
    double t = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(sup.MomentsAt(t));
        t += 0.016;
    }
}

void SetUp(benchmark::State& state) {
    const Choice c = twentyOscillatorStates();
    for (auto _ : state) {
        const Superposition sup(c.spectrum, RowOscillator, c.indices, c.amplitudes);
        benchmark::DoNotOptimize(sup.coefficients().data());
    }
}

} // namespace

BENCHMARK(Frame)->Unit(benchmark::kMicrosecond);
BENCHMARK(Moments20)->Unit(benchmark::kMicrosecond);
BENCHMARK(SetUp)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
