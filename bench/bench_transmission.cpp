// The transmission's costs in units of one integration (DrawEta on the 1 nm well), measured in
// the same run:
//   Curve: T(E) at 2000 energies, as the transmission curve needs   (aim: <= 2500 integrations)
//   OneEnergy: T at a single energy                                  (about one integration)
//   Resonances: the default double barrier's, from a 2000-point scan
// Benchmarks run in registration order; the later ones report ratios to the first.
#include "solver/core/Resonances.h"
#include "solver/core/Solver.h"
#include "solver/core/Transmission.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

namespace {

constexpr int CurvePoints = 2000;
constexpr double CurveTop = 15; // eV, the curve's default top

double integrationNs = 0;

template <typename F> double timePerIteration(benchmark::State& state, F&& body) {
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) body();
    const std::chrono::duration<double, std::nano> spent = std::chrono::steady_clock::now() - start;
    return state.iterations() ? spent.count() / double(state.iterations()) : 0;
}

void inIntegrations(benchmark::State& state, double ns) {
    if (integrationNs > 0) state.counters["integrations"] = ns / integrationNs;
}

Solver defaultDoubleBarrier() {
    Solver s;
    s.BuildRow(RowDoubleBarrier, 120, 20, 10);
    return s;
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

void Curve(benchmark::State& state) {
    const Solver s = defaultDoubleBarrier();
    const double from = OpenEnergiesOf(s.PEGraph, 1).lowest;
    std::vector<double> energies(CurvePoints);
    for (int i = 0; i < CurvePoints; ++i)
        energies[std::size_t(i)] = from + (CurveTop - from) * (i + 1) / CurvePoints;
    std::vector<std::optional<TransmissionResult>> out(CurvePoints);
    inIntegrations(state, timePerIteration(state, [&] {
                       GridTransmissions(s.PEGraph, 1, energies, out);
                       benchmark::DoNotOptimize(out.data());
                   }));
}

void OneEnergy(benchmark::State& state) {
    const Solver s = defaultDoubleBarrier();
    inIntegrations(state, timePerIteration(state, [&] {
                       benchmark::DoNotOptimize(GridTransmission(s.PEGraph, 1, 0.29));
                   }));
}

void Resonances(benchmark::State& state) {
    const Solver s = defaultDoubleBarrier();
    std::size_t found = 0;
    inIntegrations(state, timePerIteration(state, [&] {
                       const auto r = GridResonances(s.PEGraph, 1, 0, CurveTop, CurvePoints);
                       found = r.size();
                       benchmark::DoNotOptimize(r.data());
                   }));
    state.counters["resonances"] = double(found);
}

} // namespace

BENCHMARK(Integration);
BENCHMARK(Curve)->Unit(benchmark::kMillisecond);
BENCHMARK(OneEnergy);
BENCHMARK(Resonances)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
