// The main window: start-up, rows, plots, the typed energy's red line and the mouse's edits.
#include "WindowFixture.h"

#include <QAccessible>
#include <QUndoStack>

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

// The rows of the potential plot's frame that the red energy line fills.
std::vector<int> redRows(const Graph& g, const QImage& image) {
    std::vector<int> rows;
    for (int y = g.GTop; y <= g.GTop + g.GHeight; ++y) {
        int red = 0;
        for (int x = g.GLeft; x <= g.GLeft + g.GWidth; ++x) red += image.pixel(x, y) == 0xffff0000;
        if (red > g.GWidth / 2) rows.push_back(y);
    }
    return rows;
}

// The pixel column at which a click lands on handle k (k - 175 hundredths of a nanometre).
int columnOfHandle(Graph& g, int k) {
    for (int x = g.GLeft; x <= g.GLeft + g.GWidth; ++x)
        if (static_cast<int>(g.XToVal(x) * 100 + 175) == k) return x;
    ADD_FAILURE() << "no column for handle " << k;
    return g.GLeft;
}

void press(Graph* g, int x, int y) {
    QTest::mousePress(g, Qt::LeftButton, {}, QPoint(x, y));
}
void release(Graph* g, int x, int y) {
    QTest::mouseRelease(g, Qt::LeftButton, {}, QPoint(x, y));
}
void click(Graph* g, int x, int y) {
    press(g, x, y);
    release(g, x, y);
}

} // namespace

TEST_F(WindowTest, OpensOnAWellAndEveryRowShowsItsControls) {
    EXPECT_EQ(w->centralWidget()->size(), QSize(671, 469));
    EXPECT_EQ(energyText(), ".30273417311"); // the lowest level of the 1 nm well
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

    // A row change resets the sliders it sets up.
    chooseRow(RowRamp);
    w->Slider1->setValue(50);
    chooseRow(RowWell);
    EXPECT_EQ(w->Slider1->value(), 100);
}

TEST_F(WindowTest, HydrogenPlotsPutTheOriginAtZeroInBoth) {
    chooseRow(RowHydrogen);
    Graph& pot = *w->Graph1;
    Graph& psi = *w->Graph2;
    // r = j / 100 nm; -144 / j eV enters the plot at j = 8, drawn from j = 7, up to 3.5 nm.
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
    Graph& g = *w->Graph2;
    const double cx = g.GLeft + g.GWidth / 2.0, cy = g.GTop + g.GHeight / 2.0; // x = 0, psi = 0
    for (bool even : {true, false}) {
        w->PMSymmetric->setCurrentIndex(even ? 0 : 1);
        pressFind();
        // Each right point's image within a pixel on the left: about x = 0 (and psi = 0 if odd).
        std::vector<QPointF> right, left;
        for (const QLineF& l : curveOf(g))
            for (const QPointF& p : {l.p1(), l.p2()})
                (p.x() > cx + 0.5 ? right : left).push_back(p);
        ASSERT_GT(right.size(), 100u);
        for (const QPointF& p : right) {
            const QPointF image(2 * cx - p.x(), even ? p.y() : 2 * cy - p.y());
            ASSERT_TRUE(std::any_of(left.begin(), left.end(),
                                    [&](const QPointF& q) {
                                        return std::abs(q.x() - image.x()) <= 1 &&
                                               std::abs(q.y() - image.y()) <= 1;
                                    }))
                << even << " " << p.x() << "," << p.y();
        }
    }
}

TEST_F(WindowTest, TypedEnergyMovesTheRedLineAndReturnDrawsAtIt) {
    Graph& g = *w->Graph1;
    const int groundLasti = w->solver.lasti;
    typeEnergy("5");
    EXPECT_EQ(redRows(g, picture(&g)), std::vector<int>{g.YCoord(5)});
    EXPECT_TRUE(w->Graph2->GetSString(w->Graph2->Title).endsWith("Solution for Energy = 5 eV"));
    EXPECT_EQ(w->solver.lasti, groundLasti); // typing alone does not integrate
    typeEnergy("25");                        // above the plot: along its top edge
    EXPECT_EQ(redRows(g, picture(&g)), std::vector<int>{g.GTop});
    typeEnergy("-3");
    EXPECT_EQ(redRows(g, picture(&g)), std::vector<int>{g.GTop + g.GHeight});

    typeEnergy("1.5");
    QTest::keyClick(w->EFEnergy, Qt::Key_Return);
    Solver oracle;
    oracle.DrawWell(100);
    oracle.Energy = 1.5;
    oracle.DrawEta(RowWell);
    EXPECT_EQ(w->solver.lasti, oracle.lasti);
    EXPECT_EQ(w->solver.NCrossings, oracle.NCrossings);
}

TEST_F(WindowTest, DraggingAHandleMovesItAndItsMirrorAndCursorsFollowThePointer) {
    chooseRow(RowSymmetricWell); // handles at 100 and 250 on the outer walls (10 eV)
    Graph* g = w->Graph1;
    w->Graph1_MouseEnter();
    EXPECT_EQ(w->cursor().shape(), Qt::CrossCursor);
    const int x = columnOfHandle(*g, 100);
    w->Graph1_MouseMove(x, g->YCoord(10));
    EXPECT_EQ(w->cursor().shape(), Qt::SizeVerCursor);
    w->Graph1_MouseMove(x, g->YCoord(3));
    EXPECT_EQ(w->cursor().shape(), Qt::CrossCursor);
    press(g, x, g->YCoord(10));
    EXPECT_TRUE(w->dragging);
    EXPECT_EQ(w->permX, 100);
    EXPECT_EQ(w->cursor().shape(), Qt::SizeVerCursor);

    const int y = g->YCoord(15);
    QMouseEvent move(QEvent::MouseMove, QPointF(x, y), g->mapToGlobal(QPointF(x, y)), Qt::NoButton,
                     Qt::LeftButton, {});
    QApplication::sendEvent(g, &move);
    // Grey feedback on the screen only; the picture and the potential wait for the drop.
    const QImage screen = g->ScreenImage().convertToFormat(QImage::Format_RGB32);
    const auto* pixels = reinterpret_cast<const QRgb*>(screen.constBits());
    EXPECT_GT(std::count(pixels, pixels + screen.width() * screen.height(), qRgb(100, 100, 100)),
              5);
    EXPECT_EQ(w->solver.Points[100], 10);

    release(g, x, y);
    EXPECT_FALSE(w->dragging);
    const double v = g->YToVal(y);
    const Solver& s = w->solver;
    EXPECT_EQ(std::tuple(s.Points[100], s.Points[250], s.PEGraph[425], s.PEGraph[575]),
              std::tuple(v, v, v, v));
    EXPECT_EQ(w->cursor().shape(), Qt::CrossCursor);
    w->Graph1_MouseExit();
    EXPECT_EQ(w->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(WindowTest, OutsideTheFrameOrInOscillatorAndHydrogenNothingIsPickedOrCreated) {
    Graph* g = w->Graph1;
    const int centre = g->GLeft + g->GWidth / 2;
    const int middle = g->GTop + g->GHeight / 2;
    auto expectNoEdit = [&](QPoint at) {
        const auto points = w->solver.Points;
        const auto pe = w->solver.PEGraph;
        click(g, at.x(), at.y());
        EXPECT_FALSE(w->dragging);
        EXPECT_EQ(w->solver.Points, points) << at.x() << "," << at.y();
        EXPECT_EQ(w->solver.PEGraph, pe);
    };
    for (int row : {RowOscillator, RowHydrogen}) {
        chooseRow(row);
        expectNoEdit({centre, middle});
    }
    // Above, left of and right of the frame a press is no edit, not one at the centre at 0 eV.
    chooseRow(RowDraw);
    for (const QPoint at : {QPoint(centre, g->GTop - 2), QPoint(g->GLeft - 5, middle),
                            QPoint(g->GLeft + g->GWidth + 3, middle)})
        expectNoEdit(at);
    // A handle dropped above or below the frame lands on its edge: 20 eV or 0 eV.
    chooseRow(RowSymmetricWell);
    const int x = columnOfHandle(*g, 100);
    for (const auto& [y, level] : {std::pair{-30, 20.0}, std::pair{g->height() + 30, 0.0}}) {
        press(g, x, g->YCoord(w->solver.Points[100]));
        ASSERT_TRUE(w->dragging);
        release(g, x, y);
        EXPECT_EQ(std::pair(w->solver.Points[100], w->solver.Points[250]), std::pair(level, level));
    }
}

TEST_F(WindowTest, DrawRowClicksMakeHandlesAndADroppedEndMovesTheArrowBeyondIt) {
    Graph* g = w->Graph1;
    // The red arrow beyond the left (-1) or right (+1) end at `level`: shaft and head's barbs.
    auto arrow = [&](int side, double level) {
        const QImage image = picture(g);
        auto red = [&](double x, double v) {
            return image.pixel(g->XCoord(side * x), g->YCoord(v)) == qRgb(255, 0, 0);
        };
        return red(1.8, level) && red(1.89, level) && red(1.85, level + 0.5) &&
               red(1.85, level - 0.5);
    };
    EXPECT_FALSE(arrow(-1, 10) || arrow(1, 10)); // only the Draw row has them
    chooseRow(RowDraw);
    EXPECT_TRUE(arrow(-1, 10) && arrow(1, 10));
    // A click makes a handle and its dot; the wave function waits for Draw.
    const auto feta = w->solver.feta;
    const int y = g->YCoord(15);
    click(g, columnOfHandle(*g, 225), y);
    EXPECT_FALSE(w->dragging);
    const double v = g->YToVal(y);
    EXPECT_NEAR(v, 15, 0.1);
    EXPECT_EQ(w->solver.Points[225], v);
    EXPECT_EQ(picture(g).pixel(g->XCoord(0.5), y), qRgb(0, 0, 0));
    EXPECT_EQ(w->solver.feta, feta);
    typeEnergy("12"); // above the flat 10 eV, below the new peak
    pressDraw();
    EXPECT_NE(w->solver.feta, feta);

    // The left end (pinned by the click) dropped at 15 eV: the arrow, curve and dot follow.
    const int x = columnOfHandle(*g, 0);
    press(g, x, g->YCoord(10));
    ASSERT_TRUE(w->dragging);
    release(g, x, y);
    EXPECT_EQ(w->solver.Points[0], v);
    EXPECT_TRUE(arrow(-1, v) && arrow(1, 10));
    const std::vector<QLineF> curve = curveOf(*g);
    ASSERT_FALSE(curve.empty());
    EXPECT_EQ(curve.front().p1(), QPointF(g->XCoord(-1.75), g->YCoord(v)));
    // The handle's dot shows between the arms of the red cross on it.
    EXPECT_EQ(picture(g).pixel(g->XCoord(-1.75) - 1, g->YCoord(v) - 1), qRgb(0, 0, 0));
}

TEST_F(WindowTest, UndoAndRedoRestoreTheTextSlidersHandlesAndPicturesAndPlotsNeverGoStale) {
    struct Shown {
        QString energy, titles;
        std::vector<int> sliders;
        std::array<double, HandleLast + 1> handles;
        QImage potential, psi;
        bool operator==(const Shown&) const = default;
    };
    auto shown = [this] {
        const bool two = w->Slider2->isVisible(); // hidden controls keep what they had
        return Shown{
            energyText(),
            w->STTitle1->text() + (two ? w->STTitle2->text() : QString()) +
                (w->PMSymmetric->isVisible() ? w->PMSymmetric->currentText() : QString()),
            {w->Slider1->value(), two ? w->Slider2->value() : 0, two ? w->Slider2->maximum() : 0},
            w->solver.Points,
            picture(w->Graph1),
            picture(w->Graph2)};
    };
    std::vector<Shown> states{shown()};
    Graph* g = w->Graph1;
    auto act = [&](auto&& action) {
        action();
        states.push_back(shown());
        EXPECT_FALSE(states.back() == states[states.size() - 2]);
    };
    act([&] { chooseRow(RowSymmetricWell); });
    act([&] { w->Slider1->setValue(80); }); // the wells' width follows it down
    act([&] { w->PMSymmetric->setCurrentIndex(1); });
    act([&] { pressFind(); });
    act([&] { click(g, columnOfHandle(*g, 60), g->YCoord(4)); }); // a handle and its mirror
    // The drop re-solves at the energy shown: the psi plot is the new potential's at once.
    const QImage before = picture(w->Graph2);
    act([&] {
        press(g, columnOfHandle(*g, 60), g->YCoord(4));
        release(g, columnOfHandle(*g, 60), g->YCoord(12));
    });
    EXPECT_NE(picture(w->Graph2), before);
    const QImage fresh = picture(w->Graph2);
    pressDraw();
    EXPECT_EQ(picture(w->Graph2), fresh);    // Draw has nothing left to bring up to date
    act([&] { w->Slider1->setValue(100); }); // the row's own potential again
    QUndoStack& stack = *w->model().UndoStack();
    for (int i = int(states.size()) - 2; i >= 0; --i) {
        stack.undo();
        EXPECT_TRUE(shown() == states[std::size_t(i)]) << "undo to " << i;
    }
    for (std::size_t i = 1; i < states.size(); ++i) {
        stack.redo();
        EXPECT_TRUE(shown() == states[i]) << "redo to " << i;
    }
}

TEST_F(WindowTest, AResizedWindowGivesThePlotsTheRoomAndRightToLeftMirrorsIt) {
    const QRect find = w->PBFind->geometry(), plot = w->Graph2->geometry();
    EXPECT_EQ(std::pair(find, plot), std::pair(QRect(524, 328, 119, 20), QRect(5, 243, 450, 204)));
    w->resize(w->width() + 200, w->height() + 100);
    QApplication::sendPostedEvents();
    EXPECT_EQ(w->PBFind->geometry(), find.translated(200, 0)); // the controls keep to the right
    EXPECT_EQ(w->Graph2->geometry(), QRect(5, 293, 650, 254));
    const Graph& g = *w->Graph2;
    EXPECT_EQ(std::pair(g.GXP->Width(), g.GXP->Height()), std::pair(650, 254));
    // The potential spans the larger frame: the picture was made anew and redrawn.
    Graph& p = *w->Graph1;
    const auto [left, right] = xExtent(curveOf(p));
    EXPECT_EQ(std::pair(int(left), int(right)), std::pair(p.XCoord(-1.75), p.XCoord(1.75)));
    EXPECT_GT(p.GWidth, 500);
    w->setLayoutDirection(Qt::RightToLeft);
    QApplication::sendPostedEvents();
    EXPECT_EQ(w->Graph2->x(), w->centralWidget()->width() - 5 - 650);
    EXPECT_EQ(w->PBFind->x(), w->centralWidget()->width() - find.right() - 1 - 200);
}

TEST_F(WindowTest, TabGoesInReadingOrderAndEveryControlAndPlotSaysWhatItIs) {
    chooseRow(RowSymmetricWell);
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    w->PopupMenu1->setFocus();
    std::vector<QWidget*> order{QApplication::focusWidget()};
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order.push_back(QApplication::focusWidget());
    }
    EXPECT_EQ(order, (std::vector<QWidget*>{w->PopupMenu1, w->Slider1, w->Slider2, w->PMSymmetric,
                                            w->EFEnergy, w->PBDraw, w->PBFind}));
    for (QWidget* c : order) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c);
        EXPECT_FALSE(a->text(QAccessible::Name).trimmed().isEmpty())
            << c->metaObject()->className();
    }
    EXPECT_EQ(w->Slider2->toolTip(), "0.5 nm"); // the value and its unit
    chooseRow(RowWell);
    QAccessibleInterface* potential = QAccessible::queryAccessibleInterface(w->Graph1);
    EXPECT_EQ(potential->text(QAccessible::Name), "Potential plot");
    EXPECT_EQ(potential->text(QAccessible::Description),
              "Potential: Well, width 1 nm; trial energy 0.30273 eV");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(w->Graph2)->text(QAccessible::Description),
              "Wave function at 0.30273 eV, 0 nodes where the energy lies above the potential");
    chooseRow(RowRamp); // the slope's title shows no value; its tip does
    EXPECT_EQ(std::pair(w->STTitle1->text(), w->Slider1->toolTip()),
              std::pair(QString("Slope"), QString("4 eV/nm")));
}
