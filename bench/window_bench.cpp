// What a user waits for on the real window (offscreen): a row change, a slider move, Find, and
// the drop of a dragged handle. Each should be well under one frame (16 ms).
#include "bench/ShownPlots.h"
#include "graph/Graph.h"
#include "windows/main/Window1.h"

#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QLineEdit>
#include <QSlider>

namespace {

Window1& window() {
    static Window1* w = [] {
        auto* win = new Window1();
        win->beep = [] {};
        win->show();
        return win;
    }();
    return *w;
}

const ShownPlots& plotsOf(Window1& w) {
    static const ShownPlots plots({&w});
    return plots;
}

void RowChange(benchmark::State& state) {
    Window1& w = window();
    const ShownPlots& plots = plotsOf(w);
    int row = 0;
    for (auto _ : state) {
        row = row == 0 ? 1 : 0; // Well <-> Symmetric Well: build, search, two redraws
        w.PopupMenu1->setCurrentIndex(row);
        plots.Show();
    }
}

void SliderMove(benchmark::State& state) {
    Window1& w = window();
    const ShownPlots& plots = plotsOf(w);
    w.PopupMenu1->setCurrentIndex(0);
    int value = 100;
    for (auto _ : state) {
        value = value == 100 ? 120 : 100; // build, integration, two redraws
        w.Slider1->setValue(value);
        plots.Show();
    }
}

void Find(benchmark::State& state) {
    Window1& w = window();
    const ShownPlots& plots = plotsOf(w);
    w.PopupMenu1->setCurrentIndex(0);
    for (auto _ : state) {
        state.PauseTiming();
        w.EFEnergy->setText(QStringLiteral("0.01"));
        state.ResumeTiming();
        w.PBFind_Action(); // search and redraw
        plots.Show();
    }
}

void DropHandle(benchmark::State& state) {
    Window1& w = window();
    const ShownPlots& plots = plotsOf(w);
    w.PopupMenu1->setCurrentIndex(0);
    Graph& g = *w.Graph1;
    const int y1 = g.YCoord(10);
    const int y2 = g.YCoord(12);
    bool up = false;
    for (auto _ : state) {
        up = !up;
        w.permX = 125;
        w.dragging = true;
        w.Graph1_MouseUp(g.XCoord(-0.5), up ? y2 : y1); // rebuild and redraw
        plots.Show();
    }
}

} // namespace

BENCHMARK(RowChange)->Unit(benchmark::kMillisecond);
BENCHMARK(SliderMove)->Unit(benchmark::kMillisecond);
BENCHMARK(Find)->Unit(benchmark::kMillisecond);
BENCHMARK(DropHandle)->Unit(benchmark::kMillisecond);
