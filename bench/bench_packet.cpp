// The wave packet's hot paths, with the ratio that the time view's budget is written in:
//   step_vs_integration: one Crank-Nicolson step / one DrawEta on the 1 nm well  (aim: <= 10)
//   Frame: the steps of one animation frame (10 steps, 0.1 fs), the observables and their FFT
//          (aim: under 2 ms)
//   PaddedFft: momentum space of one grid state                                   (aim: < 50 us)
// Benchmarks run in registration order; the step reports the ratio, so run them together.
#include "solver/core/MomentumSpace.h"
#include "solver/core/Solver.h"
#include "solver/core/WavePacket.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

constexpr int kFrameSteps = 10;

double integrationNs = 0; // per DrawEta

template <typename F> double timePerIteration(benchmark::State& state, F&& body) {
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) body();
    const std::chrono::duration<double, std::nano> spent = std::chrono::steady_clock::now() - start;
    return state.iterations() ? spent.count() / double(state.iterations()) : 0;
}

// The packet in the Barrier test's set-up: the default packet before the 0.5 nm x 5 eV barrier.
WavePacket barrierPacket() {
    Solver s;
    s.DrawWell(50);
    std::array<double, 1004> v{};
    for (int i = 0; i <= GridLast; ++i) v[std::size_t(i)] = s.PEGraph[std::size_t(i)] == 0 ? 5 : 0;
    return WavePacket(v, 1.0);
}

void Integration(benchmark::State& state) {
    Solver s;
    s.DrawWell(100);
    s.Energy = 0.3;
    integrationNs = timePerIteration(state, [&] {
        s.DrawEta(RowWell);
        benchmark::DoNotOptimize(s.lasti);
    });
}

void Step(benchmark::State& state) {
    WavePacket p = barrierPacket();
    const double stepNs = timePerIteration(state, [&] {
        p.Advance(1);
        benchmark::DoNotOptimize(p.Psi().data());
    });
    if (integrationNs > 0) state.counters["step_vs_integration"] = stepNs / integrationNs;
}

void Frame(benchmark::State& state) {
    WavePacket p = barrierPacket();
    for (auto _ : state) {
        p.Advance(kFrameSteps);
        benchmark::DoNotOptimize(p.Observe());
    }
    state.counters["steps"] = kFrameSteps;
}

void PaddedFft(benchmark::State& state) {
    WavePacket p = barrierPacket();
    MomentumSpace m;
    for (auto _ : state) {
        m.Transform(p.Psi());
        benchmark::DoNotOptimize(m.MeanK());
    }
}

void Factorisation(benchmark::State& state) {
    Solver s;
    s.DrawWell(50);
    for (auto _ : state) {
        WavePacket p(s.PEGraph, 1.0);
        benchmark::DoNotOptimize(p.Psi().data());
    }
}

} // namespace

BENCHMARK(Integration);
BENCHMARK(Step);
BENCHMARK(Frame)->Unit(benchmark::kMicrosecond);
BENCHMARK(PaddedFft)->Unit(benchmark::kMicrosecond);
BENCHMARK(Factorisation)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
