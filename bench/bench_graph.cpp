// ReDrawAll of a 450 x 204 graph with title, labels and grid whose content is a 351-point
// curve: what the program does on every change. The picture must be made once, not per redraw;
// the frame and axes, which stay, are copied back.
// At ratio 2 the same redraw is what a high-density screen does.

#include "graph/Graph.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>

namespace {

struct Plot {
    Graph g;
    std::array<double, 351> v{};

    Plot() {
        for (std::size_t i = 0; i < v.size(); ++i) v[i] = 10 + 8 * std::sin(0.05 * i);
        g.resize(450, 204);
        g.DepthQuery = [] { return 32; };
        g.Open = [this] {
            g.SetGrid(true);
            g.SetTitle("Potential");
            g.SetYLabel("Potential (eV)");
            g.SetXLabel("x (nm)");
            g.DefineGraph(-1.8, 1.8, 0, 20);
        };
        g.DrawContent = [this] {
            g.CurveStart(-1.75, v[0]);
            for (std::size_t i = 1; i < v.size(); ++i) g.CurveTo(-1.75 + 0.01 * i, v[i]);
        };
        g.Event_Open();
    }
};

void BM_ReDrawAll(benchmark::State& state) {
    Plot plot;
    const Picture* picture = plot.g.GXP.get();
    const Graphics* context = plot.g.GX;
    for (auto _ : state) {
        plot.g.ReDrawAll();
        plot.g.ScreenImage(); // as the next paint shows it
    }
    if (plot.g.GXP.get() != picture || plot.g.GX != context)
        state.SkipWithError("a new picture was made during the redraws");
}
BENCHMARK(BM_ReDrawAll)->Unit(benchmark::kMicrosecond);

// The same with new axes each time (three ranges in turn, more than a plot keeps the frames
// of), so that the frame is drawn anew and kept.
void BM_ReDrawNewAxes(benchmark::State& state) {
    Plot plot;
    int turn = 0;
    for (auto _ : state) {
        plot.g.DefineGraph(-1.8, 1.8, 0, 20 + 10 * (turn++ % 3));
        plot.g.GetContent();
        plot.g.ScreenImage();
    }
}
BENCHMARK(BM_ReDrawNewAxes)->Unit(benchmark::kMicrosecond);

// The content alone: 351 mapped points and 350 line segments.
void BM_Curve351(benchmark::State& state) {
    Plot plot;
    for (auto _ : state) plot.g.DrawContent();
}
BENCHMARK(BM_Curve351)->Unit(benchmark::kMicrosecond);

// The redraw on a picture at device pixel ratio 2, where curves go through unrounded points.
void BM_ReDrawAllAtRatioTwo(benchmark::State& state) {
    Plot plot;
    auto page = Picture::Make(450, 204, 32, 2.0);
    for (auto _ : state) plot.g.PrintGraphOn(*page->GetGraphics());
}
BENCHMARK(BM_ReDrawAllAtRatioTwo)->Unit(benchmark::kMicrosecond);

} // namespace
