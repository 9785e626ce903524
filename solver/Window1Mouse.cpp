// Reshaping the potential with the mouse on the potential plot: a click creates a handle, a
// handle is dragged vertically, and the potential between handles is made of straight lines.
#include "graph/Graph.h"
#include "platform/System.h"
#include "solver/Window1.h"

namespace {

// Only a press strictly inside this band of the plot's rows creates a handle.
constexpr int kBandTop = 16;
constexpr int kBandBottom = 182;

} // namespace

bool Window1::editingRow() const {
    return row() != RowOscillator && row() != RowHydrogen;
}

double Window1::handlePosition(int x) {
    return Graph1->XToVal(x) * 100 + 175;
}

bool Window1::Graph1_MouseDown(int x, int y) {
    if (!editingRow()) return false;
    const double kx = handlePosition(x);
    const double value = Graph1->YToVal(y);
    const int hit = solver.HitHandle(kx, value);
    if (hit >= 0) {
        dragging = true;
        setCursor(updown());
        permX = hit;
        return true;
    }
    solver.ClickAt(kx, value, kBandTop < y && y < kBandBottom, row() == RowSymmetricWell);
    Graph1->ReDrawAll();
    Graph1->UpdateScreen();
    emit changed();
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
    const int handleX = g.XCoord((permX - 175) / 100.0);
    screen.SetForeColor({100, 100, 100});
    if (permX > 0) {
        int k = permX - 1;
        while (k > 0 && points[k] == NoHandle) --k;
        if (points[k] != NoHandle)
            screen.DrawLine(g.XCoord((k - 175) / 100.0), g.YCoord(points[k]), handleX, y);
    }
    if (permX < HandleLast) {
        int k = permX + 1;
        while (k < HandleLast && points[k] == NoHandle) ++k;
        if (points[k] != NoHandle)
            screen.DrawLine(g.XCoord((k - 175) / 100.0), g.YCoord(points[k]), handleX, y);
    }
    screen.SetForeColor({0, 0, 0});
    g.update();
}

void Window1::Graph1_MouseUp(int x, int y) {
    (void)x;
    if (editingRow()) {
        solver.DropAt(permX, Graph1->YToVal(y), row() == RowSymmetricWell);
        Graph1->ReDrawAll();
        Graph1->UpdateScreen();
        setCursor(cross());
    }
    dragging = false;
    emit changed();
}

void Window1::Graph1_MouseMove(int x, int y) {
    const double kx = handlePosition(x);
    if (solver.HitHandle(kx, Graph1->YToVal(y)) >= 0)
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
