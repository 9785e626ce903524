// The whole spectrum beside one Find search, and the Levels window's update after a slider
// move on the real windows (offscreen). The spectrum of any row should take at most 3 ms; the
// update must stay within one display frame (16 ms).
//   spectrum_vs_search: one spectrum / one search from 0.01 eV on the same potential
#include "solver/core/PotentialRows.h"
#include "solver/core/Spectrum.h"
#include "windows/levels/LevelsWindow.h"
#include "windows/main/Window1.h"

#include <benchmark/benchmark.h>

#include <QSlider>

#include <chrono>

namespace {

Solver built(int row) {
    const RowInfo& r = RowOf(row);
    Solver s;
    s.BuildRow(row, r.sliders[0].start, r.sliders[1].start, r.sliders[2].start);
    return s;
}

template <typename F> double nsPerIteration(benchmark::State& state, F&& body) {
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) body();
    const std::chrono::duration<double, std::nano> spent = std::chrono::steady_clock::now() - start;
    return state.iterations() ? spent.count() / double(state.iterations()) : 0;
}

void SpectrumOfRow(benchmark::State& state) {
    const int row = int(state.range(0));
    Solver s = built(row);
    std::size_t states = 0;
    const double spectrumNs = nsPerIteration(state, [&] {
        const Spectrum sp = ComputeSpectrum(s.PEGraph, row, s.fMaxE);
        states = sp.states.size();
        benchmark::DoNotOptimize(sp);
    });
    // One search from where the window starts its own, timed on the same potential.
    const auto start = std::chrono::steady_clock::now();
    constexpr int searches = 200;
    for (int i = 0; i < searches; ++i) {
        s.Energy = row == RowHydrogen ? -13.6 : 0.01;
        benchmark::DoNotOptimize(s.CalculateEnergy(row));
    }
    const std::chrono::duration<double, std::nano> spent = std::chrono::steady_clock::now() - start;
    state.counters["states"] = double(states);
    state.counters["spectrum_vs_search"] = spectrumNs / (spent.count() / searches);
    state.SetLabel(std::string(RowOf(row).option));
}

void LevelsAfterSliderMove(benchmark::State& state) {
    static Window1* w = [] {
        auto* win = new Window1();
        win->beep = [] {};
        win->show();
        return win;
    }();
    LevelsWindow* levels = LevelsWindow::Show(w->model(), w);
    int value = 100;
    for (auto _ : state) {
        value = value == 100 ? 120 : 100; // main window: build, integrate, redraw; then Levels
        w->Slider1->setValue(value);
    }
    benchmark::DoNotOptimize(levels->Model());
}

} // namespace

BENCHMARK(SpectrumOfRow)->DenseRange(RowWell, RowHydrogen)->Unit(benchmark::kMicrosecond);
BENCHMARK(LevelsAfterSliderMove)->Unit(benchmark::kMillisecond);
