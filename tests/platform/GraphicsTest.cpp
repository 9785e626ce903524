// The pixel rules the plots rely on at device pixel ratio 1 and 2, text, and the canvas' mouse.
#include "platform/Canvas.h"
#include "platform/Fonts.h"
#include "platform/Picture.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QTest>

#include <functional>

namespace {

constexpr QRgb kWhite = 0xffffffff, kBlack = 0xff000000;

std::unique_ptr<Picture> Blank(int w = 40, int h = 40, double ratio = 1) {
    auto p = Picture::Make(w, h, 32, ratio);
    EXPECT_TRUE(p);
    return p;
}

// The units that are not white and their box, from r x r blocks that must be of one colour.
struct Ink {
    std::vector<QPoint> units;
    QRect box;
};
Ink InkOf(const Picture& p) {
    Ink ink;
    const QImage& img = p.Image();
    const int r = int(img.devicePixelRatio());
    for (int y = 0; y < p.Height(); ++y)
        for (int x = 0; x < p.Width(); ++x) {
            const QRgb c = img.pixel(r * x, r * y);
            for (int d = 1; d < r * r; ++d)
                EXPECT_EQ(img.pixel(r * x + d % r, r * y + d / r), c) << x << "," << y;
            if (c != kWhite) ink.units.push_back({x, y}), ink.box |= QRect(x, y, 1, 1);
        }
    return ink;
}

} // namespace

TEST(Graphics, ShapesCoverExactlyTheirPixels) {
    using G = Graphics;
    static const std::vector<Point> kTriangle = {{10, 10}, {14, 17}, {18, 10}};
    // The box of the pixels each covers and their count (-1: not checked).
    const std::tuple<std::function<void(G&)>, QRect, int> cases[] = {
        {[](G& g) { g.DrawLine(3, 5, 12, 5); }, {3, 5, 10, 1}, 10}, // both ends
        {[](G& g) { g.DrawLine(7, 20, 7, 4); }, {7, 4, 1, 17}, 17}, // upwards
        {[](G& g) { g.DrawLine(9, 9, 9, 9); }, {9, 9, 1, 1}, 1},
        {[](G& g) { g.DrawRect(10, 10, 5, 5); }, {10, 10, 5, 5}, 16},
        {[](G& g) { g.FillRect(10, 10, 5, 3); }, {10, 10, 5, 3}, 15},
        {[](G& g) { g.FillRect(20, 20, -4, -6); }, {16, 14, 4, 6}, 24}, // signed sizes
        {[](G& g) { g.FillRect(5, 5, 0, 10), g.DrawRect(5, 5, 10, 0); }, {}, 0},
        {[](G& g) { g.FillOval(10, 10, 5, 5); }, {10, 10, 5, 5}, -1},
        {[](G& g) { g.DrawOval(10, 10, 7, 7); }, {10, 10, 7, 7}, -1},
        {[](G& g) { g.FillPolygon(kTriangle); }, {10, 10, 9, 8}, -1}};
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto& [draw, box, count] = cases[i];
        auto p = Blank();
        draw(*p->GetGraphics());
        const Ink ink = InkOf(*p);
        EXPECT_EQ(ink.box, box) << i;
        EXPECT_TRUE(count < 0 || int(ink.units.size()) == count) << i;
    }
    auto p = Blank();
    p->GetGraphics()->FillOval(20, 20, 5, 5);
    p->GetGraphics()->DrawOval(30, 30, 7, 7);
    EXPECT_EQ(p->Image().pixel(22, 22), kBlack); // a filled centre
    EXPECT_EQ(p->Image().pixel(33, 33), kWhite); // an outline only
}

TEST(Picture, SizesAndRatioTwo) {
    EXPECT_FALSE(Picture::Make(0, 10, 32) || Picture::Make(10, -1, 32) ||
                 Picture::Make(100000, 100000, 32));
    // At ratio 2 every unit is 2 x 2 image pixels, and strokes cover the units of ratio 1.
    auto one = Blank(16, 14), two = Blank(16, 14, 2);
    EXPECT_EQ(QSize(two->Width(), two->GetGraphics()->Width()), QSize(16, 16));
    EXPECT_EQ(two->Image().size(), QSize(32, 28));
    for (Graphics* g : {one->GetGraphics(), two->GetGraphics()}) {
        g->DrawLine(2, 3, 7, 3);
        g->DrawLine(5, 5, 5, 8);
        g->DrawRect(10, 1, 4, 3);
        g->FillRect(1, 10, 2, 2);
    }
    EXPECT_EQ(InkOf(*two).units, InkOf(*one).units);
}

TEST(Graphics, TextIsMeasuredAsDrawnAndSymbolIsGreek) {
    auto p = Blank(300, 60);
    Graphics& g = *p->GetGraphics();
    g.SetTextFont("Helvetica");
    g.SetTextSize(20);
    const double width = g.StringWidth("Wave HH");
    g.DrawString("Wave HH", 50, 40);
    const Ink ink = InkOf(*p);
    ASSERT_FALSE(ink.units.empty());
    // The ink lies within the advance, give or take a side bearing; no descenders below 40.
    EXPECT_GE(ink.box.left(), 50 - 2);
    EXPECT_NEAR(ink.box.right(), 50 + width - 1, 3);
    EXPECT_LE(ink.box.bottom(), 40 + 1);
    EXPECT_GT(g.TextHeight(), 20);
    EXPECT_EQ(SymbolToUnicode("abW1 y"), QString::fromUtf8("αβΩ1 ψ"));
    auto a = Blank(100, 40), b = Blank(100, 40);
    a->GetGraphics()->SetTextFont("Symbol");
    a->GetGraphics()->DrawString("p", 10, 30);
    b->GetGraphics()->SetTextFont("System");
    b->GetGraphics()->DrawString(QString::fromUtf8("π"), 10, 30);
    EXPECT_EQ(a->Image(), b->Image());
    EXPECT_EQ(a->GetGraphics()->StringWidth("p"), b->GetGraphics()->StringWidth("π"));

    // Texts laid out once and kept are drawn to the pixels that drawing them afresh gives, in
    // each font and at ratio 2, the second time as the first.
    for (const double ratio : {1.0, 2.0}) {
        for (const bool bold : {false, true}) {
            auto kept = Blank(200, 60, ratio);
            Graphics& k = *kept->GetGraphics();
            k.SetTextSize(bold ? 14 : 10);
            k.SetBold(bold);
            QImage fresh = kept->Image().copy();
            QPainter painter(&fresh);
            painter.setFont(ResolveFont("System", bold ? 14 : 10, bold, false));
            for (int drawn = 0; drawn < 2; ++drawn) {
                k.DrawString("-0.25 Energy (eV)", 7, 20 + 25 * drawn);
                painter.drawText(QPoint(7, 20 + 25 * drawn), "-0.25 Energy (eV)");
            }
            painter.end();
            EXPECT_NE(kept->Image(), Blank(200, 60, ratio)->Image());
            EXPECT_EQ(kept->Image(), fresh) << ratio << bold;
        }
    }
}

TEST(Canvas, DragAndUpFollowOnlyAnAcceptedPress) {
    Canvas canvas;
    canvas.resize(100, 80);
    canvas.show();
    QStringList log;
    bool accept = false;
    auto note = [&log](const char* what) {
        return [&log, what](int x, int y) { log << QString("%1 %2,%3").arg(what).arg(x).arg(y); };
    };
    canvas.MouseDown = [&](int x, int y) { return note("down")(x, y), accept; };
    canvas.MouseDrag = note("drag");
    canvas.MouseUp = note("up");
    canvas.MouseMove = note("move");
    auto drag = [&] {
        log.clear();
        QTest::mousePress(&canvas, Qt::LeftButton, {}, {10, 20});
        const QPoint to(15, 40);
        QMouseEvent move(QEvent::MouseMove, to, canvas.mapToGlobal(to), Qt::NoButton,
                         Qt::LeftButton, {});
        QApplication::sendEvent(&canvas, &move);
        QTest::mouseRelease(&canvas, Qt::LeftButton, {}, to);
        return log;
    };
    EXPECT_EQ(drag(), QStringList({"down 10,20"}));
    accept = true;
    EXPECT_EQ(drag(), QStringList({"down 10,20", "drag 15,40", "up 15,40"}));
    log.clear();
    QTest::mouseMove(&canvas, {30, 30});
    EXPECT_TRUE(log.endsWith("move 30,30"));
}
