#pragma once

// A plot of the Levels window's kind: a full-colour Graph that takes no focus, with its open and
// draw handlers. The caller sets its geometry (or lets a layout do it) and opens it.

#include "graph/Graph.h"

#include <functional>
#include <utility>

inline Graph* NewPlot(QWidget* parent, std::function<void()> open,
                      std::function<void()> drawContent) {
    auto* g = new Graph(parent);
    g->setFocusPolicy(Qt::NoFocus);
    g->DepthQuery = [] { return 32; };
    g->Open = std::move(open);
    g->DrawContent = std::move(drawContent);
    return g;
}
