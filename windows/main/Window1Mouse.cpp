// Reshaping the potential with the mouse on the potential plot: a click creates a handle, a
// handle is dragged vertically, and the potential between handles is made of straight lines.
#include "graph/Graph.h"
#include "model/Model.h"
#include "platform/System.h"
#include "windows/main/Window1.h"

#include <algorithm>

namespace {

// Only a press strictly inside this band of the plot's rows creates a handle.
constexpr int kBandTop = 16;
constexpr int kBandBottom = 182;

} // namespace

bool Window1::editingRow() const {
    return CanReshape(row());
}

void Window1::reshape(const Solver& edited, const QString& what) {
    model_.Reshape(edited.Points, what);
}

double Window1::handlePosition(int x) {
    return HandleIndexAt(Graph1->XToVal(x));
}

bool Window1::inFrame(int x, int y) const {
    const Graph& g = *Graph1;
    return g.GLeft <= x && x <= g.GLeft + g.GWidth && g.GTop <= y && y <= g.GTop + g.GHeight;
}

double Window1::valueInFrame(int y) {
    // Beyond the frame the mapping has no value to give (it answers 0).
    return Graph1->YToVal(std::clamp(y, Graph1->GTop, Graph1->GTop + Graph1->GHeight));
}

bool Window1::Graph1_MouseDown(int x, int y) {
    // The title, the tick numbers and the labels lie outside the frame: no position to edit.
    if (!editingRow() || !inFrame(x, y)) return false;
    const double kx = handlePosition(x);
    const double value = Graph1->YToVal(y);
    const int hit = solver.HitHandle(kx, value);
    if (hit >= 0) {
        dragging = true;
        setCursor(updown());
        permX = hit;
        return true;
    }
    Solver edited = solver;
    edited.ClickAt(kx, value, kBandTop < y && y < kBandBottom, row() == RowSymmetricWell);
    reshape(edited, QStringLiteral("Create Handle"));
    return false;
}

void Window1::Graph1_MouseDrag(int x, int y) {
    (void)x;
    dragging = true;
    if (!editingRow()) return;
    Graph& g = *Graph1;
    Graphics& screen = g.ScreenGraphics();
    // Erase the previous feedback by showing the picture again.
    screen.DrawPicture(*g.GXP, 0, 0, width(), height(), g.ScPixH, g.ScPixV, width(), height());

    const auto& points = solver.Points;
    const int handleX = g.XCoord(HandleX(permX));
    y = std::clamp(y, g.GTop, g.GTop + g.GHeight); // where the drop will put it
    screen.SetForeColor({100, 100, 100});
    if (permX > 0) {
        int k = permX - 1;
        while (k > 0 && points[k] == NoHandle) --k;
        if (points[k] != NoHandle)
            screen.DrawLine(g.XCoord(HandleX(k)), g.YCoord(points[k]), handleX, y);
    }
    if (permX < HandleLast) {
        int k = permX + 1;
        while (k < HandleLast && points[k] == NoHandle) ++k;
        if (points[k] != NoHandle)
            screen.DrawLine(g.XCoord(HandleX(k)), g.YCoord(points[k]), handleX, y);
    }
    screen.SetForeColor({0, 0, 0});
    g.update();
}

void Window1::Graph1_MouseUp(int x, int y) {
    (void)x;
    dragging = false;
    if (editingRow()) {
        Solver edited = solver;
        edited.DropAt(permX, valueInFrame(y), row() == RowSymmetricWell);
        reshape(edited, QStringLiteral("Move Handle"));
        setCursor(cross());
    }
}

void Window1::Graph1_MouseMove(int x, int y) {
    // As for a press: outside the frame no handle can be picked.
    if (inFrame(x, y) && solver.HitHandle(handlePosition(x), Graph1->YToVal(y)) >= 0)
        setCursor(updown());
    else if (!dragging)
        setCursor(cross());
}

void Window1::Graph1_MouseEnter() {
    setCursor(cross());
}

void Window1::Graph1_MouseExit() {
    setCursor(ArrowCursor());
}
