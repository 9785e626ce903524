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
                  QStringList({"fill 0,0 300x200", "fill 16,16 269x1", "fill 16,184 269x1",
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
        const QString tick =
            QString("line %1,%2 %1,%3").arg(px).arg(bottom).arg(bottom + 3 + 2 * major);
        EXPECT_TRUE(all.contains(tick)) << tick.toStdString();
        const QString n = QString::number(k / 5);
        const QString text = QString("text %1 %2,%3 9")
                                 .arg(n)
                                 .arg(px - qRound(m.g.StringWidth(n) / 2))
                                 .arg(bottom + 15);
        EXPECT_EQ(all.contains(text), major) << text.toStdString();
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
    EXPECT_EQ(g->GTop + g->GHeight, 200 - 16);
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
        QStringList grid;
        const QStringList drawn = rec.Drawn();
        for (qsizetype i = 0; i < drawn.size(); ++i)
            if (rec.Items()[std::size_t(i)].pen == QColor(180, 180, 180)) grid << drawn[i];
        QStringList want;
        for (int x = 1; x <= 9; ++x)
            want << QString("line %1,%2 %1,%3").arg(g->XCoord(x)).arg(bottom - 1).arg(top + 1);
        for (double y : {-0.5, 0.0, 0.5})
            want << QString("line %1,%2 %3,%2").arg(left + 1).arg(g->YCoord(y)).arg(right - 1);
        EXPECT_EQ(grid, want);
        EXPECT_EQ(g->GX->ForeColor(), (Color{0, 0, 0}));

        // Without ticks the grid meets the frame.
        auto bare = OpenGraph(300, 200, NoTicks);
        bare->SetGrid(true);
        Recording bareRec(*bare);
        bare->DefineGraph(0, 10, 0, 1);
        EXPECT_EQ(bareRec.Drawn("line").front(), QString("line %1,184 %1,16").arg(bare->XCoord(2)));
    }
    // Zero lines in black, only where zero lies inside; the owner's colour is kept.
    g = OpenGraph(300, 200, NoTicks);
    g->SetXZeroLn(true);
    g->SetYZeroLn(true);
    Recording zero(*g);
    g->SetColor({0, 0, 255});
    g->DefineGraph(-5, 5, -1, 1);
    EXPECT_EQ(zero.Drawn("line"), QStringList({"line 150,184 150,16", "line 16,100 284,100"}));
    EXPECT_EQ(zero.Items().back().pen, QColor(Qt::black));
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
    // 1, 4, 7 start at x, 2, 5, 8 centre each line, 3, 6, 9 end there.
    const int baselines[] = {100, 100 - h, 100 - h,     100 - h,     98,
                             98,  98,      100 + h - 2, 100 + h - 2, 100 + h - 2};
    for (int anchor = 0; anchor <= 9; ++anchor) {
        const double align = anchor == 0 ? 0 : ((anchor - 1) % 3) / 2.0;
        const QStringList drawn = rec.By([&] { g->DrawSString(s, 100, 100, anchor); });
        EXPECT_EQ(
            drawn,
            QStringList(
                {QString("text a %1,%2 10").arg(100 - qRound(a * align)).arg(baselines[anchor]),
                 QString("text bbb %1,%2 10")
                     .arg(100 - qRound(b * align))
                     .arg(baselines[anchor] + h)}))
            << "anchor " << anchor;
    }

    const int e = m.Width("E");
    EXPECT_EQ(rec.By([&] { g->DrawSString(g->SetSString("E^2^"), 50, 60); }),
              QStringList({"text E 50,60 10", QString("text 2 %1,57 7").arg(50 + e)}));
    EXPECT_EQ(rec.By([&] { g->DrawSString(g->SetSString("E^2 x"), 50, 60); }).last(),
              QString("text  x %1,60 10").arg(50 + e + Metrics("Helvetica", 7).Width("2")));
    EXPECT_EQ(rec.By([&] { g->DrawSString(g->SetSString("$a$b"), 50, 60); }).first(),
              QString::fromUtf8("text α 50,60 10"));
    EXPECT_EQ(rec.By([&] { g->DrawSString(g->SetSString("#14#x"), 50, 60); }),
              QStringList({"text x 50,60 14"}));
    EXPECT_EQ(rec.By([&] { g->DrawSString(g->SetSString("ab#14"), 50, 60); }),
              QStringList({"text ab 50,60 10"}));
    // Plain markup is encoded first: the same as drawing its encoded form.
    EXPECT_EQ(rec.By([&] { g->DrawSString("a|bb", 50, 60, 5); }),
              rec.By([&] { g->DrawSString(g->SetSString("a|bb"), 50, 60, 5); }));
}

TEST(GraphPrimitive, MarkersAndPoints) {
    auto g = UnitGraph();
    Recording rec(*g);
    // Centred on pixel (116, 66); 0 and any other number is the filled dot.
    const QStringList shapes[] = {
        {"disc 114,64 4x4"},
        {"oval 114,64 4x4"},
        {"fill 114,64 5x5"},
        {"fill 114,64 4x1", "fill 114,67 4x1", "fill 114,64 1x4", "fill 117,64 1x4"},
        {"line 114,64 118,68", "line 114,68 118,64"},
        {"line 116,63 116,69", "line 113,66 119,66"},
        {"oval 113,63 6x6", "line 114,64 118,68", "line 114,68 118,64"},
        {"oval 113,63 6x6", "line 116,63 116,69", "line 113,66 119,66"},
        {"fill-poly 112,63 116,70 120,63"},
        {"poly 113,64 116,69 119,64"},
        {"disc 114,64 4x4"}};
    for (int s = 0; s <= 10; ++s)
        EXPECT_EQ(rec.By([&] { g->DrawShape(100, 50, s); }), shapes[s]) << s;
    EXPECT_EQ(rec.By([&] { g->DrawPoint(0, 0); }), QStringList({"disc 14,114 4x4"}));
    EXPECT_FALSE(g->RErr);
    EXPECT_TRUE(rec.By([&] { g->DrawShape(100, 101, 2); }).isEmpty());
    EXPECT_TRUE(g->RErr);
    g->RErr = false;
    EXPECT_TRUE(rec.By([&] { g->DrawPoint(-0.01, 0); }).isEmpty());
    EXPECT_TRUE(g->RErr);
    // The flag is sticky through calls that are in range.
    g->DrawPoint(10, 10);
    g->CurveTo(20, 20);
    g->DrawVector(10, 10, 30, 0);
    g->DrawXUBar(50, 50, 1, 1);
    EXPECT_TRUE(g->RErr);
}

TEST(GraphPrimitive, CurvesAndArrows) {
    auto g = UnitGraph();
    Recording rec(*g);
    // Segments with an end outside are left out.
    EXPECT_EQ(rec.By([&] {
        g->CurveStart(0, 50);
        for (auto [x, y] : {std::pair{20, 80}, {30, 120}, {40, 150}, {50, 80}, {60, 50}})
            g->CurveTo(x, y);
    }),
              QStringList({"line 16,66 36,36", "line 56,16 66,36", "line 66,36 76,66"}));
    EXPECT_TRUE(g->RErr);
    EXPECT_EQ(g->PrevCurvH, 76);
    EXPECT_EQ(g->PrevCurvV, 66);

    g->RErr = false;
    auto arrow = [&](double x, double dx, double dy) {
        return rec.By([&] { g->DrawVector(x, 50, dx, dy); });
    };
    EXPECT_EQ(arrow(50, 40, 0), QStringList({"line 66,66 106,66", "fill-poly 106,66 96,61 96,71"}));
    EXPECT_EQ(arrow(50, 0, 40), QStringList({"line 66,66 66,26", "fill-poly 66,26 61,36 71,36"}));
    EXPECT_EQ(arrow(50, 15, 0), QStringList({"line 66,66 81,66", "fill-poly 81,66 73,62 73,70"}));
    EXPECT_EQ(arrow(50, 8, 0), QStringList({"line 66,66 74,66"})); // too short for a head
    EXPECT_TRUE(arrow(50, 2, 0).isEmpty());
    EXPECT_FALSE(g->RErr);
    EXPECT_EQ(arrow(190, 40, 0), QStringList({"line 206,66 216,66"})); // tip outside: no head
    EXPECT_TRUE(g->RErr);
}

TEST(GraphPrimitive, BarsAndErrorBars) {
    auto g = UnitGraph();
    Recording rec(*g);
    const QStringList outline = {"fill 56,86 21x1", "fill 56,116 21x1", "fill 56,86 1x31",
                                 "fill 76,86 1x31"};
    EXPECT_EQ(rec.By([&] { g->DrawBar(50, 30, 20); }), outline); // black: outlined only
    g->SetColor({255, 0, 0});
    EXPECT_EQ(rec.By([&] { g->DrawBar(50, 30, 20); }), QStringList{"fill 56,86 21x31"} + outline);
    EXPECT_EQ(rec.Items()[0].fill, QColor(255, 0, 0));
    EXPECT_EQ(rec.Items()[1].fill, QColor(0, 0, 0));
    EXPECT_EQ(g->GX->ForeColor(), (Color{255, 0, 0}));
    EXPECT_TRUE(rec.By([&] { g->DrawBar(50, 30, 0); }).isEmpty());
    EXPECT_TRUE(rec.By([&] { g->DrawBar(50, 0, 20); }).isEmpty());

    // Error bars: an end outside is clamped to the frame and loses its cap.
    auto xBar = [&](double x, double y, double plus, double minus) {
        return rec.By([&] { g->DrawXUBar(x, y, plus, minus); });
    };
    EXPECT_EQ(xBar(100, 50, 10, 20),
              QStringList({"line 96,69 96,63", "line 126,69 126,63", "line 96,66 126,66"}));
    EXPECT_FALSE(g->RErr);
    EXPECT_EQ(xBar(195, 50, 10, 5), QStringList({"line 206,69 206,63", "line 206,66 216,66"}));
    EXPECT_TRUE(g->RErr);
    EXPECT_TRUE(xBar(300, 50, 10, 20).isEmpty()); // wholly beyond the right edge
    EXPECT_EQ(xBar(100, 50, 500, 500), QStringList({"line 16,66 216,66"}));
    EXPECT_TRUE(xBar(100, 150, 1, 1).isEmpty());
    g->RErr = false;
    EXPECT_EQ(rec.By([&] { g->DrawYUBar(100, 50, 10, 20); }),
              QStringList({"line 119,86 113,86", "line 119,56 113,56", "line 116,86 116,56"}));
    EXPECT_FALSE(g->RErr);
    EXPECT_EQ(rec.By([&] { g->DrawYUBar(100, 50, 100, 100); }),
              QStringList({"line 116,116 116,16"}));
    EXPECT_TRUE(g->RErr);
}
