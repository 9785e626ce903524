// What the Graph draws, recorded by a paint device: ticks, numbers, power notes, grid and zero
// lines, labels, formatted strings and plot primitives. Positions that depend on text are
// computed from the font metrics. (The window tests check the pixels of real plots.)

#include "tests/graph/GraphSupport.h"

#include <gtest/gtest.h>

namespace {

void NoYTicks(Graph& g) {
    g.SetYMajTix(false);
    g.SetYMinTix(false);
}

} // namespace

TEST(GraphDraw, TicksNumbersAndPowerNotes) {
    auto g = OpenGraph(432, 200, NoYTicks); // a 400-pixel frame from 16
    Recording ticks(*g);
    g->DefineGraph(0, 10, 0, 1);
    const int bottom = g->GTop + g->GHeight;
    const QStringList all = ticks.Drawn();
    Metrics m("Helvetica", 9);
    for (int k = 0; k <= 50; ++k) { // minor ticks 3 pixels long, labelled ones 5, every 0.2
        const int px = 16 + 8 * k;
        const bool major = k % 5 == 0;
        EXPECT_TRUE(all.contains(
            QString("line %1,%2 %1,%3").arg(px).arg(bottom).arg(bottom + 3 + 2 * major)))
            << k;
        const QString n = QString::number(k / 5);
        const int x = px - qRound(m.g.StringWidth(n) / 2);
        EXPECT_EQ(all.contains(QString("text %1 %2,%3 9").arg(n).arg(x).arg(bottom + 15)), major)
            << k;
    }
    // Without minor ticks only the labelled ones; minor ticks alone still bring labelled ones.
    const std::tuple<bool, bool, int, int> bits[] = {
        {true, true, 51, 11}, {true, false, 11, 11}, {false, true, 51, 11}, {false, false, 0, 0}};
    for (auto [major, minor, lines, texts] : bits) {
        g->SetXMajTix(major);
        g->SetXMinTix(minor);
        ticks.Clear();
        g->ReDrawAll();
        EXPECT_EQ(ticks.Drawn("line").size(), lines) << major << minor;
        EXPECT_EQ(ticks.Drawn("text").size(), texts) << major << minor; // no power note
    }

    // "x10^3" in bold, its power round(0.72 x 9) high, centred under the last number.
    auto x = OpenGraph(432, 200, NoYTicks);
    Recording rec(*x);
    x->DefineGraph(0, 20000, 0, 1);
    ASSERT_TRUE(rec.Text("20") && rec.Text("x10") && rec.Text("3"));
    const int last = x->GLeft + x->GWidth;
    Metrics bold("Helvetica", 9, true), small("Helvetica", 6, true);
    EXPECT_TRUE(rec.Text("x10")->font.bold() && rec.Text("3")->font.pixelSize() == 6);
    const int width = bold.Width("x10") + small.Width("3");
    EXPECT_EQ(rec.Text("x10")->at, QPointF(last - qRound(width / 2.0), bottom + 25));
    EXPECT_EQ(rec.Text("3")->at, QPointF(rec.Text("x10")->at.x() + bold.Width("x10"), bottom + 22));
}

TEST(GraphDraw, GridAndZeroLines) {
    auto g = OpenGraph(432, 200);
    g->SetGrid(true);
    Recording rec(*g);
    g->DefineGraph(0, 10, -1, 1);
    // Grey lines at the labelled ticks, one pixel short of the frame, none on its edges.
    const int top = g->GTop, bottom = top + g->GHeight, left = g->GLeft, right = left + g->GWidth;
    QStringList want;
    for (int x = 1; x <= 9; ++x)
        want << QString("line %1,%2 %1,%3 #b4b4b4").arg(g->XCoord(x)).arg(bottom - 1).arg(top + 1);
    for (double y : {-0.5, 0.0, 0.5})
        want << QString("line %1,%2 %3,%2 #b4b4b4").arg(left + 1).arg(g->YCoord(y)).arg(right - 1);
    EXPECT_EQ(rec.Drawn().filter("#b4b4b4"), want);
    auto bare = OpenGraph(300, 200, NoTicks); // without ticks the grid meets the frame
    bare->SetGrid(true);
    Recording bareRec(*bare);
    bare->DefineGraph(0, 10, 0, 1);
    EXPECT_EQ(bareRec.Drawn("line").front(),
              QString("line %1,184 %1,16 #b4b4b4").arg(bare->XCoord(2)));

    // Zero lines in black, only where zero lies inside; the owner's colour is kept.
    auto z = OpenGraph(300, 200, NoTicks);
    z->SetXZeroLn(true);
    z->SetYZeroLn(true);
    Recording zero(*z);
    z->SetColor({0, 0, 255});
    z->DefineGraph(-5, 5, -1, 1);
    EXPECT_EQ(zero.Drawn("line"), QStringList({"line 150,184 150,16", "line 16,100 284,100"}));
    EXPECT_EQ(z->GX->ForeColor(), (Color{0, 0, 255}));
    zero.Clear();
    z->DefineGraph(0, 5, 0, 1);
    EXPECT_TRUE(zero.Drawn("line").isEmpty());
}

TEST(GraphDraw, TitleLabelsAndYNumbersSizeTheMargins) {
    auto g = OpenGraph(450, 204);
    g->SetTitle("Potential");
    g->SetXLabel("x (nm)");
    g->SetYLabel("V");
    Recording rec(*g);
    g->DefineGraph(-1.8, 1.8, 0, 20000);
    Metrics m("Helvetica", 10), tick("Helvetica", 9), small("Helvetica", 6, true);
    const int h = m.Height(), cx = g->GLeft + qRound(g->GWidth / 2.0);
    // Above the frame the title, below it ticks, numbers and the x label, left of it the widest
    // y number and the y label.
    EXPECT_EQ(g->GTop, h + 16);
    EXPECT_EQ(g->GHeight, 204 - g->GTop - (h + 8 + 14 + 8));
    EXPECT_EQ(g->GLeft, m.Width("V") + tick.Width("20") + 8 + 8 + 8);
    ASSERT_TRUE(rec.Text("Potential") && rec.Text("x (nm)") && rec.Text("V") && rec.Text("20"));
    // Y numbers are right-aligned 7 pixels left of the frame; the power note sits below the top.
    EXPECT_EQ(rec.Text("20")->at, QPointF(g->GLeft - 7 - tick.Width("20"), g->YCoord(2e4) + 3));
    ASSERT_TRUE(rec.Text("x10") && rec.Text("3"));
    EXPECT_EQ(rec.Text("3")->at.x() + small.Width("3"), g->GLeft - 7);
    EXPECT_EQ(rec.Text("x10")->at.y(), g->GTop + 13);
    // Anchor 5 on a one-line block: centred, baseline half a line below the point, less 2.
    EXPECT_EQ(rec.Text("Potential")->at,
              QPointF(cx - qRound(m.Width("Potential") / 2.0), g->GTop - 8 - 2));
    EXPECT_EQ(rec.Text("x (nm)")->at, QPointF(cx - qRound(m.Width("x (nm)") / 2.0),
                                              g->GTop + g->GHeight + 22 + 2 * qRound(h / 2.0) - 2));
    const int yBase = g->GLeft - g->zYTickWidth() - 16;
    EXPECT_LE(std::abs(rec.Text("V")->at.x() + m.Width("V") - yBase), 1);
    EXPECT_EQ(rec.Text("V")->at.y(), g->GTop + qRound(g->GHeight / 2.0) + qRound(h / 2.0) - 2);
}

TEST(GraphString, PlainMarkupOnTwoLines) {
    // Encoded first, so that anchor 5 centres each line and the block on the point (the
    // anchors' arithmetic: see the markup tests).
    auto g = OpenGraph(300, 200);
    Recording rec(*g);
    Metrics m("Helvetica", 10);
    EXPECT_EQ(rec.By([&] { g->DrawSString("a|bbb", 100, 100, 5); }),
              QString("text a %1,98 10; text bbb %2,%3 10")
                  .arg(100 - qRound(m.Width("a") / 2.0))
                  .arg(100 - qRound(m.Width("bbb") / 2.0))
                  .arg(98 + m.Height()));
}

// What each primitive draws on a frame of one pixel per unit at (16, 16) for 0 ... 200 by
// 0 ... 100, and whether it reports a value outside the axes.
TEST(GraphPrimitive, MarkersCurvesArrowsBarsAndErrorBars) {
    using Case = std::tuple<std::function<void(Graph&)>, QString, bool>;
    // Markers centred on pixel (116, 66); 0 and any number but 1 ... 9 is the filled dot.
    const char* shapes[] = {"disc 114,64 4x4",
                            "oval 114,64 4x4",
                            "fill 114,64 5x5",
                            "fill 114,64 4x1; fill 114,67 4x1; fill 114,64 1x4; fill 117,64 1x4",
                            "line 114,64 118,68; line 114,68 118,64",
                            "line 116,63 116,69; line 113,66 119,66",
                            "oval 113,63 6x6; line 114,64 118,68; line 114,68 118,64",
                            "oval 113,63 6x6; line 116,63 116,69; line 113,66 119,66",
                            "fill-poly 112,63 116,70 120,63",
                            "poly 113,64 116,69 119,64",
                            "disc 114,64 4x4"};
    std::vector<Case> cases;
    for (int s = 0; s <= 10; ++s)
        cases.push_back({[s](Graph& g) { g.DrawShape(100, 50, s); }, shapes[s], false});
    const Case more[] = {
        {[](Graph& g) { g.DrawShape(100, 101, 2); }, "", true},
        {[](Graph& g) { g.DrawPoint(0, 0); }, "disc 14,114 4x4", false},
        {[](Graph& g) { g.DrawPoint(-0.01, 0); }, "", true},
        // Segments with an end outside are left out; the pen moves on.
        {[](Graph& g) {
             g.CurveStart(0, 50);
             for (auto [x, y] : {std::pair{20, 80}, {30, 120}, {40, 150}, {50, 80}})
                 g.CurveTo(x, y);
             g.CurveTo(60, 50);
             EXPECT_EQ(QPoint(g.PrevCurvH, g.PrevCurvV), QPoint(76, 66));
         },
         "line 16,66 36,36; line 56,16 66,36; line 66,36 76,66", true},
        {[](Graph& g) { g.DrawVector(50, 50, 40, 0); },
         "line 66,66 106,66; fill-poly 106,66 96,61 96,71", false},
        {[](Graph& g) { g.DrawVector(50, 50, 0, 40); },
         "line 66,66 66,26; fill-poly 66,26 61,36 71,36", false},
        {[](Graph& g) { g.DrawVector(50, 50, 15, 0); },
         "line 66,66 81,66; fill-poly 81,66 73,62 73,70", false},
        {[](Graph& g) { g.DrawVector(50, 50, 8, 0); }, "line 66,66 74,66", false}, // no head
        {[](Graph& g) { g.DrawVector(50, 50, 2, 0); }, "", false},
        {[](Graph& g) { g.DrawVector(190, 50, 40, 0); }, "line 206,66 216,66", true}, // tip outside
        // A black bar is outlined; another colour fills it and outlines it in black.
        {[](Graph& g) { g.DrawBar(50, 30, 20); },
         "fill 56,86 21x1; fill 56,116 21x1; fill 56,86 1x31; fill 76,86 1x31", false},
        {[](Graph& g) {
             g.SetColor({255, 0, 0});
             g.DrawBar(50, 30, 2);
             EXPECT_EQ(g.GX->ForeColor(), (Color{255, 0, 0}));
             g.SetColor(g.CBlack);
         },
         "fill 65,86 3x31 #ff0000; fill 65,86 3x1; fill 65,116 3x1; fill 65,86 1x31; fill 67,86 "
         "1x31",
         false},
        {[](Graph& g) { g.DrawBar(50, 30, 0); }, "", false},
        {[](Graph& g) { g.DrawBar(50, 0, 20); }, "", false},
        // Error bars: an end outside is clamped to the frame and loses its cap.
        {[](Graph& g) { g.DrawXUBar(100, 50, 10, 20); },
         "line 96,69 96,63; line 126,69 126,63; line 96,66 126,66", false},
        {[](Graph& g) { g.DrawXUBar(195, 50, 10, 5); }, "line 206,69 206,63; line 206,66 216,66",
         true},
        {[](Graph& g) { g.DrawXUBar(300, 50, 10, 20); }, "", true}, // wholly beyond the edge
        {[](Graph& g) { g.DrawXUBar(100, 50, 500, 500); }, "line 16,66 216,66", true},
        {[](Graph& g) { g.DrawXUBar(100, 150, 1, 1); }, "", true},
        {[](Graph& g) { g.DrawYUBar(100, 50, 10, 20); },
         "line 119,86 113,86; line 119,56 113,56; line 116,86 116,56", false},
        {[](Graph& g) { g.DrawYUBar(100, 50, 100, 100); }, "line 116,116 116,16", true}};
    cases.insert(cases.end(), std::begin(more), std::end(more));
    auto g = OpenGraph(232, 132, NoTicks);
    g->DefineGraph(0, 200, 0, 100);
    Recording rec(*g);
    for (std::size_t i = 0; i < cases.size(); ++i) {
        g->RErr = false;
        EXPECT_EQ(rec.By([&] { std::get<0>(cases[i])(*g); }), std::get<1>(cases[i])) << i;
        EXPECT_EQ(g->RErr, std::get<2>(cases[i])) << i;
    }
}
