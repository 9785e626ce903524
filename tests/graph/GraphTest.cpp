// The Graph control: opening, square scales, mapping, failures and the state each leaves,
// scrolling, resizing and printing; and what it draws, recorded by a paint device: ticks,
// numbers, power notes, grid and zero lines, labels, formatted strings and plot primitives.
// Positions that depend on text are computed from the font metrics. (The window tests check the
// pixels of real plots.)

#include "tests/graph/GraphSupport.h"

#include <gtest/gtest.h>

#include <QScrollBar>

#include <cmath>

namespace {

void NoYTicks(Graph& g) {
    g.SetYMajTix(false);
    g.SetYMinTix(false);
}

// The frame, and each axis' limits and scale.
QList<double> FrameOf(const Graph& g) {
    return {double(g.GLeft), double(g.GTop), double(g.GWidth), double(g.GHeight), g.XMin,
            g.XMax,          g.YMin,         g.YMax,           g.XVtoPix,         g.YVToPix};
}

} // namespace

TEST(GraphOpen, DepthCloseAndAnEmptyControl) {
    // (The drawing tests rely on the default options and on Open being raised after them.)
    Graph g;
    g.resize(300, 200);
    g.WidthQuery = [] { return ADD_FAILURE() << "asked only with a bar", 1000; };
    g.DepthQuery = [] { return 24; }; // not a depth: 1
    g.Event_Open();
    EXPECT_EQ(QSize(g.GXP->Width(), g.GXP->Height()), QSize(300, 200));
    EXPECT_EQ(g.FDepth, 1);
    bool pictureAtClose = true; // Close releases the picture, then raises Close
    g.Close = [&] { pictureAtClose = g.GXP != nullptr; };
    g.Event_Close();
    EXPECT_FALSE(pictureAtClose);
    EXPECT_EQ(g.GX, nullptr);
    Graph empty;
    empty.resize(0, 0);
    EXPECT_EQ(ErrorOf([&] { empty.Event_Open(); }), "Graph.Open: Picture Initialization Failure");
}

TEST(GraphFrame, MappingAndSquareScales) {
    auto g = OpenGraph(300, 200, NoTicks);
    g->DefineGraph(0, 10, -1, 1); // x 16 ... 284, y 184 ... 16
    EXPECT_EQ(QList<int>({g->XCoord(10), g->YCoord(1), g->YCoord(-1)}), QList<int>({284, 16, 184}));
    EXPECT_EQ(QList<double>({g->YToVal(184), g->XToVal(16 + 134)}), QList<double>({-1, 5}));
    EXPECT_FALSE(g->RErr);
    // Values beyond the axes are clamped to the frame and set the flag, and so are pixels; at
    // XMin 0 there is no allowance.
    const std::pair<std::function<double()>, double> outside[] = {
        {[&] { return g->XCoord(10.01); }, 284},
        {[&] { return g->YCoord(kNaN); }, 184},
        {[&] { return g->XToVal(0); }, 0},
        {[&] { return g->XToVal(16); }, 0}};
    for (const auto& [map, want] : outside) {
        g->RErr = false;
        EXPECT_EQ(map(), want);
        EXPECT_TRUE(g->RErr);
    }
    // The wider axis is widened to fill its side at the other's scale; the frame shrinks about
    // its centre.
    for (auto [w, h] : {std::pair{500, 250}, std::pair{250, 500}}) {
        g = OpenGraph(w, h);
        g->DefineGraph(0, 10, 0, 10);
        const QRect wide(g->GLeft, g->GTop, g->GWidth, g->GHeight);
        g->DefSqGraph(0, 10);
        const QRect square(g->GLeft, g->GTop, g->GWidth, g->GHeight);
        EXPECT_EQ(g->XVtoPix, g->YVToPix);
        EXPECT_TRUE(wide.contains(square));
        EXPECT_LE((wide.center() - square.center()).manhattanLength(), 1);
        EXPECT_LE(std::abs(g->GWidth - (g->XMax - g->XMin) * g->XVtoPix), 1);
        EXPECT_LE(std::abs(g->GHeight - (g->YMax - g->YMin) * g->YVToPix), 1);
        EXPECT_EQ(w > h ? g->YMax : g->XMax, 10);
    }
}

TEST(GraphFailure, MessagesAndTheStateLeft) {
    auto g = OpenGraph(300, 200);
    const std::pair<std::function<void()>, QString> undefined[] = {
        {[&] { g->ReDrawAll(); }, "ReDrawAll: Graph has not been defined"},
        {[&] { g->XCoord(0); }, "XCoord: Graph not yet defined."},
        {[&] { g->YCoord(0); }, "YCoord: Graph not yet defined."},
        {[&] { g->XToVal(0); }, "XToVal: Graph is not defined."},
        {[&] { g->YToVal(0); }, "YToVal: Graph is not defined."},
        {[&] { g->zDefineXAxis(0, 1); }, "zDefineXAxis: Graph Width is undefined."},
        {[&] { g->zDefineYAxis(0, 1); }, "zDefineYAxis: Graph Height is undefined."}};
    for (const auto& [call, message] : undefined) EXPECT_EQ(ErrorOf(call), message);
    // Limits that cannot be scaled name the span and leave the graph and its picture as they were.
    g->DefineGraph(0, 10, 0, 1);
    const QList<double> before = FrameOf(*g);
    const QImage picture = g->GXP->Image().copy();
    g->SetTitle("A title that moves the frame");
    const std::pair<std::function<void()>, QString> ranges[] = {
        {[&] { g->DefineGraph(2, 1, 0, 1); }, "zDefineXAxis: x axis range is -1"},
        {[&] { g->DefineGraph(0, 1, 0, 0); }, "zDefineYAxis: y axis range is 0"},
        {[&] { g->DefineGraph(kNaN, 1, 0, 1); }, "zDefineXAxis: x axis range is nan"},
        {[&] { g->DefineGraph(0, 1, 0, kInf); }, "zDefineYAxis: y axis range is inf"},
        {[&] { g->DefSqGraph(0, kInf); }, "zDefineYAxis: y axis range is inf"}};
    for (const auto& [call, message] : ranges) EXPECT_EQ(ErrorOf(call), message);
    EXPECT_EQ(FrameOf(*g), before);
    EXPECT_EQ(g->GXP->Image(), picture);
    g = OpenGraph(131, 200, NoTicks); // 131 - 16 - 16 = 99 pixels wide
    EXPECT_EQ(ErrorOf([&] { g->DefineGraph(0, 1, 0, 1); }), "zDefineGRect: Graph too small.");
    EXPECT_EQ(FrameOf(*g), QList<double>({0, 0, 0, 0, 0, 0, 0, 1, 0, 168})); // y axis defined
    EXPECT_EQ(ErrorOf([&] { g->ReDrawAll(); }), "ReDrawAll: Graph has not been defined");
    g = OpenGraph(300, 200, NoTicks);
    g->DefineGraph(0, 1, 0, 1);
    g->SetTitle("1|2|3|4|5|6");
    EXPECT_EQ(ErrorOf([&] { g->ReDrawAll(); }), "zDefineGRect: Graph is not tall enough.");
    EXPECT_EQ(FrameOf(*g), QList<double>({16, 16, 268, 0, 0, 1, 0, 1, 268, 168}));
}

TEST(GraphScroll, AVirtualWidthScrolls) {
    QScrollBar bar(Qt::Horizontal);
    Graph g;
    g.resize(400, 200);
    g.ScrollQueryH = [&] { return &bar; };
    g.WidthQuery = [] { return 1000; };
    QObject::connect(&bar, &QScrollBar::valueChanged, [&](int v) { g.HandleHScroll(v); });
    g.Event_Open();
    EXPECT_EQ(QPoint(g.FWidth, bar.maximum()), QPoint(1000, 600));
    // A mark at picture column 700 shows at control column 700 - offset.
    g.GX->DrawLine(700, 0, 700, 199);
    bar.setValue(350);
    EXPECT_EQ(g.ScreenImage().pixelColor(350, 50), QColor(Qt::black));
    EXPECT_EQ(g.ScreenImage().pixelColor(100, 50), QColor(Qt::white));
}

TEST(GraphResize, WithoutBarsThePictureFollowsTheControl) {
    auto g = OpenGraph(300, 200, NoTicks);
    g->DefineGraph(0, 1, 0, 1);
    g->SetColor({0, 0, 255});
    g->SetFontInfo("System", 13, true, true);
    g->resize(400, 250);
    g->HandleResize();
    EXPECT_EQ(QSize(g->GWidth, g->GHeight), QSize(368, 218));
    EXPECT_EQ(g->GX, g->GXP->GetGraphics());
    // Redrawn in the owner's colour and font, and shown.
    EXPECT_EQ(StateOf(*g->GX), (GraphicsState{{0, 0, 255}, {"System", 13, true, true}}));
    EXPECT_EQ(g->ScreenImage().size(), QSize(400, 250));
    EXPECT_EQ(g->ScreenImage().pixelColor(16, 16), QColor(Qt::black));
}

TEST(GraphPrint, RedrawsOnThePageAndComesBack) {
    // What the page shows is checked by the program's print test.
    auto g = OpenGraph(300, 200);
    bool printingSeen = false;
    g->DrawContent = [&] { printingSeen = g->Printing; };
    g->DefineGraph(0, 10, 0, 1);
    Graphics* own = g->GX;
    const Picture* picture = g->GXP.get();
    RecordingDevice page(300, 200);
    Graphics pageGx(&page);
    g->PrintGraphOn(pageGx);
    EXPECT_TRUE(printingSeen);
    EXPECT_FALSE(g->Printing);
    EXPECT_EQ(g->GX, own);
    EXPECT_EQ(g->GXP.get(), picture); // never a new picture per redraw
    // A failed print leaves the graph drawing into its picture again.
    auto undefined = OpenGraph(300, 200);
    EXPECT_EQ(ErrorOf([&] { undefined->PrintGraphOn(pageGx); }),
              "ReDrawAll: Graph has not been defined");
    EXPECT_EQ(undefined->GX, undefined->GXP->GetGraphics());
    EXPECT_FALSE(undefined->Printing);
}

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
    EXPECT_EQ(QPoint(ticks.Drawn("line").size(), ticks.Drawn("text").size()), QPoint(51, 11));
    g->SetXMinTix(false); // only the labelled ticks
    ticks.Clear();
    g->ReDrawAll();
    EXPECT_EQ(QPoint(ticks.Drawn("line").size(), ticks.Drawn("text").size()), QPoint(11, 11));
    // "x10^3" in bold, its power round(0.72 x 9) high, centred under the last number.
    auto x = OpenGraph(432, 200, NoYTicks); // the same frame
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
    // Zero lines in black; the owner's colour is kept.
    auto z = OpenGraph(300, 200, NoTicks);
    z->SetXZeroLn(true);
    z->SetYZeroLn(true);
    Recording zero(*z);
    z->SetColor({0, 0, 255});
    z->DefineGraph(-5, 5, -1, 1);
    EXPECT_EQ(zero.Drawn("line"), QStringList({"line 150,184 150,16", "line 16,100 284,100"}));
    EXPECT_EQ(z->GX->ForeColor(), (Color{0, 0, 255}));
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
    // The title above the frame, ticks, numbers and x label below, y numbers and label left.
    EXPECT_EQ(g->GTop, h + 16);
    EXPECT_EQ(g->GHeight, 204 - g->GTop - (h + 8 + 14 + 8));
    EXPECT_EQ(g->GLeft, m.Width("V") + tick.Width("20") + 8 + 8 + 8);
    ASSERT_TRUE(rec.Text("Potential") && rec.Text("x (nm)") && rec.Text("V") && rec.Text("20") &&
                rec.Text("x10") && rec.Text("3"));
    // Y numbers are right-aligned 7 pixels left of the frame; the power note sits below the top.
    EXPECT_EQ(rec.Text("20")->at, QPointF(g->GLeft - 7 - tick.Width("20"), g->YCoord(2e4) + 3));
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
    // Encoded first, so that anchor 5 centres each line and the block (see the markup tests).
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
        {[](Graph& g) { g.DrawVector(50, 50, 8, 0); }, "line 66,66 74,66", false},    // no head
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
        // Error bars: an end outside is clamped to the frame and loses its cap.
        {[](Graph& g) { g.DrawXUBar(100, 50, 10, 20); },
         "line 96,69 96,63; line 126,69 126,63; line 96,66 126,66", false},
        {[](Graph& g) { g.DrawXUBar(195, 50, 10, 5); }, "line 206,69 206,63; line 206,66 216,66",
         true},
        {[](Graph& g) { g.DrawYUBar(100, 50, 10, 20); },
         "line 119,86 113,86; line 119,56 113,56; line 116,86 116,56", false}};
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
