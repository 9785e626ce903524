// The structure of what the Graph draws, recorded by a paint device: frame, ticks, numbers,
// power notes, grid and zero lines, labels, formatted strings and every plot primitive.
// Positions that depend on text are computed from the font metrics.

#include "tests/graph/GraphSupport.h"

#include <gtest/gtest.h>

namespace {

void NoYTicks(Graph& g) {
    g.SetYMajTix(false);
    g.SetYMinTix(false);
}

// A frame 200 x 100 pixels at (16, 16) for 0 ... 200 by 0 ... 100: one pixel per unit.
std::unique_ptr<Graph> UnitGraph() {
    auto g = OpenGraph(232, 132, NoTicks);
    g->DefineGraph(0, 200, 0, 100);
    return g;
}

} // namespace

TEST(GraphDraw, FrameTicksAndNumbers) {
    auto g = OpenGraph(300, 200, NoTicks);
    {
        Recording rec(*g);
        g->DefineGraph(0, 1, 0, 1);
        // The frame's lines lie on the mapped edges.
        EXPECT_EQ(rec.Drawn("fill"),
                  QStringList({"fill 0,0 300x200 #ffffff", "fill 16,16 269x1", "fill 16,184 269x1",
                               "fill 16,16 1x169", "fill 284,16 1x169"}));
        EXPECT_EQ(g->XCoord(1), 284);
        EXPECT_EQ(g->YCoord(0), 184);
    }
    g = OpenGraph(432, 200, NoYTicks); // a 400-pixel frame from 16
    Recording ticks(*g);
    g->DefineGraph(0, 10, 0, 1);
    ASSERT_EQ(g->GWidth, 400);
    const int bottom = g->GTop + g->GHeight;
    const QStringList all = ticks.Drawn();
    Metrics m("Helvetica", 9);
    for (int k = 0; k <= 50; ++k) {
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
    EXPECT_EQ(ticks.Drawn("line").size(), 51);
    EXPECT_EQ(ticks.Drawn("text").size(), 11); // no power note

    // Without minor ticks only the labelled ones; minor ticks alone still bring labelled ones.
    const std::tuple<bool, bool, int, int> bits[] = {
        {true, false, 11, 11}, {false, true, 51, 11}, {false, false, 0, 0}};
    for (auto [major, minor, lines, texts] : bits) {
        g->SetXMajTix(major);
        g->SetXMinTix(minor);
        ticks.Clear();
        g->ReDrawAll();
        EXPECT_EQ(ticks.Drawn("line").size(), lines) << major << minor;
        EXPECT_EQ(ticks.Drawn("text").size(), texts) << major << minor;
    }
}

TEST(GraphDraw, PowerNotesAndYNumbers) {
    auto g = OpenGraph(432, 200, NoYTicks);
    Metrics tick("Helvetica", 9), bold("Helvetica", 9, true), small("Helvetica", 6, true);
    {
        Recording rec(*g);
        g->DefineGraph(0, 20000, 0, 1);
        ASSERT_EQ(g->XTPower, 3);
        const int bottom = g->GTop + g->GHeight;
        const int last = g->GLeft + g->GWidth;
        ASSERT_TRUE(rec.Text("20") && rec.Text("x10") && rec.Text("3"));
        EXPECT_EQ(rec.Text("20")->at.x(), last - qRound(tick.g.StringWidth("20") / 2));
        // The note "x10^3" is bold, its power round(0.72 x 9) high, centred under the last number.
        EXPECT_TRUE(rec.Text("x10")->font.bold());
        EXPECT_EQ(rec.Text("x10")->font.pixelSize(), 9);
        EXPECT_EQ(rec.Text("3")->font.pixelSize(), 6);
        const int width = bold.Width("x10") + small.Width("3");
        EXPECT_EQ(rec.Text("x10")->at, QPointF(last - qRound(width / 2.0), bottom + 25));
        EXPECT_EQ(rec.Text("3")->at,
                  QPointF(rec.Text("x10")->at.x() + bold.Width("x10"), bottom + 22));
    }
    // Y numbers are right-aligned 7 pixels left of the frame; the note sits below the top.
    g = OpenGraph(300, 200);
    Recording y(*g);
    g->DefineGraph(0, 1, 0, 20000);
    for (int v = 0; v <= 20; v += 5) {
        const Recorded* t = y.Text(QString::number(v));
        ASSERT_NE(t, nullptr) << v;
        EXPECT_EQ(t->at.x() + tick.Width(QString::number(v)), g->GLeft - 7);
        EXPECT_EQ(t->at.y(), g->YCoord(v * 1000) + 3);
    }
    ASSERT_TRUE(y.Text("x10") && y.Text("3"));
    EXPECT_EQ(y.Text("3")->at.x() + small.Width("3"), g->GLeft - 7);
    EXPECT_EQ(y.Text("x10")->at.y(), g->GTop + 13);
}

TEST(GraphDraw, GridAndZeroLines) {
    auto g = OpenGraph(432, 200);
    g->SetGrid(true);
    {
        Recording rec(*g);
        g->DefineGraph(0, 10, -1, 1);
        const int top = g->GTop, bottom = g->GTop + g->GHeight, left = g->GLeft,
                  right = left + g->GWidth;
        // Grey lines at the labelled ticks, one pixel short of the frame, none on its edges.
        QStringList want;
        for (int x = 1; x <= 9; ++x)
            want << QString("line %1,%2 %1,%3 #b4b4b4")
                        .arg(g->XCoord(x))
                        .arg(bottom - 1)
                        .arg(top + 1);
        for (double y : {-0.5, 0.0, 0.5})
            want << QString("line %1,%2 %3,%2 #b4b4b4")
                        .arg(left + 1)
                        .arg(g->YCoord(y))
                        .arg(right - 1);
        EXPECT_EQ(rec.Drawn().filter("#b4b4b4"), want);
        EXPECT_EQ(g->GX->ForeColor(), (Color{0, 0, 0}));

        // Without ticks the grid meets the frame.
        auto bare = OpenGraph(300, 200, NoTicks);
        bare->SetGrid(true);
        Recording bareRec(*bare);
        bare->DefineGraph(0, 10, 0, 1);
        EXPECT_EQ(bareRec.Drawn("line").front(),
                  QString("line %1,184 %1,16 #b4b4b4").arg(bare->XCoord(2)));
    }
    // Zero lines in black (no colour named), only where zero lies inside; the owner's colour is
    // kept.
    g = OpenGraph(300, 200, NoTicks);
    g->SetXZeroLn(true);
    g->SetYZeroLn(true);
    Recording zero(*g);
    g->SetColor({0, 0, 255});
    g->DefineGraph(-5, 5, -1, 1);
    EXPECT_EQ(zero.Drawn("line"), QStringList({"line 150,184 150,16", "line 16,100 284,100"}));
    EXPECT_EQ(g->GX->ForeColor(), (Color{0, 0, 255}));
    zero.Clear();
    g->DefineGraph(0, 5, 0, 1);
    EXPECT_TRUE(zero.Drawn("line").isEmpty());
}

TEST(GraphDraw, TitleAndLabelsAroundTheFrameAndTheContextKept) {
    auto g = OpenGraph(450, 204);
    g->SetTitle("Potential");
    g->SetXLabel("x (nm)");
    g->SetYLabel("V");
    {
        Recording rec(*g);
        g->DefineGraph(-1.8, 1.8, 0, 20);
        Metrics m("Helvetica", 10);
        const int h = m.Height();
        const int cx = g->GLeft + qRound(g->GWidth / 2.0);
        ASSERT_TRUE(rec.Text("Potential") && rec.Text("x (nm)") && rec.Text("V"));
        // Anchor 5 on a one-line block: centred, baseline half a line below the point, less 2.
        EXPECT_EQ(rec.Text("Potential")->at,
                  QPointF(cx - qRound(m.Width("Potential") / 2.0), g->GTop - 8 - 2));
        EXPECT_EQ(rec.Text("x (nm)")->at,
                  QPointF(cx - qRound(m.Width("x (nm)") / 2.0),
                          g->GTop + g->GHeight + 22 + 2 * qRound(h / 2.0) - 2));
        const int yBase = g->GLeft - g->zYTickWidth() - 16;
        EXPECT_LE(std::abs(rec.Text("V")->at.x() + m.Width("V") - yBase), 1);
        EXPECT_EQ(rec.Text("V")->at.y(), g->GTop + qRound(g->GHeight / 2.0) + qRound(h / 2.0) - 2);
    }
    // Whatever a redraw draws, the owner's colour and font are in force afterwards.
    g->SetGrid(true);
    g->SetXZeroLn(true);
    g->SetTitle("E^2^ $a$ !b!");
    g->DefineGraph(-1, 1, 0, 30000);
    g->SetColor({10, 20, 30});
    g->SetFontInfo("System", 13, true, true);
    g->DrawContent = [&] { g->DrawBar(0, 10000, 0.5); };
    g->ReDrawAll();
    EXPECT_EQ(StateOf(*g->GX), (GraphicsState{{10, 20, 30}, {"System", 13, true, true}}));
}

TEST(GraphString, AnchorsAndRuns) {
    auto g = OpenGraph(300, 200);
    Metrics m("Helvetica", 10);
    const int h = m.Height(), a = m.Width("a"), b = m.Width("bbb");
    const QString s = g->SetSString("a|bbb");
    Recording rec(*g);
    // Anchors 1-3 put the last line's baseline on y, 4-6 centre the block, 7-9 hang it below;
    // 1, 4, 7 start at x, 2, 5, 8 centre each line, 3, 6, 9 end there; 0 is 1 from the top.
    const int baselines[] = {100, 100 - h, 100 - h,     100 - h,     98,
                             98,  98,      100 + h - 2, 100 + h - 2, 100 + h - 2};
    for (int anchor = 0; anchor <= 9; ++anchor) {
        const double align = anchor == 0 ? 0 : ((anchor - 1) % 3) / 2.0;
        const int y = baselines[anchor];
        EXPECT_EQ(rec.By([&] { g->DrawSString(s, 100, 100, anchor); }),
                  QString("text a %1,%2 10; text bbb %3,%4 10")
                      .arg(100 - qRound(a * align))
                      .arg(y)
                      .arg(100 - qRound(b * align))
                      .arg(y + h))
            << "anchor " << anchor;
    }
    auto drawn = [&](const QString& markup) {
        return rec.By([&] { g->DrawSString(g->SetSString(markup), 50, 60); });
    };
    const int e = m.Width("E");
    EXPECT_EQ(drawn("E^2^"), QString("text E 50,60 10; text 2 %1,57 7").arg(50 + e));
    EXPECT_EQ(drawn("E^2 x"), QString("text E 50,60 10; text 2 %1,57 7; text  x %2,60 10")
                                  .arg(50 + e)
                                  .arg(50 + e + Metrics("Helvetica", 7).Width("2")));
    EXPECT_EQ(drawn("$a$b"), QString::fromUtf8("text α 50,60 10; text b %1,60 10")
                                 .arg(50 + Metrics("Symbol", 10).Width("a")));
    EXPECT_EQ(drawn("#14#x"), "text x 50,60 14");
    // Plain markup is encoded first: the same as drawing its encoded form.
    EXPECT_EQ(rec.By([&] { g->DrawSString("a|bb", 50, 60, 5); }),
              rec.By([&] { g->DrawSString(g->SetSString("a|bb"), 50, 60, 5); }));
}

// What a primitive draws on a frame of one pixel per unit at (16, 16) for 0 ... 200 by
// 0 ... 100, and whether it reports a value outside the axes.
struct PrimitiveCase {
    std::function<void(Graph&)> draw;
    QString drawn;
    bool outside;
};

void ExpectPrimitives(const std::vector<PrimitiveCase>& cases) {
    auto g = UnitGraph();
    Recording rec(*g);
    for (std::size_t i = 0; i < cases.size(); ++i) {
        g->RErr = false;
        EXPECT_EQ(rec.By([&] { cases[i].draw(*g); }), cases[i].drawn) << "case " << i;
        EXPECT_EQ(g->RErr, cases[i].outside) << "case " << i;
    }
}

TEST(GraphPrimitive, MarkersPointsAndCurves) {
    // Centred on pixel (116, 66); 0 and any number but 1 ... 9 is the filled dot.
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
    std::vector<PrimitiveCase> cases;
    for (int s = 0; s <= 10; ++s)
        cases.push_back({[s](Graph& g) { g.DrawShape(100, 50, s); }, shapes[s], false});
    cases.push_back({[](Graph& g) { g.DrawShape(100, 101, 2); }, "", true});
    cases.push_back({[](Graph& g) { g.DrawPoint(0, 0); }, "disc 14,114 4x4", false});
    cases.push_back({[](Graph& g) { g.DrawPoint(-0.01, 0); }, "", true});
    // Segments with an end outside are left out; the pen moves on.
    cases.push_back({[](Graph& g) {
                         g.CurveStart(0, 50);
                         for (auto [x, y] : {std::pair{20, 80}, {30, 120}, {40, 150}, {50, 80}})
                             g.CurveTo(x, y);
                         g.CurveTo(60, 50);
                         EXPECT_EQ(QPoint(g.PrevCurvH, g.PrevCurvV), QPoint(76, 66));
                     },
                     "line 16,66 36,36; line 56,16 66,36; line 66,36 76,66", true});
    ExpectPrimitives(cases);

    // The range flag is sticky through calls that are in range.
    auto g = UnitGraph();
    g->RErr = true;
    g->DrawPoint(10, 10);
    g->CurveTo(20, 20);
    g->DrawVector(10, 10, 30, 0);
    g->DrawXUBar(50, 50, 1, 1);
    EXPECT_TRUE(g->RErr);
}

TEST(GraphPrimitive, ArrowsBarsAndErrorBars) {
    const Color red{255, 0, 0};
    ExpectPrimitives(
        {{[](Graph& g) { g.DrawVector(50, 50, 40, 0); },
          "line 66,66 106,66; fill-poly 106,66 96,61 96,71", false},
         {[](Graph& g) { g.DrawVector(50, 50, 0, 40); },
          "line 66,66 66,26; fill-poly 66,26 61,36 71,36", false},
         {[](Graph& g) { g.DrawVector(50, 50, 15, 0); },
          "line 66,66 81,66; fill-poly 81,66 73,62 73,70", false},
         {[](Graph& g) { g.DrawVector(50, 50, 8, 0); }, "line 66,66 74,66", false}, // no head
         {[](Graph& g) { g.DrawVector(50, 50, 2, 0); }, "", false},
         {[](Graph& g) { g.DrawVector(190, 50, 40, 0); }, "line 206,66 216,66",
          true}, // tip outside
         // A black bar is outlined; another colour fills it and outlines it in black.
         {[](Graph& g) { g.DrawBar(50, 30, 20); },
          "fill 56,86 21x1; fill 56,116 21x1; fill 56,86 1x31; fill 76,86 1x31", false},
         {[red](Graph& g) {
              g.SetColor(red);
              g.DrawBar(50, 30, 20);
              EXPECT_EQ(g.GX->ForeColor(), red);
              g.SetColor(g.CBlack);
          },
          "fill 56,86 21x31 #ff0000; fill 56,86 21x1; fill 56,116 21x1; fill 56,86 1x31; fill "
          "76,86 1x31",
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
         {[](Graph& g) { g.DrawYUBar(100, 50, 100, 100); }, "line 116,116 116,16", true}});
}
