// Reshaping the potential with the mouse on the potential plot.
#include "WindowFixture.h"

#include <algorithm>
#include <tuple>
#include <utility>

namespace {

// The pixel column at which a click lands on handle k: XToVal gives k - 175 hundredths of
// a nanometre there, give or take the truncation of the handle index.
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

TEST_F(WindowTest, AClickCreatesAHandleAndLeavesTheWaveFunctionUntilDraw) {
    chooseRow(RowDraw);
    const auto feta = w->solver.feta;
    Graph* g = w->Graph1;
    const int x = columnOfHandle(*g, 225);
    const int y = g->YCoord(15);
    click(g, x, y);
    EXPECT_FALSE(w->dragging);
    const double v = g->YToVal(y);
    EXPECT_NEAR(v, 15, 0.1);
    EXPECT_EQ(w->solver.Points[225], v);
    EXPECT_EQ(w->solver.Points[0], 10); // the ends are pinned to the levels beyond them
    EXPECT_EQ(w->solver.PEGraph[325 + 225], v);
    EXPECT_EQ(picture(g).pixel(g->XCoord(0.5), g->YCoord(v)), qRgb(0, 0, 0)); // its dot
    EXPECT_EQ(w->solver.feta, feta);
    typeEnergy("12"); // above the flat 10 eV, below the new peak
    pressDraw();
    EXPECT_NE(w->solver.feta, feta);
}

TEST_F(WindowTest, DraggingAHandleMovesItAndItsMirror) {
    chooseRow(RowSymmetricWell); // handles at 100 and 250 on the outer walls (10 eV)
    ASSERT_EQ(w->solver.Points[100], 10);
    ASSERT_EQ(w->solver.Points[250], 10);
    Graph* g = w->Graph1;
    const int x = columnOfHandle(*g, 100);
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
    // The title above, the tick numbers to the left, the axis label below: the mapping has no
    // value there, and a press must not read that as the centre at 0 eV.
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

TEST_F(WindowTest, DrawRowArrowsShowTheLevelsBeyondTheWindow) {
    Graph* g = w->Graph1;
    // The red arrow beyond the left (-1) or right (+1) end at `level`: a shaft from 1.75 to
    // 1.9 nm, its head back to 1.85 nm at 0.5 eV above and below.
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

    // Dragging the left end to 15 eV moves the level beyond it: the arrow, the curve's first
    // point and the dot all sit at the dropped value, and the search stays below both levels.
    const int middle = columnOfHandle(*g, 175);
    click(g, middle, g->YCoord(5)); // a click pins the ends: handle 0 now exists
    const int x = columnOfHandle(*g, 0);
    press(g, x, g->YCoord(10));
    ASSERT_TRUE(w->dragging);
    release(g, x, g->YCoord(15));
    const double v = w->solver.Points[0];
    EXPECT_NEAR(v, 15, 0.1);
    EXPECT_EQ(std::pair(w->solver.PEGraph[0], w->solver.PEGraph[325]), std::pair(v, v));
    EXPECT_EQ(w->solver.fMaxE, 10);
    EXPECT_TRUE(arrow(-1, v) && arrow(1, 10));
    const std::vector<QLineF> curve = curveOf(*g);
    ASSERT_FALSE(curve.empty());
    EXPECT_EQ(curve.front().p1(), QPointF(g->XCoord(-1.75), g->YCoord(v)));
    // The handle's dot shows between the arms of the red cross on it.
    EXPECT_EQ(picture(g).pixel(g->XCoord(-1.75) - 1, g->YCoord(v) - 1), qRgb(0, 0, 0));
}

TEST_F(WindowTest, CursorsFollowThePointer) {
    Graph* g = w->Graph1;
    w->Graph1_MouseEnter();
    EXPECT_EQ(w->cursor().shape(), Qt::CrossCursor);
    w->Graph1_MouseMove(columnOfHandle(*g, 125), g->YCoord(10)); // the well's left corner
    EXPECT_EQ(w->cursor().shape(), Qt::SizeVerCursor);
    w->Graph1_MouseMove(columnOfHandle(*g, 60), g->YCoord(3));
    EXPECT_EQ(w->cursor().shape(), Qt::CrossCursor);
    w->Graph1_MouseExit();
    EXPECT_EQ(w->cursor().shape(), Qt::ArrowCursor);
}
