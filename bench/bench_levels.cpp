// The Levels window's update after one slider step, on the real windows (offscreen), with two
// levels ticked and their evolution playing: the main window builds, integrates and redraws,
// then the Levels window recomputes the spectrum and redraws its table and plots. One display
// frame is 16 ms; the aim is 4 ms on every row. DragOf100Steps holds the thumb down for 100
// steps, as a drag does, and reports the longest step.
#include "bench/ShownPlots.h"
#include "model/Model.h"
#include "solver/core/PotentialRows.h"
#include "windows/levels/LevelsWindow.h"
#include "windows/levels/TimeView.h"
#include "windows/main/Window1.h"

#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QSlider>

#include <algorithm>

namespace {

struct Windows {
    Window1* main;
    LevelsWindow* levels;
};

Windows open(int row) {
    static Window1* w = [] {
        auto* win = new Window1();
        win->beep = [] {};
        win->show();
        return win;
    }();
    w->model().ChooseRow(row);
    LevelsWindow* levels = LevelsWindow::Show(w->model(), w);
    levels->Refresh(true);
    levels->Tick(0, true);
    levels->Tick(1, true);
    levels->Time->play();
    return {w, levels};
}

void LevelsAfterSliderStep(benchmark::State& state) {
    const int row = int(state.range(0));
    const Windows win = open(row);
    QSlider& s = *win.main->Slider1;
    const int start = s.value();
    const ShownPlots plots({win.main, win.levels});
    for (auto _ : state) {
        s.setValue(s.value() == start ? start + 1 : start); // one step there and back
        win.levels->Time->Timer_Action();                   // and the evolution's frame
        plots.Show();
    }
    state.SetLabel(std::string(RowOf(row).menuText));
    state.counters["states"] = double(win.levels->Model().spectrum.states.size());
}

void DragOf100Steps(benchmark::State& state) {
    const Windows win = open(int(state.range(0)));
    QSlider& s = *win.main->Slider1;
    double longest = 0;
    const ShownPlots plots({win.main, win.levels});
    for (auto _ : state) {
        s.setValue(s.minimum());
        s.setSliderDown(true);
        for (int step = 1; step <= 100 && s.value() < s.maximum(); ++step) {
            QElapsedTimer clock;
            clock.start();
            s.setSliderPosition(s.value() + 1);
            plots.Show();
            longest = std::max(longest, clock.nsecsElapsed() / 1e6);
        }
        s.setSliderDown(false);
    }
    state.counters["longest_step_ms"] = longest;
    state.SetLabel(std::string(RowOf(int(state.range(0))).menuText));
}

} // namespace

BENCHMARK(LevelsAfterSliderStep)->DenseRange(RowWell, RowOscillator)->Unit(benchmark::kMillisecond);
BENCHMARK(DragOf100Steps)
    ->Arg(RowWell)
    ->Arg(RowOscillator)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
