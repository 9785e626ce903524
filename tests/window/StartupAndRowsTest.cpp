// Start-up and the choice of potential: the controls each row shows, and how its two plots agree.
#include "WindowFixture.h"

#include <algorithm>
#include <tuple>
#include <utility>

namespace {

// Which of the three slider groups (slider, title, end labels) show, as "110".
std::string visibleGroups(Window1& w) {
    const QWidget* groups[3][4] = {{w.Slider1, w.STTitle1, w.STLeft1, w.STRight1},
                                   {w.Slider2, w.STTitle2, w.STLeft2, w.STRight2},
                                   {w.Slider3, w.STTitle3, w.STLeft3, w.STRight3}};
    std::string shown;
    for (const auto& group : groups) {
        const bool visible = group[0]->isVisible();
        for (const QWidget* c : group) EXPECT_EQ(c->isVisible(), visible);
        shown += visible ? '1' : '0';
    }
    return shown;
}

std::pair<double, double> xExtent(const std::vector<QLineF>& lines) {
    double lo = 1e9, hi = -1e9;
    for (const QLineF& l : lines) {
        lo = std::min({lo, l.x1(), l.x2()});
        hi = std::max({hi, l.x1(), l.x2()});
    }
    return {lo, hi};
}

} // namespace

TEST_F(WindowTest, OpensOnAWellAndEveryRowShowsItsControls) {
    EXPECT_EQ(w->centralWidget()->size(), QSize(671, 469));
    EXPECT_EQ(w->minimumSize(), w->maximumSize()); // not resizable
    EXPECT_EQ(energyText(), ".30273417311");       // the lowest level of the 1 nm well
    EXPECT_EQ(w->solver.Energy, 0.30273417311);
    EXPECT_EQ(visibleGroups(*w), "100");
    EXPECT_TRUE(w->solver.symmetric); // the parity follows "Symmetric" in the popup

    const std::tuple<int, const char*> rows[] = {
        {RowSymmetricWell, "110"}, {RowUneven, "111"}, {RowRamp, "110"}, {RowOscillator, "100"},
        {RowHydrogen, "000"},      {RowDraw, "000"},   {RowWell, "100"},
    };
    for (const auto& [row, groups] : rows) {
        const QString textBefore = energyText();
        chooseRow(row);
        SCOPED_TRACE(w->PopupMenu1->currentText().toStdString());
        EXPECT_EQ(visibleGroups(*w), groups);
        EXPECT_EQ(w->PMSymmetric->isVisible(), row == RowSymmetricWell);
        EXPECT_EQ(w->StaticText1->isVisible(), row == RowDraw); // the instructions
        if (row == RowDraw) {
            // A flat potential holds no level: the search beeps and the field keeps its text.
            EXPECT_EQ(beeps, 1);
            EXPECT_EQ(energyText(), textBefore);
        } else {
            EXPECT_NE(energyText(), textBefore);
        }
        EXPECT_EQ(w->solver.Energy, Val(energyText()));
    }
    EXPECT_EQ(w->STTitle1->text(), "Width = 1 nm"); // the row's own title, not the last one
}

TEST_F(WindowTest, SymmetricWellSlidersNestAndParitySurvivesRowChanges) {
    chooseRow(RowSymmetricWell);
    const QString energy = energyText();
    w->Slider2->setValue(80);
    EXPECT_EQ(w->STTitle2->text(), "Well Width = 0.8 nm");
    w->Slider1->setValue(30); // the wells can be no wider than their distance
    EXPECT_EQ(w->Slider2->maximum(), 30);
    EXPECT_EQ(w->Slider2->value(), 30);
    EXPECT_EQ(w->STRight2->text(), "0.3");
    EXPECT_EQ(w->STTitle2->text(), "Well Width = 0.3 nm");
    Solver oracle;
    oracle.DrawDoubleWell(30, 30);
    EXPECT_EQ(w->solver.PEGraph, oracle.PEGraph);
    EXPECT_EQ(energyText(), energy); // a slider keeps the energy shown

    w->PMSymmetric->setCurrentIndex(1);
    EXPECT_EQ(w->solver.eta[0], 0); // the odd solution is zero at the centre
    chooseRow(RowWell);
    chooseRow(RowSymmetricWell);
    EXPECT_EQ(w->PMSymmetric->currentText(), "Anti-Symmetric");
    EXPECT_FALSE(w->solver.symmetric);

    // A row change resets the sliders it sets up; a slider rebuilds at once.
    chooseRow(RowRamp);
    w->Slider1->setValue(50);
    chooseRow(RowWell);
    EXPECT_EQ(w->Slider1->value(), 100);
    w->Slider1->setValue(0);
    EXPECT_EQ(w->STTitle1->text(), "Width = 0 nm");
    for (int i = 0; i <= 1000; ++i) ASSERT_EQ(w->solver.PEGraph[i], 10) << i;
}

TEST_F(WindowTest, HydrogenPlotsPutTheOriginAtZeroInBoth) {
    chooseRow(RowHydrogen);
    Graph& pot = *w->Graph1;
    Graph& psi = *w->Graph2;
    // Grid index 325 + j is r = j / 100 nm in both plots. The potential ends at r = 3.5 nm and
    // enters from below where -144 / j eV first lies above -20 eV (j = 8), from j = 7 clamped.
    const auto [potLo, potHi] = xExtent(curveOf(pot));
    EXPECT_EQ(potLo, pot.XCoord(0.07));
    EXPECT_EQ(potHi, pot.XCoord(3.5));
    // The wave function starts at the origin, where it vanishes.
    const auto [psiLo, psiHi] = xExtent(curveOf(psi));
    EXPECT_EQ(psiLo, psi.XCoord(0));
    EXPECT_LE(psiHi, psi.XCoord(3.5));

    chooseRow(RowWell); // and back: both plots from -1.75 nm again
    EXPECT_EQ(xExtent(curveOf(pot)).first, pot.XCoord(-1.75));
    EXPECT_EQ(xExtent(curveOf(psi)).first, psi.XCoord(-1.75));
}

TEST_F(WindowTest, SymmetricWellDrawsTheLeftHalfAsTheMirrorOfTheRight) {
    chooseRow(RowSymmetricWell);
    for (bool even : {true, false}) {
        w->PMSymmetric->setCurrentIndex(even ? 0 : 1);
        pressFind();
        SCOPED_TRACE(even ? "even" : "odd");
        Graph& g = *w->Graph2;
        const double cx = g.GLeft + g.GWidth / 2.0; // x = 0
        const double cy = g.GTop + g.GHeight / 2.0; // psi = 0
        std::vector<QPointF> right, left;           // the curve's points, the centre left out
        for (const QLineF& l : curveOf(g))
            for (const QPointF& p : {l.p1(), l.p2()}) {
                if (p.x() > cx + 0.5) right.push_back(p);
                if (p.x() < cx - 0.5) left.push_back(p);
            }
        ASSERT_GT(right.size(), 100u);
        // Each point of one half has its image in the other, up to a pixel of rounding:
        // mirrored about x = 0, and for the odd solution also about psi = 0.
        auto unmatched = [&](const std::vector<QPointF>& from, const std::vector<QPointF>& to) {
            return std::count_if(from.begin(), from.end(), [&](const QPointF& p) {
                const QPointF image(2 * cx - p.x(), even ? p.y() : 2 * cy - p.y());
                return std::none_of(to.begin(), to.end(), [&](const QPointF& q) {
                    return std::abs(q.x() - image.x()) <= 1 && std::abs(q.y() - image.y()) <= 1;
                });
            });
        };
        EXPECT_EQ(unmatched(right, left), 0);
        EXPECT_EQ(unmatched(left, right), 0);
    }
}
