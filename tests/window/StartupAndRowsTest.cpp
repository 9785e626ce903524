// Start-up and the choice of potential: what the right-hand column shows for every row, the
// ranges of both plots and the lowest level found at once.
#include "WindowFixture.h"
#include "tests/common/RecordingDevice.h"

#include <algorithm>

namespace {

struct Group {
    QSlider* slider;
    QLabel* title;
    QLabel* left;
    QLabel* right;
};

std::array<Group, 3> groups(Window1& w) {
    return {Group{w.Slider1, w.STTitle1, w.STLeft1, w.STRight1},
            Group{w.Slider2, w.STTitle2, w.STLeft2, w.STRight2},
            Group{w.Slider3, w.STTitle3, w.STLeft3, w.STRight3}};
}

void expectGroupVisible(const Group& g, bool visible, const char* row, int n) {
    SCOPED_TRACE(testing::Message() << row << " group " << n);
    EXPECT_EQ(g.slider->isVisible(), visible);
    EXPECT_EQ(g.title->isVisible(), visible);
    EXPECT_EQ(g.left->isVisible(), visible);
    EXPECT_EQ(g.right->isVisible(), visible);
}

void expectGroup(const Group& g, int min, int max, int value, const char* title, const char* left,
                 const char* right) {
    SCOPED_TRACE(title);
    EXPECT_EQ(g.slider->minimum(), min);
    EXPECT_EQ(g.slider->maximum(), max);
    EXPECT_EQ(g.slider->value(), value);
    EXPECT_EQ(g.title->text(), title);
    EXPECT_EQ(g.left->text(), left);
    EXPECT_EQ(g.right->text(), right);
}

} // namespace

TEST_F(WindowTest, OpensOnTheLowestLevelOfAOneNanometreWell) {
    EXPECT_EQ(w->windowTitle(), "Wellscope");
    EXPECT_EQ(w->centralWidget()->size(), QSize(671, 469));
    EXPECT_EQ(w->minimumSize(), w->maximumSize()); // not resizable
    EXPECT_EQ(energyText(), ".30273417311");
    EXPECT_EQ(w->solver.Energy, 0.30273417311);
    EXPECT_EQ(w->PopupMenu1->currentText(), "Well");
    EXPECT_EQ(w->PopupMenu1->count(), 7);
    EXPECT_EQ(w->PBDraw->text(), "Draw ");
    EXPECT_EQ(w->PBFind->text(), "Find");
    EXPECT_EQ(w->STEquals->text(), "Energy =");
    EXPECT_EQ(w->StaticText2->text(), "eV");
    EXPECT_FALSE(w->PMSymmetric->isVisible());
    EXPECT_FALSE(w->StaticText1->isVisible());
    EXPECT_TRUE(w->solver.symmetric); // the parity follows "Symmetric" in the popup
    EXPECT_FALSE(w->beingChanged || w->BusyFindingEta || w->dragging || w->Drawing);
    auto g = groups(*w);
    expectGroupVisible(g[0], true, "Well", 1);
    expectGroupVisible(g[1], false, "Well", 2);
    expectGroupVisible(g[2], false, "Well", 3);
    expectGroup(g[0], 0, 350, 100, "Width = 1 nm", "0", "3.5");
    EXPECT_EQ(w->solver.PEGraph[450], 10);
    EXPECT_EQ(w->solver.PEGraph[451], 0);
    for (Graph* graph : {w->Graph1, w->Graph2}) {
        EXPECT_EQ(graph->size(), QSize(450, 204));
        EXPECT_EQ(graph->GXP->Width(), 450);
        EXPECT_EQ(graph->GXP->Height(), 204);
        EXPECT_EQ(graph->GXP->Depth(), 32);
        EXPECT_EQ(graph->focusPolicy(), Qt::NoFocus);
    }
    EXPECT_EQ(beeps, 0);
}

TEST_F(WindowTest, EveryRowShowsItsControlsRangesAndLowestLevel) {
    struct Expect {
        int row;
        bool visible[3];
        bool symmetricPopup;
        bool instructions;
    };
    const Expect rows[] = {
        {RowSymmetricWell, {true, true, false}, true, false},
        {RowUneven, {true, true, true}, false, false},
        {RowRamp, {true, true, false}, false, false},
        {RowOscillator, {true, false, false}, false, false},
        {RowHydrogen, {false, false, false}, false, false},
        {RowDraw, {false, false, false}, false, true},
        {RowWell, {true, false, false}, false, false},
    };
    for (const Expect& e : rows) {
        const QString textBefore = energyText();
        chooseRow(e.row);
        const QByteArray name = w->PopupMenu1->currentText().toUtf8();
        SCOPED_TRACE(name.constData());
        auto g = groups(*w);
        for (int i = 0; i < 3; ++i) expectGroupVisible(g[i], e.visible[i], name, i + 1);
        EXPECT_EQ(w->PMSymmetric->isVisible(), e.symmetricPopup);
        EXPECT_EQ(w->StaticText1->isVisible(), e.instructions);
        EXPECT_EQ(w->Drawing, e.row == RowDraw);
        EXPECT_FALSE(w->beingChanged);

        // The lowest level, as a fresh search on the same potential finds it.
        Solver oracle;
        switch (e.row) {
        case RowWell:
            expectGroup(g[0], 0, 350, 100, "Width = 1 nm", "0", "3.5");
            oracle.DrawWell(100);
            break;
        case RowSymmetricWell:
            expectGroup(g[0], 0, 350, 100, "Ctr to Ctr = 1 nm", "0", "3.5");
            expectGroup(g[1], 0, 100, 50, "Well Width = 0.5 nm", "0", "1");
            oracle.DrawDoubleWell(100, 50);
            oracle.symmetric = true;
            break;
        case RowUneven:
            expectGroup(g[0], 0, 350, 100, "Width = 1 nm", "0", "3.5");
            expectGroup(g[1], 0, 15, 10, "Left Height = 10 eV", "0", "15");
            expectGroup(g[2], 0, 15, 10, "Right Height = 10 eV", "0", "15");
            oracle.DrawUnevenWell(100, 10, 10);
            break;
        case RowRamp:
            expectGroup(g[0], 4, 100, 4, "Slope", "4", "inf");
            expectGroup(g[1], 0, 15, 10, "Height = 10 eV", "0", "15");
            oracle.DrawRamp(4, 10);
            break;
        case RowOscillator:
            expectGroup(g[0], 1, 20, 1, "Narrowness", "Wd", "Nw");
            oracle.DrawOscillator(0.001);
            break;
        case RowHydrogen:
            oracle.DrawHydrogen();
            break;
        case RowDraw:
            oracle.DrawFlat();
            oracle.fMaxE = 10;
            break;
        }
        const double from = e.row == RowHydrogen ? -13.6 : 0.01;
        QString expected = levelText(oracle, e.row, from);
        if (e.row == RowHydrogen) expected = Format(oracle.Energy, "-#.###########");
        if (e.row == RowDraw) {
            // A flat potential holds no level: the search beeps and the field keeps its text.
            EXPECT_TRUE(expected.isEmpty());
            EXPECT_EQ(beeps, 1);
            expected = textBefore;
        }
        EXPECT_FALSE(expected.isEmpty());
        EXPECT_EQ(energyText(), expected);
        EXPECT_EQ(w->solver.Energy, Val(energyText()));
        EXPECT_TRUE(std::equal(oracle.PEGraph.begin(), oracle.PEGraph.begin() + 1001,
                               w->solver.PEGraph.begin()));

        // Both plots: the potential in eV against nm, the wave function from -1 to 1.
        if (e.row == RowHydrogen) {
            EXPECT_LE(w->Graph1->XMin, -0.05);
            EXPECT_GE(w->Graph1->XMax, 3.55);
            EXPECT_EQ(w->Graph1->YMin, -20);
            EXPECT_EQ(w->Graph1->YMax, 0);
        } else {
            EXPECT_EQ(w->Graph1->XMin, -2);
            EXPECT_EQ(w->Graph1->XMax, 2);
            EXPECT_EQ(w->Graph1->YMin, 0);
            EXPECT_EQ(w->Graph1->YMax, 20);
        }
        if (e.row == RowHydrogen) {
            EXPECT_LE(w->Graph2->XMin, -0.05);
            EXPECT_GE(w->Graph2->XMax, 3.55);
        } else {
            EXPECT_EQ(w->Graph2->XMin, -2);
            EXPECT_EQ(w->Graph2->XMax, 2);
        }
        EXPECT_EQ(w->Graph2->YMin, -1);
        EXPECT_EQ(w->Graph2->YMax, 1);
    }
    EXPECT_EQ(beeps, 1);
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
    EXPECT_EQ(w->STTitle1->text(), "Ctr to Ctr = 0.3 nm");
    EXPECT_EQ(w->STTitle2->text(), "Well Width = 0.3 nm");
    Solver oracle;
    oracle.DrawDoubleWell(30, 30);
    EXPECT_TRUE(std::equal(oracle.PEGraph.begin(), oracle.PEGraph.begin() + 1001,
                           w->solver.PEGraph.begin()));
    EXPECT_EQ(energyText(), energy); // a slider keeps the energy shown

    w->PMSymmetric->setCurrentIndex(1);
    EXPECT_FALSE(w->solver.symmetric);
    EXPECT_EQ(w->solver.eta[0], 0); // the odd solution is zero at the centre
    chooseRow(RowWell);
    chooseRow(RowSymmetricWell);
    EXPECT_EQ(w->PMSymmetric->currentText(), "Anti-Symmetric");
    EXPECT_FALSE(w->solver.symmetric);
    EXPECT_EQ(w->solver.eta[0], 0);
}

TEST_F(WindowTest, RowChangesResetTheirSliders) {
    chooseRow(RowRamp);
    w->Slider1->setValue(50);
    chooseRow(RowWell);
    EXPECT_EQ(w->Slider1->minimum(), 0);
    EXPECT_EQ(w->Slider1->maximum(), 350);
    EXPECT_EQ(w->Slider1->value(), 100);
    chooseRow(RowRamp);
    EXPECT_EQ(w->Slider1->value(), 4);

    // A slider move rebuilds the potential at once and keeps the energy.
    chooseRow(RowWell);
    const QString energy = energyText();
    w->Slider1->setValue(0);
    EXPECT_EQ(w->STTitle1->text(), "Width = 0 nm");
    for (int i = 0; i <= 1000; ++i) ASSERT_EQ(w->solver.PEGraph[i], 10) << i;
    EXPECT_EQ(energyText(), energy);
}

TEST_F(WindowTest, GuardsKeepHalfConfiguredStateOutOfThePlots) {
    const auto before = w->solver.PEGraph;
    w->beingChanged = true;
    w->Slider1->setValue(200);
    EXPECT_EQ(w->solver.PEGraph, before);
    w->beingChanged = false;

    // While a search runs, the energy field only updates the energy.
    const QImage shown = picture(w->Graph1);
    w->BusyFindingEta = true;
    w->EFEnergy->setText("7");
    EXPECT_EQ(w->solver.Energy, 7);
    EXPECT_EQ(picture(w->Graph1), shown);
    w->BusyFindingEta = false;
}

namespace {

// The black line segments drawn inside a plot's frame: its curve.
std::vector<QLineF> curveOf(Graph& g) {
    RecordingDevice device(450, 204);
    {
        Graphics page(&device);
        g.PrintGraphOn(page);
    }
    const QRectF frame(g.GLeft, g.GTop, g.GWidth, g.GHeight);
    std::vector<QLineF> curve;
    for (const Recorded& item : device.OfKind(Recorded::Kind::Line)) {
        const bool inside = frame.adjusted(-0.5, -0.5, 0.5, 0.5).contains(item.line.p1()) &&
                            frame.adjusted(-0.5, -0.5, 0.5, 0.5).contains(item.line.p2());
        if (inside && item.pen == QColor(Qt::black)) curve.push_back(item.line);
    }
    return curve;
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

TEST_F(WindowTest, HydrogenPlotsAreShiftedToTheirOrigin) {
    chooseRow(RowHydrogen);
    Graph& pot = *w->Graph1;
    Graph& psi = *w->Graph2;
    // The potential runs from its origin at -0.05 nm to 3.45 nm; it enters the plot from
    // below, where -144 / j eV first lies above -20 eV (j = 8, x = 0.03 nm), starting from the
    // clamped point before it.
    const auto [potLo, potHi] = xExtent(curveOf(pot));
    EXPECT_EQ(potLo, pot.XCoord(0.02));
    EXPECT_EQ(potHi, pot.XCoord(3.45));
    // The wave function starts at its origin, x = 0.
    const auto [psiLo, psiHi] = xExtent(curveOf(psi));
    EXPECT_EQ(psiLo, psi.XCoord(0));
    EXPECT_LE(psiHi, psi.XCoord(3.5));

    chooseRow(RowWell); // and back: both plots from -1.75 nm again
    EXPECT_EQ(xExtent(curveOf(pot)).first, pot.XCoord(-1.75));
    EXPECT_EQ(xExtent(curveOf(psi)).first, psi.XCoord(-1.75));
}
