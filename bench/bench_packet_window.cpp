// One frame of the playing Wave Packet window: the packet's steps for the frame, its
// observables with their FFT, and the three plots redrawn (aim: under 2 ms). The timer asks for
// one every 16 ms; at 2 fs/s a frame is 3 steps of 0.01 fs, at 20 fs/s 32.
#include "bench/ShownPlots.h"
#include "model/Model.h"
#include "windows/packet/PacketWindow.h"

#include <benchmark/benchmark.h>

namespace {

void Frame(benchmark::State& state) {
    const double fs = 0.01 * double(state.range(0));
    Model model;
    ::Setup barrier = model.Value(); // the 0.5 nm x 5 eV barrier
    barrier.row = RowBarrier;
    barrier.sliders = {50, 5, 0};
    model.Open(barrier);
    PacketWindow w(model);
    w.show();
    const ShownPlots plots({&w});
    for (auto _ : state) {
        w.advance(fs);
        plots.Show();
        // The flight through the barrier, over and over: a new flight's first frame is drawn
        // outside the timing, so the left and right traces stay as long as in one flight.
        if (w.time() > 20) {
            state.PauseTiming();
            w.reset();
            state.ResumeTiming();
        }
    }
    state.counters["steps"] = double(state.range(0));
}

} // namespace

BENCHMARK(Frame)->Arg(3)->Arg(32)->Unit(benchmark::kMicrosecond);
