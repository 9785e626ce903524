// The Graph object without looking at what it draws: opening, square scales, mapping, failures
// and the state each leaves, scrolling, resizing, printing and closing.

#include "tests/graph/GraphSupport.h"

#include <gtest/gtest.h>

#include <QScrollBar>

#include <cmath>

namespace {

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

    // Close releases the picture, then raises Close.
    bool pictureAtClose = true;
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
        {[&] { g->DefineGraph(1, 1, 0, 1); }, "zDefineXAxis: x axis range is 0"},
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

TEST(GraphScroll, VirtualWidthOnANarrowerControlAndResizing) {
    QScrollBar bar(Qt::Horizontal), vertical(Qt::Vertical);
    Graph g;
    g.resize(400, 200);
    g.DepthQuery = [] { return 32; };
    g.ScrollQueryH = [&] { return &bar; };
    g.ScrollQueryV = [&] { return &vertical; };
    g.WidthQuery = [] { return 1000; };
    QObject::connect(&bar, &QScrollBar::valueChanged, [&](int v) { g.HandleHScroll(v); });
    g.Event_Open();
    EXPECT_EQ(QSize(g.FWidth, g.FHeight), QSize(1000, 200));
    EXPECT_EQ(QPoint(bar.minimum(), bar.maximum()), QPoint(0, 600));
    // A mark at picture column 700 shows at control column 700 - offset.
    g.SetColor({255, 0, 0});
    g.GX->DrawLine(700, 0, 700, 199);
    bar.setValue(350);
    EXPECT_EQ(g.ScreenImage().pixelColor(350, 50), QColor(255, 0, 0));
    EXPECT_EQ(g.ScreenImage().pixelColor(100, 50), QColor(Qt::white));

    // A wider control needs less scrolling, then none; with both bars the picture is kept.
    const Picture* picture = g.GXP.get();
    g.resize(800, 200);
    g.HandleResize();
    EXPECT_EQ(QPoint(bar.maximum(), g.ScPixH), QPoint(200, 200));
    g.resize(1200, 200);
    g.HandleResize();
    EXPECT_FALSE(bar.isEnabled());
    EXPECT_EQ(QPoint(g.ScPixH, g.FWidth), QPoint(0, 1000));
    EXPECT_EQ(g.GXP.get(), picture);

    // Without bars the picture follows the control, redrawn in the owner's colour and font.
    auto n = OpenGraph(300, 200, NoTicks);
    n->DefineGraph(0, 1, 0, 1);
    n->SetColor({0, 0, 255});
    n->SetFontInfo("System", 13, true, true);
    n->resize(400, 250);
    n->HandleResize();
    EXPECT_EQ(QSize(n->GXP->Width(), n->GXP->Height()), QSize(400, 250));
    EXPECT_EQ(QSize(n->GWidth, n->GHeight), QSize(368, 218));
    EXPECT_EQ(n->GX, n->GXP->GetGraphics());
    EXPECT_EQ(StateOf(*n->GX), (GraphicsState{{0, 0, 255}, {"System", 13, true, true}}));
    EXPECT_EQ(n->ScreenImage().size(), QSize(400, 250));
    EXPECT_EQ(n->ScreenImage().pixelColor(16, 16), QColor(Qt::black)); // redrawn and shown
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

    g->Printing = true; // while printing the screen is left alone
    g->GX->FillRect(0, 0, 10, 10);
    g->UpdateScreen();
    EXPECT_EQ(g->ScreenImage().pixelColor(5, 5), QColor(Qt::white));

    // A failed print leaves the graph drawing into its picture again.
    auto undefined = OpenGraph(300, 200);
    EXPECT_EQ(ErrorOf([&] { undefined->PrintGraphOn(pageGx); }),
              "ReDrawAll: Graph has not been defined");
    EXPECT_EQ(undefined->GX, undefined->GXP->GetGraphics());
    EXPECT_FALSE(undefined->Printing);
}
