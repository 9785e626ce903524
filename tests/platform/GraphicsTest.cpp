// The pixel rules that the plots rely on: they are compared pixel by pixel.
#include "platform/Fonts.h"
#include "platform/Picture.h"

#include <gtest/gtest.h>

#include <QImage>

#include <functional>

namespace {

constexpr QRgb kWhite = 0xffffffff;

// The bounding box of every non-white pixel, and how many there are.
struct Ink {
    QRect box;
    int count = 0;
};

Ink InkOf(const QImage& image) {
    Ink ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != kWhite) ink.box |= QRect(x, y, 1, 1), ++ink.count;
    return ink;
}

std::unique_ptr<Picture> Blank(int w = 40, int h = 40) {
    auto p = Picture::Make(w, h, 32);
    EXPECT_TRUE(p);
    return p;
}

} // namespace

TEST(Graphics, ShapesCoverExactlyTheirPixels) {
    struct Case {
        const char* what;
        std::function<void(Graphics&)> draw;
        QRect box;
        int count; // -1: not checked
    };
    const Case cases[] = {
        {"line, both ends", [](Graphics& g) { g.DrawLine(3, 5, 12, 5); }, {3, 5, 10, 1}, 10},
        {"line upwards", [](Graphics& g) { g.DrawLine(7, 20, 7, 4); }, {7, 4, 1, 17}, 17},
        {"diagonal", [](Graphics& g) { g.DrawLine(2, 2, 10, 10); }, {2, 2, 9, 9}, 9},
        {"point", [](Graphics& g) { g.DrawLine(9, 9, 9, 9); }, {9, 9, 1, 1}, 1},
        {"outline", [](Graphics& g) { g.DrawRect(10, 10, 5, 5); }, {10, 10, 5, 5}, 16},
        {"fill", [](Graphics& g) { g.FillRect(10, 10, 5, 3); }, {10, 10, 5, 3}, 15},
        {"signed sizes", [](Graphics& g) { g.FillRect(20, 20, -4, -6); }, {16, 14, 4, 6}, 24},
        {"empty", [](Graphics& g) { g.FillRect(5, 5, 0, 10), g.DrawRect(5, 5, 10, 0); }, {}, 0},
        {"disc", [](Graphics& g) { g.FillOval(10, 10, 5, 5); }, {10, 10, 5, 5}, -1},
        {"oval", [](Graphics& g) { g.DrawOval(10, 10, 7, 7); }, {10, 10, 7, 7}, -1},
        {"triangle",
         [](Graphics& g) {
             g.FillPolygon({{10, 10}, {14, 17}, {18, 10}});
         },
         {10, 10, 9, 8},
         -1}};
    for (const Case& c : cases) {
        auto p = Blank();
        c.draw(*p->GetGraphics());
        const Ink ink = InkOf(p->Image());
        EXPECT_EQ(ink.box, c.box) << c.what;
        if (c.count >= 0) {
            EXPECT_EQ(ink.count, c.count) << c.what;
        }
    }
    auto p = Blank();
    Graphics& g = *p->GetGraphics();
    g.DrawRect(10, 10, 5, 5);
    g.FillOval(20, 20, 5, 5);
    g.DrawOval(30, 30, 7, 7);
    EXPECT_EQ(p->Image().pixel(12, 12), kWhite);        // an outline only
    EXPECT_EQ(p->Image().pixel(22, 22), qRgb(0, 0, 0)); // a filled centre
    EXPECT_EQ(p->Image().pixel(33, 33), kWhite);
    g.SetForeColor({255, 0, 0});
    EXPECT_EQ(g.ForeColor(), (Color{255, 0, 0}));
    g.DrawLine(0, 0, 5, 0);
    EXPECT_EQ(p->Image().pixel(0, 0), qRgb(255, 0, 0));
}

TEST(Graphics, TextIsMeasuredAsDrawnAndSymbolIsGreek) {
    auto p = Blank(300, 60);
    Graphics& g = *p->GetGraphics();
    g.SetTextFont("Helvetica");
    g.SetTextSize(20);
    const double width = g.StringWidth("Wave HH");
    g.DrawString("Wave HH", 50, 40);
    const Ink ink = InkOf(p->Image());
    ASSERT_GT(ink.count, 0);
    // The glyphs' ink lies within the advance, give or take a side bearing of a pixel or two;
    // "Wave HH" has no descenders, so its ink ends at the baseline.
    EXPECT_GE(ink.box.left(), 50 - 2);
    EXPECT_LE(ink.box.right(), 50 + width + 2);
    EXPECT_GE(ink.box.right(), 50 + width - 4);
    EXPECT_LE(ink.box.bottom(), 40 + 1);
    EXPECT_GT(g.TextHeight(), 20);
    EXPECT_GT(g.StringWidth("WWW"), g.StringWidth("iii"));
    EXPECT_EQ(g.StringWidth(""), 0.0);

    EXPECT_EQ(SymbolToUnicode("abW1 y"), QString::fromUtf8("αβΩ1 ψ"));
    auto a = Blank(100, 40);
    auto b = Blank(100, 40);
    a->GetGraphics()->SetTextFont("Symbol");
    a->GetGraphics()->DrawString("p", 10, 30);
    b->GetGraphics()->SetTextFont("System");
    b->GetGraphics()->DrawString(QString::fromUtf8("π"), 10, 30);
    EXPECT_EQ(a->Image(), b->Image());
    EXPECT_EQ(a->GetGraphics()->StringWidth("p"), b->GetGraphics()->StringWidth("π"));
}

TEST(Picture, SizesDepthsAndCopies) {
    EXPECT_FALSE(Picture::Make(0, 10, 32));
    EXPECT_FALSE(Picture::Make(10, -1, 32));
    EXPECT_FALSE(Picture::Make(100000, 100000, 32));
    for (int depth : {1, 2, 4, 8, 16, 32}) {
        auto p = Picture::Make(450, 204, depth);
        ASSERT_TRUE(p) << depth;
        EXPECT_EQ(p->Image().size(), QSize(450, 204));
        EXPECT_EQ(p->Depth(), depth);
        EXPECT_EQ(p->Image().pixel(5, 5), kWhite) << depth;
        p->GetGraphics()->FillRect(0, 0, 3, 3);
        EXPECT_EQ(p->Image().pixel(1, 1), qRgb(0, 0, 0)) << depth;
    }
    auto src = Blank(20, 20);
    src->GetGraphics()->FillRect(5, 5, 2, 2);
    auto dst = Blank(20, 20);
    dst->GetGraphics()->DrawPicture(*src, 0, 0, 10, 10, 4, 4, 10, 10); // source offset by 4
    EXPECT_EQ(InkOf(dst->Image()).box, QRect(1, 1, 2, 2));
}
