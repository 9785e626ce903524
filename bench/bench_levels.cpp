// The Levels window's update after a slider move on the real windows (offscreen): it must stay
// within one display frame (16 ms). The spectrum beside one search is in bench_spectrum.
#include "windows/levels/LevelsWindow.h"
#include "windows/main/Window1.h"

#include <benchmark/benchmark.h>

#include <QSlider>

namespace {

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

BENCHMARK(LevelsAfterSliderMove)->Unit(benchmark::kMillisecond);
