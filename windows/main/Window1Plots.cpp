// What the two plots show: the potential with its handles and the energy line, and the wave
// function of the last integration.
#include "graph/Graph.h"
#include "model/Model.h"
#include "platform/NumberText.h"
#include "solver/core/Mirror.h"
#include "windows/common/PlotRanges.h"
#include "windows/main/Window1.h"

#include <QLineEdit>

namespace {

constexpr Color kRed{255, 0, 0};
constexpr Color kBlack{0, 0, 0};

// The hydrogen potential's origin r = 0 is grid index 325, the left end of the visible window.
// Both plots move it to x = 0, so the wave function lies under the potential it belongs to.
double displayShift(int row) {
    return row == RowHydrogen ? 1.75 : 0.0;
}

} // namespace

void Window1::Graph1_Open() {
    Graph1->SetGrid(true);
    Graph1->SetTitle(tr("Potential"));
    Graph1->SetYLabel(tr("Potential (eV)"));
    Graph1->SetXLabel(QStringLiteral("x (nm)"));
    const PlotRange r = PotentialRange(RowWell);
    Graph1->DefineGraph(r.xMin, r.xMax, r.yMin, r.yMax);
}

void Window1::Graph1_DrawContent() {
    Graph& g = *Graph1;
    const auto& pe = solver.PEGraph;
    const auto& points = solver.Points;
    const double s = displayShift(row());
    const double shift = 100 * s;

    if (points[0] != NoHandle) g.DrawPoint(-1.75 + s, points[0]);
    g.CurveStart(-1.75 + s, pe[WindowFirst]);
    for (int i = static_cast<int>(shift - 174); i <= shift + 175; ++i) {
        const int k = static_cast<int>(175 + i - shift);
        if (points[k] != NoHandle) g.DrawPoint(i / 100.0, points[k]);
        g.CurveTo(i / 100.0, pe[static_cast<int>(500 + i - shift)]);
    }

    g.SetColor(kRed);
    // The energy line sits at the energy the field shows, read as the integration reads it.
    const double e = Val(EFEnergy->text());
    const int y = g.YCoord(e);
    g.GX->DrawLine(g.XCoord(-2 + s), y, g.XCoord(2 + s), y);

    if (row() == RowDraw) {
        // Arrows at both ends give the level of the potential beyond the visible window.
        const double p0 = pe[0];
        const double p1 = pe[GridLast];
        g.SetColor(kRed);
        g.DrawShape(-1.75, p0, 5);
        g.DrawShape(1.75, p1, 5);
        auto line = [&g](double x1, double y1, double x2, double y2) {
            g.GX->DrawLine(g.XCoord(x1), g.YCoord(y1), g.XCoord(x2), g.YCoord(y2));
        };
        line(-1.75, p0, -1.9, p0);
        line(1.75, p1, 1.9, p1);
        line(-1.9, p0, -1.85, p0 + 0.5);
        line(-1.9, p0, -1.85, p0 - 0.5);
        line(1.9, p1, 1.85, p1 + 0.5);
        line(1.9, p1, 1.85, p1 - 0.5);
    }
    g.SetColor(kBlack);
}

void Window1::Graph2_Open() {
    Graph2->SetGrid(true);
    Graph2->SetTitle(tr("Solution for Energy = ") + Str(solver.Energy) + QStringLiteral(" eV"));
    Graph2->SetYLabel(tr("Psi_E (relative)"));
    Graph2->SetXLabel(QStringLiteral("x (nm)"));
    const PlotRange r = PsiRange(RowWell);
    Graph2->DefineGraph(r.xMin, r.xMax, r.yMin, r.yMax);
}

void Window1::Graph2_DrawContent() {
    Graph& g = *Graph2;
    const auto& feta = solver.feta;

    if (PhysicsRow(model_.Value()) == RowSymmetricWell) {
        // Only the right half was integrated: the left half is its mirror image.
        g.CurveStart(0, feta[0]);
        for (int i = 0; i <= 175; ++i) g.CurveTo(i / 100.0, feta[i]);
        g.CurveStart(0, feta[0]);
        for (int i = 0; i >= -175; --i)
            g.CurveTo(i / 100.0, MirroredHalf(feta, solver.symmetric, i));
        return;
    }

    const double s = displayShift(row());
    const double shift = 100 * s;
    g.CurveStart(-1.75 + s, feta[WindowFirst]);
    for (int i = static_cast<int>(shift - 174); i <= shift + 175; ++i)
        g.CurveTo(i / 100.0, feta[static_cast<int>(500 + i - shift)]);
}
