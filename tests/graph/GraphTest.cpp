// The Graph control: frame, failures, resizing, printing, what it draws, and seeded random use.

#include "tests/graph/GraphSupport.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <random>

namespace {

// The frame, and each axis' limits and scale.
QList<double> FrameOf(const Graph& g) {
    return {double(g.GLeft), double(g.GTop), double(g.GWidth), double(g.GHeight), g.XMin,
            g.XMax,          g.YMin,         g.YMax,           g.XVtoPix,         g.YVToPix};
}

struct Random {
    std::mt19937 rng{20261206};
    int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }
    bool Chance(double p) { return std::bernoulli_distribution(p)(rng); }
    double Real() { return std::uniform_real_distribution<double>(0, 1)(rng); }

    double Value() {
        static constexpr double special[] = {kNaN, kInf,   -kInf,   1e308,  -1e308, kMax,
                                             0,    1e-300, -1e-300, 5e-324, 1e15};
        const int kind = Int(0, 3);
        if (kind == 0) return special[Int(0, std::size(special) - 1)];
        if (kind == 1) return (Chance(0.5) ? -1 : 1) * std::pow(10.0, Int(-300, 300) + Real());
        return Int(-20, 20) + Real(); // a sensible plot
    }

    QString Markup() {
        static const QStringList pieces =
            QString::fromUtf8("^,_,$,!,\\,|,~,&,@,#, ,a,E,2,x10,#14#,#1e9#,#-3#,#nan#,@Courier@,"
                              "@Symbol@,αΩ€")
                .split(',');
        QString s;
        for (int i = 0, n = Chance(0.01) ? 5000 : Int(0, 30); i < n; ++i)
            s += pieces[Int(0, pieces.size() - 1)];
        return s;
    }
};

// Every item but text (which the painter clips) must lie inside `area`.
void ExpectInside(const Recording& rec, QRectF area, int step) {
    for (const Recorded& r : rec.Items()) {
        const bool ok = r.kind == Recorded::Kind::Text ||
                        (r.kind == Recorded::Kind::Line
                             ? area.contains(r.line.p1()) && area.contains(r.line.p2())
                             : area.contains(r.rect));
        EXPECT_TRUE(ok) << "step " << step << ": " << rec.Drawn().join("; ").toStdString();
    }
}

} // namespace

TEST(GraphFrame, OpenMappingAndClose) {
    auto g = OpenGraph(300, 200, NoTicks);
    EXPECT_EQ(QSize(g->GXP->Width(), g->GXP->Height()), QSize(300, 200));
    g->DefineGraph(0, 10, -1, 1); // x 16 ... 284, y 184 ... 16
    EXPECT_EQ(QList<int>({g->XCoord(10), g->YCoord(1), g->YCoord(-1)}), QList<int>({284, 16, 184}));
    EXPECT_EQ(QList<double>({g->YToVal(184), g->XToVal(16 + 134)}), QList<double>({-1, 5}));
    EXPECT_FALSE(g->RErr);
    EXPECT_EQ(g->XToVal(0), 0); // a pixel left of the frame is clamped and reported
    EXPECT_TRUE(g->RErr);
    bool pictureAtClose = true; // Close releases the picture, then raises Close
    g->Close = [&] { pictureAtClose = g->GXP != nullptr; };
    g->Event_Close();
    EXPECT_FALSE(pictureAtClose);
    EXPECT_EQ(g->GX, nullptr);
    Graph empty;
    empty.resize(0, 0);
    EXPECT_EQ(ErrorOf([&] { empty.Event_Open(); }), "Graph.Open: Picture Initialization Failure");
}

TEST(GraphFailure, MessagesAndTheStateLeft) {
    auto g = OpenGraph(300, 200);
    const std::pair<std::function<void()>, QString> undefined[] = {
        {[&] { g->ReDrawAll(); }, "ReDrawAll: Graph has not been defined"},
        {[&] { g->XCoord(0); }, "XCoord: Graph not yet defined."},
        {[&] { g->YCoord(0); }, "YCoord: Graph not yet defined."},
        {[&] { g->XToVal(0); }, "XToVal: Graph is not defined."},
        {[&] { g->YToVal(0); }, "YToVal: Graph is not defined."}};
    for (const auto& [call, message] : undefined) EXPECT_EQ(ErrorOf(call), message);
    // Limits that cannot be scaled name the span and leave the graph and its picture as they were.
    g->DefineGraph(0, 10, 0, 1);
    const QList<double> before = FrameOf(*g);
    const QImage picture = g->GXP->Image().copy();
    g->SetTitle("A title that moves the frame");
    const std::pair<std::function<void()>, QString> ranges[] = {
        {[&] { g->DefineGraph(2, 1, 0, 1); }, "zDefineXAxis: x axis range is -1"},
        {[&] { g->DefineGraph(0, 1, 0, 0); }, "zDefineYAxis: y axis range is 0"},
        {[&] { g->DefineGraph(0, 1, 0, kInf); }, "zDefineYAxis: y axis range is inf"}};
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

TEST(GraphFrame, ResizeRedrawsInTheOwnersStyleAndPrintComesBack) {
    auto g = OpenGraph(300, 200, NoTicks);
    g->DefineGraph(0, 1, 0, 1);
    g->SetColor({0, 0, 255});
    g->SetFontInfo("System", 13, true, true);
    g->resize(400, 250);
    g->HandleResize();
    EXPECT_EQ(QSize(g->GWidth, g->GHeight), QSize(368, 218));
    EXPECT_EQ(StateOf(*g->GX), (GraphicsState{{0, 0, 255}, {"System", 13, true, true}}));
    EXPECT_EQ(g->ScreenImage().pixelColor(16, 16), QColor(Qt::black));
    // The screen shows each redraw, and what is drawn on it lies over the picture it shows.
    g->DrawContent = [&] { g->GX->FillRect(100, 100, 10, 10); };
    g->ReDrawAll();
    EXPECT_EQ(g->ScreenImage().pixelColor(105, 105), QColor(0, 0, 255));
    g->DrawContent = {};
    g->ReDrawAll();
    g->ScreenGraphics().FillRect(50, 50, 4, 4);
    EXPECT_EQ(g->ScreenImage().pixelColor(105, 105), QColor(Qt::white));
    EXPECT_EQ(g->ScreenImage().pixelColor(51, 51), QColor(Qt::black));
    // Printing redraws on the page (whose content the program's print test checks).
    bool printingSeen = false;
    g->DrawContent = [&] { printingSeen = g->Printing; };
    Graphics* own = g->GX;
    Picture* picture = g->GXP.get();
    RecordingDevice page(300, 200);
    Graphics pageGx(&page);
    g->PrintGraphOn(pageGx);
    EXPECT_TRUE(printingSeen && !g->Printing);
    EXPECT_EQ(std::pair(g->GX, g->GXP.get()), std::pair(own, picture)); // never a new picture
    auto undefined = OpenGraph(300, 200); // a failed print draws into the picture again
    EXPECT_EQ(ErrorOf([&] { undefined->PrintGraphOn(pageGx); }),
              "ReDrawAll: Graph has not been defined");
    EXPECT_EQ(undefined->GX, undefined->GXP->GetGraphics());
    EXPECT_FALSE(undefined->Printing);
}

TEST(GraphDraw, TicksNumbersGridAndPowerNotes) {
    auto g = OpenGraph(432, 200, NoYTicks); // a 400-pixel frame from 16
    Recording ticks(*g);
    g->DefineGraph(0, 10, 0, 1);
    const int bottom = g->GTop + g->GHeight;
    const QStringList all = ticks.Drawn();
    Metrics m("Helvetica", 9);
    // Minor ticks 3 pixels long every 0.2, labelled ones 5 with the number centred below.
    const auto tick = [&](int x, int length) {
        return all.contains(QString("line %1,%2 %1,%3").arg(x).arg(bottom).arg(bottom + length));
    };
    EXPECT_TRUE(tick(24, 3) && tick(56, 5) && tick(416, 5));
    const int x1 = 56 - qRound(m.g.StringWidth("1") / 2);
    EXPECT_TRUE(all.contains(QString("text 1 %1,%2 9").arg(x1).arg(bottom + 15)));
    EXPECT_EQ(QPoint(ticks.Drawn("line").size(), ticks.Drawn("text").size()), QPoint(51, 11));
    g->SetGrid(true); // grey at labelled ticks, one pixel short of the frame on a ticked axis
    ticks.Clear();
    g->ReDrawAll();
    const QStringList grid = ticks.Drawn().filter("#b4b4b4");
    ASSERT_EQ(grid.size(), 9 + 4);
    EXPECT_EQ(grid.front(), QString("line 56,%1 56,%2 #b4b4b4").arg(bottom - 1).arg(g->GTop + 1));
    EXPECT_EQ(grid.back(), QString("line 16,%1 416,%1 #b4b4b4").arg(g->YCoord(0.8)));
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
    EXPECT_EQ(rec.Text("x (nm)")->at.y(), g->GTop + g->GHeight + 22 + 2 * qRound(h / 2.0) - 2);
    const int yBase = g->GLeft - g->zYTickWidth() - 16;
    EXPECT_LE(std::abs(rec.Text("V")->at.x() + m.Width("V") - yBase), 1);
    EXPECT_EQ(rec.Text("V")->at.y(), g->GTop + qRound(g->GHeight / 2.0) + qRound(h / 2.0) - 2);
}

// What each primitive draws at one pixel per unit from (16, 16), and whether it sets RErr.
TEST(GraphPrimitive, MarkersPointsAndCurves) {
    const std::tuple<std::function<void(Graph&)>, QString, bool> cases[] = {
        // Markers centred on pixel (116, 66); a number but 1 ... 9 is the filled dot.
        {[](Graph& g) { g.DrawShape(100, 50, 2); }, "fill 114,64 5x5", false},
        {[](Graph& g) { g.DrawShape(100, 50, 5); }, "line 116,63 116,69; line 113,66 119,66",
         false},
        {[](Graph& g) { g.DrawShape(100, 50, 10); }, "disc 114,64 4x4", false},
        {[](Graph& g) { g.DrawShape(100, 101, 2); }, "", true},
        {[](Graph& g) { g.DrawPoint(0, 0); }, "disc 14,114 4x4", false},
        {[](Graph& g) { g.DrawPoint(-0.01, 0); }, "", true},
        // Segments with an end outside are left out; the pen moves on.
        {[](Graph& g) {
             g.CurveStart(0, 50);
             for (auto [x, y] : {std::pair{20, 80}, {30, 120}, {40, 150}, {50, 80}, {60, 50}})
                 g.CurveTo(x, y);
             EXPECT_EQ(QPoint(g.PrevCurvH, g.PrevCurvV), QPoint(76, 66));
         },
         "line 16,66 36,36; line 56,16 66,36; line 66,36 76,66", true}};
    auto g = OpenGraph(232, 132, NoTicks);
    g->DefineGraph(0, 200, 0, 100);
    Recording rec(*g);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        g->RErr = false;
        rec.Clear();
        std::get<0>(cases[i])(*g);
        EXPECT_EQ(rec.Drawn().join("; "), std::get<1>(cases[i])) << i;
        EXPECT_EQ(g->RErr, std::get<2>(cases[i])) << i;
    }
}

// Only GraphError is raised, every shape drawn lies inside the picture and the state is kept.
TEST(GraphRandom, NothingCrashesAndEverythingStaysInThePicture) {
    Random r;
    int defined = 0;
    for (const QSize size : {QSize(450, 204), QSize(160, 140), QSize(900, 500)}) {
        auto g = OpenGraph(size.width(), size.height());
        Recording rec(*g);
        bool styleMayChange = false;
        int step = 0;
        const std::function<void(double, double)> primitives[] = {
            [&](double x, double y) { g->DrawPoint(x, y); },
            [&](double x, double y) { g->CurveStart(r.Value(), r.Value()), g->CurveTo(x, y); },
            [&](double x, double y) { g->DrawShape(x, y, r.Int(-1, 11)); },
            [&](double x, double y) { g->DrawVector(x, y, r.Value(), r.Value()); },
            [&](double x, double y) { g->DrawBar(x, y, r.Value()); },
            [&](double x, double y) { g->DrawXUBar(x, y, r.Value(), r.Value()); },
            [&](double x, double y) { g->DrawYUBar(x, y, r.Value(), r.Value()); }};
        auto primitive = [&] {
            const bool before = r.Chance(0.3);
            g->RErr = before;
            const double x = r.Value(), y = r.Value();
            primitives[r.Int(0, 6)](x, y);
            // Only on a defined frame; the flag is sticky; marks reach 12 pixels beyond the frame.
            EXPECT_TRUE(g->GWidth > 0 && g->GHeight > 0);
            EXPECT_TRUE(g->RErr || (!before && std::isfinite(x) && std::isfinite(y))) << step;
            ExpectInside(rec, QRect(g->GLeft - 12, g->GTop - 12, g->GWidth + 25, g->GHeight + 25),
                         step);
        };
        const std::function<void()> actions[] = {
            [&] { g->SetTitle(r.Chance(0.5) ? r.Markup() : QString()); },
            [&] { r.Chance(0.5) ? g->SetXLabel(r.Markup()) : g->SetYLabel(r.Markup()); },
            [&] {
                if (r.Chance(0.6)) // mostly a usable graph, so that the primitives run
                    g->DefineGraph(-r.Int(0, 9), r.Int(1, 9), -r.Int(0, 9), r.Int(1, 9));
                else
                    g->DefineGraph(r.Value(), r.Value(), r.Value(), r.Value());
            },
            [&] { g->DefSqGraph(r.Value(), r.Value()); },
            [&] {
                styleMayChange = true;
                g->SetTickFontInfo(r.Chance(0.8) ? "Helvetica" : "",
                                   r.Int(-5, r.Chance(0.1) ? 300 : 20));
                if (r.Chance(0.2))
                    g->SetFontInfo("Helvetica", r.Int(-5, 300), r.Chance(0.5), r.Chance(0.5));
                g->SetGrid(r.Chance(0.5));
                g->SetXZeroLn(r.Chance(0.5));
                g->SetXTixPix(r.Int(-10, 40));
                g->SetYMinTix(r.Chance(0.7));
                g->SetXAdjust(r.Chance(0.7));
            },
            [&] { g->ReDrawAll(); },
            [&] { g->XToVal(r.Int(INT_MIN, INT_MAX)), g->YToVal(r.Int(INT_MIN, INT_MAX)); },
            primitive,
            primitive};
        for (step = 0; step < 1500; ++step) {
            const GraphicsState state = StateOf(*g->GX);
            styleMayChange = false;
            try {
                actions[r.Int(0, std::size(actions) - 1)]();
            } catch (const GraphError&) {
            }
            if (g->GWidth > 0 && g->GHeight > 0) {
                ++defined;
                for (double v : {g->XMax - g->XMin, g->YMax - g->YMin, g->XVtoPix, g->YVToPix})
                    ASSERT_TRUE(std::isfinite(v) && v > 0) << step;
            }
            ExpectInside(rec, QRect({}, size), step);
            if (!styleMayChange) {
                EXPECT_EQ(StateOf(*g->GX), state) << step;
            }
            rec.Clear();
            if (HasFailure()) return;
        }
    }
    EXPECT_GT(defined, 1000); // a good part of the steps ran on defined graphs
}

// At a device pixel ratio of 2 a gentle slope climbs one image pixel at a time along the curve's
// unrounded points (rounded ones climb in stairs of 2), and a point sits where it lies.
TEST(GraphPrimitive, RatioTwoCurvesAreSmooth) {
    auto g = OpenGraph(232, 132, NoTicks); // one pixel per unit from (16, 16)
    g->DefineGraph(0, 200, 0, 100);
    g->DrawContent = [&] {
        g->CurveStart(0, 20);
        for (int i = 1; i <= 400; ++i) g->CurveTo(i * 0.5, 20 + 0.3 * i * 0.5);
        g->DrawPoint(100, 80.5); // half a unit between two rows
    };
    auto page = Picture::Make(232, 132, 32, 2);
    g->PrintGraphOn(*page->GetGraphics());
    const QImage& image = page->Image();
    const QRgb black = qRgb(0, 0, 0);
    int previous = -1, climbs = 0, stairs = 0;
    double offBy = 0;
    for (int x = 2 * 16 + 4; x < 2 * 216 - 4; ++x) {
        if (std::abs(x - 2 * 116) <= 12) continue; // the point's columns
        int top = 2 * 16 + 2;
        while (top < 2 * 116 && image.pixel(x, top) != black) ++top;
        ASSERT_LT(top, 2 * 116) << x;
        if (previous >= 0 && x != 2 * 116 + 13) {
            climbs += top != previous;
            stairs += std::abs(top - previous) > 1;
        }
        previous = top;
        // The stroke's middle, 2 x (unit + 0.5) for the unit at x + 0.5, lies 1 image pixel
        // below its top edge, within a pixel.
        const double unit = (x + 0.5) / 2 - 0.5 - 16;
        offBy = std::max(offBy, std::abs(top + 0.5 + 1 - 2 * (116 - 20 - 0.3 * unit + 0.5)));
    }
    EXPECT_EQ(stairs, 0);
    EXPECT_GT(climbs, 100);
    EXPECT_LE(offBy, 1.0);
    int lo = image.height(), hi = -1;
    for (int y = 2 * 30; y < 2 * 42; ++y)
        if (image.pixel(2 * 116 + 1, y) == black) lo = std::min(lo, y), hi = std::max(hi, y);
    EXPECT_EQ((lo + hi + 1) / 2.0, 2 * (116 - 80.5 + 0.5)); // the disc's middle row
}

// A redraw whose frame and axes are copied back from the last one shows what drawing them anew
// shows, after a change of anything they are drawn from; and each change shows.
TEST(GraphFrame, AKeptFrameIsRedrawnForEveryChangeOfWhatItShows) {
    double xMax = 10;
    const std::vector<std::function<void(Graph&)>> changes = {
        [](Graph&) {}, // the same again
        [](Graph& g) { g.SetTitle("Potential"); },
        [](Graph& g) { g.SetXLabel("x (nm)"); },
        [](Graph& g) { g.SetYLabel("V"); },
        [](Graph& g) { g.SetGrid(true); },
        [](Graph& g) {
            g.CGrid = {0, 200, 0};
        },
        [](Graph& g) { g.SetXMinTix(false); },
        [](Graph& g) { g.SetTickFontInfo("Helvetica", 12); },
        [](Graph& g) { g.SetFontInfo("Helvetica", 14, true, false); }, // the labels' font
        [](Graph& g) { g.MinLeftMargin = 80; },
        [&xMax](Graph&) { xMax = 20; },
    };
    auto g = OpenGraph(400, 250);
    g->DefineGraph(0, 10, -1, 1);
    g->DrawContent = [&] { g->GX->FillRect(200, 100, 8, 8); }; // over the frame, every time
    g->ReDrawAll();
    QImage before = g->GXP->Image().copy();
    for (std::size_t k = 0; k < changes.size(); ++k) {
        changes[k](*g);
        g->DefineGraph(0, xMax, -1, 1);
        g->GetContent();
        auto fresh = OpenGraph(400, 250);
        for (std::size_t j = 0; j <= k; ++j) changes[j](*fresh);
        fresh->DrawContent = [&] { fresh->GX->FillRect(200, 100, 8, 8); };
        fresh->DefineGraph(0, xMax, -1, 1);
        fresh->GetContent();
        EXPECT_EQ(g->GXP->Image(), fresh->GXP->Image()) << "change " << k;
        EXPECT_EQ(g->GXP->Image() == before, k == 0) << "change " << k;
        before = g->GXP->Image().copy();
    }
    // There and back, as a slider stepped by the keyboard goes.
    for (const double x : {10.0, 20.0, 10.0}) {
        g->DefineGraph(0, x, -1, 1);
        g->GetContent();
        auto fresh = OpenGraph(400, 250);
        for (const auto& change : changes) change(*fresh);
        fresh->DrawContent = [&] { fresh->GX->FillRect(200, 100, 8, 8); };
        fresh->DefineGraph(0, x, -1, 1);
        fresh->GetContent();
        EXPECT_EQ(g->GXP->Image(), fresh->GXP->Image()) << x;
    }
    // Content drawn over a kept frame is gone at the next redraw.
    g->DrawContent = {};
    g->ReDrawContent();
    EXPECT_EQ(g->GXP->Image().pixelColor(204, 104), QColor(Qt::white));
}
