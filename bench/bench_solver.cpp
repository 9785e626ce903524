// The solver's hot paths beside a plain loop of the same recurrence, with the ratios that show
// whether the integration or the search carries overhead beyond the arithmetic:
//   integration_vs_loop: one DrawEta / the plain loop over the same steps   (aim: within 2x)
//   search_vs_integrations: one search / (its integrations x one DrawEta)   (aim: within 1.2x)
// Benchmarks run in registration order; the search reports the ratios, so run them together.
#include "solver/core/Solver.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>

namespace {

constexpr double EnergyOfIntegration = 0.3;
constexpr double EnergyOfSearch = 0.01;

double loopNs = 0;        // per plain loop
double integrationNs = 0; // per DrawEta

// Times the state loop itself, so that later benchmarks can form ratios with it.
template <typename F> double timePerIteration(benchmark::State& state, F&& body) {
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) body();
    const std::chrono::duration<double, std::nano> spent = std::chrono::steady_clock::now() - start;
    return state.iterations() ? spent.count() / double(state.iterations()) : 0;
}

Solver defaultWell(Solver::YieldFn yield) {
    Solver s(yield);
    s.DrawWell(100);
    return s;
}

// Stands in for the framework's yield: a real call that does nothing.
__attribute__((noinline)) void idleYield() {
    benchmark::ClobberMemory();
}

void PlainLoop(benchmark::State& state) {
    Solver s = defaultWell({});
    s.Energy = EnergyOfIntegration;
    s.DrawEta(RowWell);
    const int last = s.lasti; // the same steps as the integration below
    const double k = ((2.0 * 0.01) * 0.01) * 511003.0 / 197.33 / 197.33;
    const double* pot = s.PEGraph.data();
    double* eta = s.eta.data();
    loopNs = timePerIteration(state, [&] {
        const double energy = EnergyOfIntegration;
        double before = 0, here = 1e-40;
        for (int i = 1; i <= last; ++i) {
            const double next = (2 * here - before) - (k * (energy - pot[i])) * here;
            eta[i + 1] = next;
            before = here;
            here = next;
        }
        benchmark::ClobberMemory();
    });
    state.counters["steps"] = last;
}

void Integration(benchmark::State& state) {
    Solver s = defaultWell(&idleYield);
    s.Energy = EnergyOfIntegration;
    integrationNs = timePerIteration(state, [&] {
        s.DrawEta(RowWell);
        benchmark::DoNotOptimize(s.lasti);
    });
    state.counters["steps"] = s.lasti;
    if (loopNs > 0) state.counters["integration_vs_loop"] = integrationNs / loopNs;
}

void Search(benchmark::State& state) {
    // Counts integrations: each one leaves max >= 0, which the counter then marks as seen. The
    // search never reads max, so the mark does not change its course.
    int perSearch = 0;
    Solver* counted = nullptr;
    Solver s = defaultWell([&] {
        if (counted->max >= 0) {
            ++perSearch;
            counted->max = -1;
        }
    });
    counted = &s;
    s.Energy = EnergyOfSearch;
    s.CalculateEnergy(RowWell);

    Solver t = defaultWell(&idleYield);
    const double searchNs = timePerIteration(state, [&] {
        t.Energy = EnergyOfSearch;
        benchmark::DoNotOptimize(t.CalculateEnergy(RowWell));
    });
    state.counters["integrations"] = perSearch;
    if (integrationNs > 0)
        state.counters["search_vs_integrations"] = searchNs / (perSearch * integrationNs);
}

} // namespace

BENCHMARK(PlainLoop);
BENCHMARK(Integration);
BENCHMARK(Search);

BENCHMARK_MAIN();
