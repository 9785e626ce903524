#include "tests/graph/GraphSupport.h"

#include <cmath>

std::unique_ptr<Graph> OpenGraph(int w, int h, std::function<void(Graph&)> onOpen) {
    auto g = std::make_unique<Graph>();
    g->resize(w, h);
    g->DepthQuery = [] { return 32; };
    if (onOpen) {
        Graph* raw = g.get();
        g->Open = [raw, onOpen] { onOpen(*raw); };
    }
    g->Event_Open();
    return g;
}

Recording::Recording(Graph& g) : g_(g), saved_(g.GX), device_(g.FWidth, g.FHeight), gx_(&device_) {
    if (saved_) {
        gx_.SetForeColor(saved_->ForeColor());
        gx_.SetTextFont(saved_->TextFont());
        gx_.SetTextSize(saved_->TextSize());
        gx_.SetBold(saved_->Bold());
        gx_.SetItalic(saved_->Italic());
    }
    g_.GX = &gx_;
}

Recording::~Recording() {
    g_.GX = saved_;
}

Seg SegOf(const Recorded& r) {
    return {static_cast<int>(std::lround(r.line.x1())), static_cast<int>(std::lround(r.line.y1())),
            static_cast<int>(std::lround(r.line.x2())), static_cast<int>(std::lround(r.line.y2()))};
}
