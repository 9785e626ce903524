// The Transmission window's update after a slider step on the real windows (offscreen), from the
// step until the window shows the new curve, state and table (aim: under 8 ms), and the curve's
// computation alone, which runs off the UI thread:
//   AfterSliderStep: the main window's redraw, the state, the curve and the three plots
//   ChooseEnergy: a click on the curve: the state and the three plots
//   CurveAlone: T, R, the continuum's T and the resonances at the curve's 2000 energies
#include "model/Model.h"
#include "windows/main/Window1.h"
#include "windows/transmission/TransmissionWindow.h"

#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QSlider>

namespace {

// The main window on the default double barrier, made once and shared by the benchmarks.
Window1* window() {
    static Window1* w = [] {
        auto* win = new Window1();
        win->beep = [] {};
        win->show();
        win->PopupMenu1->setCurrentIndex(RowDoubleBarrier);
        return win;
    }();
    return w;
}

void AfterSliderStep(benchmark::State& state) {
    Window1* w = window();
    TransmissionWindow* t = TransmissionWindow::Show(w->model(), w);
    int value = 120;
    for (auto _ : state) {
        value = value == 120 ? 121 : 120;
        w->Slider1->setValue(value);
        while (!t->UpToDate()) QCoreApplication::processEvents();
    }
    state.counters["resonances"] = double(t->Curve().resonances.size());
}

void ChooseEnergy(benchmark::State& state) {
    Window1* w = window();
    TransmissionWindow* t = TransmissionWindow::Show(w->model(), w);
    while (!t->UpToDate()) QCoreApplication::processEvents();
    double e = 5;
    for (auto _ : state) {
        e = e == 5 ? 5.5 : 5;
        t->ChooseEnergy(e);
    }
}

void CurveAlone(benchmark::State& state) {
    Setup s = WithRow(Setup{}, RowDoubleBarrier);
    for (auto _ : state) benchmark::DoNotOptimize(ComputeTransmissionCurve(s, DefaultCurveTop));
}

} // namespace

BENCHMARK(AfterSliderStep)->Unit(benchmark::kMillisecond);
BENCHMARK(ChooseEnergy)->Unit(benchmark::kMillisecond);
BENCHMARK(CurveAlone)->Unit(benchmark::kMillisecond);
