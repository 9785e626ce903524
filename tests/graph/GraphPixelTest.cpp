// A few checks on the picture's pixels, with content that draws no text.

#include "tests/graph/GraphSupport.h"

#include <gtest/gtest.h>

#include <QImage>

namespace {

std::unique_ptr<Graph> BareGraph() {
    return OpenGraph(232, 132, [](Graph& g) {
        g.SetXMajTix(false);
        g.SetXMinTix(false);
        g.SetYMajTix(false);
        g.SetYMinTix(false);
        g.DefineGraph(0, 200, 0, 100); // one pixel per unit, frame at (16, 16)
    });
}

QColor At(const Graph& g, int x, int y) {
    return g.GXP->Image().pixelColor(x, y);
}

} // namespace

TEST(GraphPixels, FrameCurveAndPoint) {
    auto g = BareGraph();
    g->DrawContent = [&] {
        g->CurveStart(50, 50);
        g->CurveTo(90, 50);
        g->DrawPoint(150, 20);
    };
    g->ReDrawAll();
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    EXPECT_EQ(At(*g, 16, 16), black);
    EXPECT_EQ(At(*g, 216, 116), black);
    EXPECT_EQ(At(*g, 216, 60), black);
    EXPECT_EQ(At(*g, 217, 60), white);
    EXPECT_EQ(At(*g, 17, 17), white);
    for (int x = 66; x <= 106; ++x) EXPECT_EQ(At(*g, x, 66), black) << x;
    EXPECT_EQ(At(*g, 65, 66), white);
    EXPECT_EQ(At(*g, 107, 66), white);
    EXPECT_EQ(At(*g, 166, 96), black); // centre of the dot
    EXPECT_EQ(At(*g, 166, 93), white); // the dot is 5 pixels across
    EXPECT_EQ(g->ScreenImage(), g->GXP->Image().convertToFormat(g->ScreenImage().format()));
}

TEST(GraphPixels, GridIsGreyAndFilledBarsKeepTheirColour) {
    auto g = BareGraph();
    g->SetGrid(true);
    g->DrawContent = [&] {
        g->SetColor({0, 128, 0});
        g->DrawBar(150, 50, 20);
        g->SetColor({0, 0, 0});
    };
    g->ReDrawAll();
    EXPECT_EQ(At(*g, 16 + 100, 40), QColor(180, 180, 180)); // x = 100
    EXPECT_EQ(At(*g, 166, 90), QColor(0, 128, 0));
    EXPECT_EQ(At(*g, 156, 90), QColor(Qt::black)); // the outline
    EXPECT_EQ(At(*g, 170, 66), QColor(Qt::black));
    EXPECT_EQ(At(*g, 170, 65), QColor(Qt::white));
}
