// The structure of what the Graph draws, recorded by a paint device: frame, ticks, numbers,
// power notes, grid and zero lines, labels, formatted strings and every plot primitive.
// Positions that depend on text are computed from the font metrics.

#include "tests/graph/GraphSupport.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QStringList>

#include <cmath>

namespace {

using Kind = Recorded::Kind;

QString Pt(QPointF p) {
    return QString("%1,%2").arg(qRound(p.x())).arg(qRound(p.y()));
}

// One line per drawn item, in the terms of the drawing calls that Graphics hands to Qt.
QString Describe(const Recorded& r) {
    const QRect b = r.rect.toRect();
    const QString box = QString("%1,%2 %3x%4").arg(b.x()).arg(b.y()).arg(b.width()).arg(b.height());
    switch (r.kind) {
    case Kind::Line:
        return "line " + Pt(r.line.p1()) + " " + Pt(r.line.p2());
    case Kind::Rect:
        return "fill " + box;
    case Kind::Ellipse:
        return (r.Filled() ? "disc " : "oval ") + box;
    case Kind::Polygon: {
        QString s = r.Filled() ? "fill-poly" : "poly";
        for (QPointF p : r.poly) s += " " + Pt(p);
        return s;
    }
    case Kind::Text:
        return QString("text %1 %2 %3").arg(r.text, Pt(r.at)).arg(r.font.pixelSize());
    default:
        return "other " + box;
    }
}

QStringList Drawn(const Recording& rec) {
    QStringList out;
    for (const Recorded& r : rec.Items()) out << Describe(r);
    return out;
}

// What the next call draws, and nothing before it.
template <typename F> QStringList DrawnBy(Recording& rec, F call) {
    rec.Clear();
    call();
    return Drawn(rec);
}

QStringList Matching(const QStringList& all, const QString& prefix) {
    QStringList out;
    for (const QString& s : all)
        if (s.startsWith(prefix)) out << s;
    return out;
}

const Recorded* FindText(const Recording& rec, const QString& text) {
    for (const Recorded& r : rec.Items())
        if (r.kind == Kind::Text && r.text == text) return &r;
    return nullptr;
}

struct Metrics {
    QImage image{8, 8, QImage::Format_RGB32};
    Graphics g{&image};
    Metrics(const QString& font, int size, bool bold = false) {
        g.SetTextFont(font);
        g.SetTextSize(size);
        g.SetBold(bold);
    }
    int Width(const QString& text) { return qRound(g.StringWidth(text)); }
};

void NoYTicks(Graph& g) {
    g.SetYMajTix(false);
    g.SetYMinTix(false);
}

void NoTicks(Graph& g) {
    NoYTicks(g);
    g.SetXMajTix(false);
    g.SetXMinTix(false);
}

// A frame 200 x 100 pixels at (16, 16) for 0 ... 200 by 0 ... 100: one pixel per unit.
std::unique_ptr<Graph> UnitGraph() {
    auto g = OpenGraph(232, 132, NoTicks);
    g->DefineGraph(0, 200, 0, 100);
    return g;
}

} // namespace

TEST(GraphDraw, FrameLinesLieOnTheMappedEdges) {
    auto g = OpenGraph(300, 200, NoTicks);
    Recording rec(*g);
    g->DefineGraph(0, 1, 0, 1);
    const QStringList fills = Matching(Drawn(rec), "fill");
    EXPECT_EQ(fills, QStringList({"fill 0,0 300x200", "fill 16,16 269x1", "fill 16,184 269x1",
                                  "fill 16,16 1x169", "fill 284,16 1x169"}));
    EXPECT_EQ(g->XCoord(1), 284);
    EXPECT_EQ(g->YCoord(0), 184);
}

TEST(GraphDraw, XTicksAndNumbersOfZeroToTen) {
    auto g = OpenGraph(432, 200, NoYTicks); // a 400-pixel frame from 16
    Recording rec(*g);
    g->DefineGraph(0, 10, 0, 1);
    ASSERT_EQ(g->GWidth, 400);
    const int bottom = g->GTop + g->GHeight;
    const QStringList all = Drawn(rec);
    Metrics m("Helvetica", 9);
    int minor = 0;
    for (int k = 0; k <= 50; ++k) {
        const int px = 16 + 8 * k;
        const bool major = k % 5 == 0;
        const QString tick =
            QString("line %1,%2 %1,%3").arg(px).arg(bottom).arg(bottom + (major ? 5 : 3));
        EXPECT_TRUE(all.contains(tick)) << tick.toStdString();
        minor += !major;
        if (major) {
            const QString number = QString::number(k / 5);
            const QString text = QString("text %1 %2,%3 9")
                                     .arg(number)
                                     .arg(px - qRound(m.g.StringWidth(number) / 2))
                                     .arg(bottom + 15);
            EXPECT_TRUE(all.contains(text)) << text.toStdString();
        }
    }
    EXPECT_EQ(minor, 40);
    EXPECT_EQ(Matching(all, "line").size(), 51);
    EXPECT_EQ(Matching(all, "text").size(), 11); // no power note
}

TEST(GraphDraw, TickBitsDecideMinorTicksAndNumbers) {
    auto g = OpenGraph(432, 200, NoYTicks);
    g->SetXMinTix(false);
    Recording rec(*g);
    g->DefineGraph(0, 10, 0, 1);
    EXPECT_EQ(Matching(Drawn(rec), "line").size(), 11);
    EXPECT_EQ(Matching(Drawn(rec), "text").size(), 11);
    g->SetXMajTix(false);
    g->SetXMinTix(true); // minor ticks alone still bring labelled ones
    rec.Clear();
    g->ReDrawAll();
    EXPECT_EQ(Matching(Drawn(rec), "line").size(), 51);
    g->SetXMinTix(false);
    rec.Clear();
    g->ReDrawAll();
    EXPECT_EQ(Matching(Drawn(rec), "line").size(), 0);
    EXPECT_EQ(Matching(Drawn(rec), "text").size(), 0);
    EXPECT_EQ(g->GTop + g->GHeight, 200 - 16);
}

TEST(GraphDraw, PowerNoteUnderTheLastNumber) {
    auto g = OpenGraph(432, 200, NoYTicks);
    Recording rec(*g);
    g->DefineGraph(0, 20000, 0, 1);
    ASSERT_EQ(g->XTPower, 3);
    const int bottom = g->GTop + g->GHeight;
    const int last = g->GLeft + g->GWidth;
    ASSERT_NE(FindText(rec, "20"), nullptr);
    EXPECT_EQ(FindText(rec, "20")->at.x(),
              last - qRound(Metrics("Helvetica", 9).g.StringWidth("20") / 2));
    const Recorded* x10 = FindText(rec, "x10");
    const Recorded* three = FindText(rec, "3");
    ASSERT_NE(x10, nullptr);
    ASSERT_NE(three, nullptr);
    EXPECT_TRUE(x10->font.bold());
    EXPECT_EQ(x10->font.pixelSize(), 9);
    EXPECT_EQ(three->font.pixelSize(), 6); // round(0.72 x 9)
    const int width =
        Metrics("Helvetica", 9, true).Width("x10") + Metrics("Helvetica", 6, true).Width("3");
    EXPECT_EQ(x10->at, QPointF(last - qRound(width / 2.0), bottom + 25));
    EXPECT_EQ(three->at,
              QPointF(x10->at.x() + Metrics("Helvetica", 9, true).Width("x10"), bottom + 22));
}

TEST(GraphDraw, YNumbersAreRightAlignedAndThePowerNoteSitsBelowTheTop) {
    auto g = OpenGraph(300, 200);
    Recording rec(*g);
    g->DefineGraph(0, 1, 0, 20000);
    Metrics m("Helvetica", 9);
    for (int v = 0; v <= 20; v += 5) {
        const QString n = QString::number(v);
        const Recorded* t = FindText(rec, n);
        ASSERT_NE(t, nullptr) << v;
        EXPECT_EQ(t->at.x() + m.Width(n), g->GLeft - 7);
        EXPECT_EQ(t->at.y(), g->YCoord(v * 1000) + 3);
    }
    const Recorded* x10 = FindText(rec, "x10");
    const Recorded* three = FindText(rec, "3");
    ASSERT_NE(x10, nullptr);
    ASSERT_NE(three, nullptr);
    EXPECT_EQ(three->at.x() + Metrics("Helvetica", 6, true).Width("3"), g->GLeft - 7);
    EXPECT_EQ(x10->at.y(), g->GTop + 13);
}

TEST(GraphDraw, GridStopsShortOfTheFrameAndSkipsItsEdges) {
    auto g = OpenGraph(432, 200);
    g->SetGrid(true);
    Recording rec(*g);
    g->DefineGraph(0, 10, -1, 1);
    const int top = g->GTop;
    const int bottom = g->GTop + g->GHeight;
    const int left = g->GLeft;
    const int right = g->GLeft + g->GWidth;
    int vertical = 0;
    int horizontal = 0;
    for (const Recorded& r : rec.OfKind(Kind::Line)) {
        if (r.pen != QColor(180, 180, 180)) continue;
        const Seg s = SegOf(r);
        if (s.x1 == s.x2) {
            ++vertical;
            EXPECT_EQ(s, (Seg{s.x1, bottom - 1, s.x1, top + 1}));
            EXPECT_NE(s.x1, left);
            EXPECT_NE(s.x1, right);
        } else {
            ++horizontal;
            EXPECT_EQ(s, (Seg{left + 1, s.y1, right - 1, s.y1}));
            EXPECT_NE(s.y1, top);
            EXPECT_NE(s.y1, bottom);
        }
    }
    EXPECT_EQ(vertical, 9);   // 1 ... 9
    EXPECT_EQ(horizontal, 3); // -0.5, 0, 0.5
    EXPECT_EQ(g->GX->ForeColor(), (Color{0, 0, 0}));

    auto bare = OpenGraph(300, 200, NoTicks);
    bare->SetGrid(true);
    Recording bareRec(*bare);
    bare->DefineGraph(0, 10, 0, 1);
    const Seg first = SegOf(bareRec.OfKind(Kind::Line).front());
    EXPECT_EQ(first.y1, bare->GTop + bare->GHeight); // without ticks the grid meets the frame
}

TEST(GraphDraw, ZeroLinesOnlyWhereZeroIsInside) {
    auto g = OpenGraph(300, 200, NoTicks);
    g->SetXZeroLn(true);
    g->SetYZeroLn(true);
    Recording rec(*g);
    g->SetColor({0, 0, 255});
    g->DefineGraph(-5, 5, -1, 1);
    EXPECT_EQ(Matching(Drawn(rec), "line"),
              QStringList({"line 150,184 150,16", "line 16,100 284,100"}));
    EXPECT_EQ(rec.OfKind(Kind::Line)[0].pen, QColor(Qt::black));
    EXPECT_EQ(g->GX->ForeColor(), (Color{0, 0, 255}));
    rec.Clear();
    g->DefineGraph(0, 5, 0, 1);
    EXPECT_TRUE(Matching(Drawn(rec), "line").isEmpty());
}

TEST(GraphDraw, TitleAndLabelsAroundTheFrame) {
    auto g = OpenGraph(450, 204);
    g->SetTitle("Potential");
    g->SetXLabel("x (nm)");
    g->SetYLabel("V");
    Recording rec(*g);
    g->DefineGraph(-1.8, 1.8, 0, 20);
    Metrics m("Helvetica", 10);
    const int h = m.g.TextHeight();
    const int cx = g->GLeft + qRound(g->GWidth / 2.0);
    const Recorded* title = FindText(rec, "Potential");
    const Recorded* xLabel = FindText(rec, "x (nm)");
    const Recorded* yLabel = FindText(rec, "V");
    ASSERT_TRUE(title && xLabel && yLabel);
    // Anchor 5 on a one-line block: centred, baseline half a line below the point, less 2.
    EXPECT_EQ(title->at, QPointF(cx - qRound(m.Width("Potential") / 2.0),
                                 g->GTop - 8 - qRound(h / 2.0) + qRound(h / 2.0) - 2));
    EXPECT_EQ(xLabel->at,
              QPointF(cx - qRound(m.Width("x (nm)") / 2.0),
                      g->GTop + g->GHeight + 22 + qRound(h / 2.0) + qRound(h / 2.0) - 2));
    const int yBase = g->GLeft - g->zYTickWidth() - 16;
    EXPECT_LE(std::abs(yLabel->at.x() + m.Width("V") - yBase), 1);
    EXPECT_EQ(yLabel->at.y(), g->GTop + qRound(g->GHeight / 2.0) + qRound(h / 2.0) - 2);
}

TEST(GraphDraw, ContextStyleSurvivesEveryRedraw) {
    auto g = OpenGraph(450, 204);
    g->SetGrid(true);
    g->SetXZeroLn(true);
    g->SetTitle("E^2^ $a$ !b!");
    g->DefineGraph(-1, 1, 0, 30000);
    g->SetColor({10, 20, 30});
    g->SetFontInfo("System", 13, true, true);
    g->DrawContent = [&] { g->DrawBar(0, 10000, 0.5); };
    g->ReDrawAll();
    EXPECT_EQ(g->GX->ForeColor(), (Color{10, 20, 30}));
    EXPECT_EQ(g->GX->TextFont(), "System");
    EXPECT_EQ(g->GX->TextSize(), 13);
    EXPECT_TRUE(g->GX->Bold());
    EXPECT_TRUE(g->GX->Italic());
}

TEST(GraphString, AllNineAnchorsOfATwoLineString) {
    auto g = OpenGraph(300, 200);
    Metrics m("Helvetica", 10);
    const int h = m.g.TextHeight();
    const int a = m.Width("a");
    const int b = m.Width("bbb");
    const QString s = g->SetSString("a|bbb");
    Recording rec(*g);
    struct Want {
        int anchor, x1, y1, x2;
    };
    const Want want[] = {{1, 100, 100 - h, 100},
                         {2, 100 - qRound(a / 2.0), 100 - h, 100 - qRound(b / 2.0)},
                         {3, 100 - a, 100 - h, 100 - b},
                         {4, 100, 98, 100},
                         {5, 100 - qRound(a / 2.0), 98, 100 - qRound(b / 2.0)},
                         {6, 100 - a, 98, 100 - b},
                         {7, 100, 100 + h - 2, 100},
                         {8, 100 - qRound(a / 2.0), 100 + h - 2, 100 - qRound(b / 2.0)},
                         {9, 100 - a, 100 + h - 2, 100 - b},
                         {0, 100, 100, 100}};
    for (const Want& w : want) {
        const QStringList drawn = DrawnBy(rec, [&] { g->DrawSString(s, 100, 100, w.anchor); });
        EXPECT_EQ(drawn, QStringList({QString("text a %1,%2 10").arg(w.x1).arg(w.y1),
                                      QString("text bbb %1,%2 10").arg(w.x2).arg(w.y1 + h)}))
            << "anchor " << w.anchor;
    }
}

TEST(GraphString, RunsDrawnWithTheirStyle) {
    auto g = OpenGraph(300, 200);
    Recording rec(*g);
    const int e = Metrics("Helvetica", 10).Width("E");
    EXPECT_EQ(DrawnBy(rec, [&] { g->DrawSString(g->SetSString("E^2^"), 50, 60); }),
              QStringList({"text E 50,60 10", QString("text 2 %1,57 7").arg(50 + e)}));
    EXPECT_EQ(DrawnBy(rec, [&] { g->DrawSString(g->SetSString("E^2 x"), 50, 60); }).last(),
              QString("text  x %1,60 10").arg(50 + e + Metrics("Helvetica", 7).Width("2")));
    ASSERT_NE(FindText(rec, " x"), nullptr);
    EXPECT_EQ(FindText(rec, " x")->font.pixelSize(), 10);
    DrawnBy(rec, [&] { g->DrawSString(g->SetSString("$a$b"), 50, 60); });
    ASSERT_NE(FindText(rec, QString::fromUtf8("α")), nullptr);
    EXPECT_NE(FindText(rec, "b"), nullptr);
    EXPECT_EQ(DrawnBy(rec, [&] { g->DrawSString(g->SetSString("#14#x"), 50, 60); }),
              QStringList({"text x 50,60 14"}));
    EXPECT_EQ(DrawnBy(rec, [&] { g->DrawSString(g->SetSString("ab#14"), 50, 60); }),
              QStringList({"text ab 50,60 10"}));
    // Plain markup is encoded first: the same as drawing its encoded form.
    const QStringList plain = DrawnBy(rec, [&] { g->DrawSString("a|bb", 50, 60, 5); });
    EXPECT_EQ(plain, DrawnBy(rec, [&] { g->DrawSString(g->SetSString("a|bb"), 50, 60, 5); }));
}

TEST(GraphPrimitive, EveryMarkerShape) {
    auto g = UnitGraph();
    Recording rec(*g);
    auto shape = [&](int s) { return DrawnBy(rec, [&] { g->DrawShape(100, 50, s); }); };
    // The centre is pixel (116, 66).
    EXPECT_EQ(shape(1), QStringList({"oval 114,64 4x4"}));
    EXPECT_EQ(shape(2), QStringList({"fill 114,64 5x5"}));
    EXPECT_EQ(shape(3), QStringList({"fill 114,64 4x1", "fill 114,67 4x1", "fill 114,64 1x4",
                                     "fill 117,64 1x4"}));
    EXPECT_EQ(shape(4), QStringList({"line 114,64 118,68", "line 114,68 118,64"}));
    EXPECT_EQ(shape(5), QStringList({"line 116,63 116,69", "line 113,66 119,66"}));
    EXPECT_EQ(shape(6),
              QStringList({"oval 113,63 6x6", "line 114,64 118,68", "line 114,68 118,64"}));
    EXPECT_EQ(shape(7),
              QStringList({"oval 113,63 6x6", "line 116,63 116,69", "line 113,66 119,66"}));
    EXPECT_EQ(shape(8), QStringList({"fill-poly 112,63 116,70 120,63"}));
    EXPECT_EQ(shape(9), QStringList({"poly 113,64 116,69 119,64"}));
    EXPECT_EQ(shape(0), QStringList({"disc 114,64 4x4"}));
    EXPECT_EQ(shape(10), shape(0));
    EXPECT_FALSE(g->RErr);
    EXPECT_TRUE(DrawnBy(rec, [&] { g->DrawShape(100, 101, 2); }).isEmpty());
    EXPECT_TRUE(g->RErr);
}

TEST(GraphPrimitive, PointsAtTheCornerAndJustOutside) {
    auto g = UnitGraph();
    Recording rec(*g);
    EXPECT_EQ(DrawnBy(rec, [&] { g->DrawPoint(0, 0); }), QStringList({"disc 14,114 4x4"}));
    EXPECT_TRUE(DrawnBy(rec, [&] { g->DrawPoint(-0.01, 0); }).isEmpty());
    EXPECT_TRUE(g->RErr);
    // A sticky flag stays set through calls that are in range.
    g->DrawPoint(10, 10);
    g->CurveTo(20, 20);
    g->DrawVector(10, 10, 30, 0);
    g->DrawXUBar(50, 50, 1, 1);
    EXPECT_TRUE(g->RErr);
    g->RErr = false;
    g->DrawPoint(10, 10);
    EXPECT_FALSE(g->RErr);
}

TEST(GraphPrimitive, CurveLeavesThroughTheTopAndComesBack) {
    auto g = UnitGraph();
    Recording rec(*g);
    const QStringList drawn = DrawnBy(rec, [&] {
        g->CurveStart(0, 50);
        g->CurveTo(20, 80);
        g->CurveTo(30, 120);
        g->CurveTo(40, 150);
        g->CurveTo(50, 80);
        g->CurveTo(60, 50);
    });
    EXPECT_EQ(drawn, QStringList({"line 16,66 36,36", "line 56,16 66,36", "line 66,36 76,66"}));
    EXPECT_TRUE(g->RErr);
    EXPECT_EQ(g->PrevCurvH, 76);
    EXPECT_EQ(g->PrevCurvV, 66);
}

TEST(GraphPrimitive, ArrowsWithAndWithoutHeads) {
    auto g = UnitGraph();
    Recording rec(*g);
    auto arrow = [&](double x, double dx, double dy) {
        return DrawnBy(rec, [&] { g->DrawVector(x, 50, dx, dy); });
    };
    EXPECT_EQ(arrow(50, 40, 0), QStringList({"line 66,66 106,66", "fill-poly 106,66 96,61 96,71"}));
    EXPECT_EQ(arrow(50, 0, 40), QStringList({"line 66,66 66,26", "fill-poly 66,26 61,36 71,36"}));
    EXPECT_EQ(arrow(50, 15, 0), QStringList({"line 66,66 81,66", "fill-poly 81,66 73,62 73,70"}));
    EXPECT_EQ(arrow(50, 8, 0), QStringList({"line 66,66 74,66"}));
    EXPECT_TRUE(arrow(50, 2, 0).isEmpty());
    EXPECT_FALSE(g->RErr);
    EXPECT_EQ(arrow(190, 40, 0), QStringList({"line 206,66 216,66"})); // tip outside: no head
    EXPECT_TRUE(g->RErr);
}

TEST(GraphPrimitive, BarsOutlinedInBlackOrFilled) {
    auto g = UnitGraph();
    Recording rec(*g);
    const QStringList outline = {"fill 56,86 21x1", "fill 56,116 21x1", "fill 56,86 1x31",
                                 "fill 76,86 1x31"};
    EXPECT_EQ(DrawnBy(rec, [&] { g->DrawBar(50, 30, 20); }), outline);
    g->SetColor({255, 0, 0});
    EXPECT_EQ(DrawnBy(rec, [&] { g->DrawBar(50, 30, 20); }),
              QStringList{"fill 56,86 21x31"} + outline);
    EXPECT_EQ(rec.Items()[0].fill, QColor(255, 0, 0));
    EXPECT_EQ(rec.Items()[1].fill, QColor(0, 0, 0));
    EXPECT_EQ(g->GX->ForeColor(), (Color{255, 0, 0}));
    EXPECT_TRUE(DrawnBy(rec, [&] { g->DrawBar(50, 30, 0); }).isEmpty());
    EXPECT_TRUE(DrawnBy(rec, [&] { g->DrawBar(50, 0, 20); }).isEmpty());
}

TEST(GraphPrimitive, ErrorBarsWithClippedEnds) {
    auto g = UnitGraph();
    Recording rec(*g);
    auto xBar = [&](double x, double plus, double minus) {
        return DrawnBy(rec, [&] { g->DrawXUBar(x, 50, plus, minus); });
    };
    EXPECT_EQ(xBar(100, 10, 20),
              QStringList({"line 96,69 96,63", "line 126,69 126,63", "line 96,66 126,66"}));
    EXPECT_FALSE(g->RErr);
    EXPECT_EQ(xBar(195, 10, 5), QStringList({"line 206,69 206,63", "line 206,66 216,66"}));
    EXPECT_TRUE(g->RErr);
    EXPECT_TRUE(xBar(300, 10, 20).isEmpty()); // wholly beyond the right edge
    EXPECT_EQ(xBar(100, 500, 500), QStringList({"line 16,66 216,66"}));
    EXPECT_TRUE(DrawnBy(rec, [&] { g->DrawXUBar(100, 150, 1, 1); }).isEmpty());

    g->RErr = false;
    EXPECT_EQ(DrawnBy(rec, [&] { g->DrawYUBar(100, 50, 10, 20); }),
              QStringList({"line 119,86 113,86", "line 119,56 113,56", "line 116,86 116,56"}));
    EXPECT_FALSE(g->RErr);
    EXPECT_EQ(DrawnBy(rec, [&] { g->DrawYUBar(100, 50, 100, 100); }),
              QStringList({"line 116,116 116,16"}));
    EXPECT_TRUE(g->RErr);
}
