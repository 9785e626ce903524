// The pixel rules that the plots rely on: they are compared pixel by pixel.
#include "platform/Fonts.h"
#include "platform/Picture.h"

#include <gtest/gtest.h>

#include <QImage>

namespace {

constexpr QRgb kWhite = 0xffffffff;

// The bounding box of every non-white pixel, and how many there are.
struct Ink {
    QRect box;
    int count = 0;
};

Ink inkOf(const QImage& image) {
    Ink ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != kWhite) {
                ink.box = ink.box.united(QRect(x, y, 1, 1));
                ++ink.count;
            }
    return ink;
}

std::unique_ptr<Picture> blank(int w = 40, int h = 40) {
    auto p = Picture::Make(w, h, 32);
    EXPECT_TRUE(p);
    return p;
}

} // namespace

TEST(Graphics, LinesCoverBothEnds) {
    auto p = blank();
    p->GetGraphics()->DrawLine(3, 5, 12, 5);
    Ink ink = inkOf(p->Image());
    EXPECT_EQ(ink.box, QRect(3, 5, 10, 1));
    EXPECT_EQ(ink.count, 10);

    p = blank();
    p->GetGraphics()->DrawLine(7, 20, 7, 4); // drawn upwards
    ink = inkOf(p->Image());
    EXPECT_EQ(ink.box, QRect(7, 4, 1, 17));

    p = blank();
    p->GetGraphics()->DrawLine(2, 2, 10, 10);
    ink = inkOf(p->Image());
    EXPECT_EQ(ink.box, QRect(2, 2, 9, 9));
    EXPECT_EQ(ink.count, 9);

    p = blank();
    p->GetGraphics()->DrawLine(9, 9, 9, 9);
    EXPECT_EQ(inkOf(p->Image()).box, QRect(9, 9, 1, 1));
}

TEST(Graphics, RectanglesCoverExactlyTheirBox) {
    auto p = blank();
    p->GetGraphics()->DrawRect(10, 10, 5, 5);
    Ink ink = inkOf(p->Image());
    EXPECT_EQ(ink.box, QRect(10, 10, 5, 5));
    EXPECT_EQ(ink.count, 16); // the outline only
    EXPECT_EQ(p->Image().pixel(12, 12), kWhite);

    p = blank();
    p->GetGraphics()->FillRect(10, 10, 5, 3);
    ink = inkOf(p->Image());
    EXPECT_EQ(ink.box, QRect(10, 10, 5, 3));
    EXPECT_EQ(ink.count, 15);

    // Signed sizes: the box between the two corners.
    p = blank();
    p->GetGraphics()->FillRect(20, 20, -4, -6);
    EXPECT_EQ(inkOf(p->Image()).box, QRect(16, 14, 4, 6));

    p = blank();
    p->GetGraphics()->FillRect(5, 5, 0, 10);
    p->GetGraphics()->DrawRect(5, 5, 10, 0);
    EXPECT_EQ(inkOf(p->Image()).count, 0);
}

TEST(Graphics, OvalsAndPolygonsStayInTheirBox) {
    auto p = blank();
    p->GetGraphics()->FillOval(10, 10, 5, 5);
    Ink ink = inkOf(p->Image());
    EXPECT_EQ(ink.box, QRect(10, 10, 5, 5));
    EXPECT_EQ(p->Image().pixel(12, 12), qRgb(0, 0, 0)); // filled centre

    p = blank();
    p->GetGraphics()->DrawOval(10, 10, 7, 7);
    ink = inkOf(p->Image());
    EXPECT_EQ(ink.box, QRect(10, 10, 7, 7));
    EXPECT_EQ(p->Image().pixel(13, 13), kWhite); // outline only

    p = blank();
    p->GetGraphics()->FillPolygon({{10, 10}, {14, 17}, {18, 10}});
    ink = inkOf(p->Image());
    EXPECT_EQ(ink.box, QRect(10, 10, 9, 8));
}

TEST(Graphics, ColourAndFontStateIsKept) {
    auto p = blank();
    Graphics& g = *p->GetGraphics();
    g.SetForeColor({255, 0, 0});
    g.SetTextFont("Helvetica");
    g.SetTextSize(10);
    g.SetBold(true);
    EXPECT_EQ(g.ForeColor(), (Color{255, 0, 0}));
    EXPECT_EQ(g.TextFont(), "Helvetica");
    EXPECT_EQ(g.TextSize(), 10);
    EXPECT_TRUE(g.Bold());
    EXPECT_FALSE(g.Italic());
    g.DrawLine(0, 0, 5, 0);
    EXPECT_EQ(p->Image().pixel(0, 0), qRgb(255, 0, 0));
}

TEST(Graphics, StringWidthMatchesWhatIsDrawn) {
    auto p = blank(300, 60);
    Graphics& g = *p->GetGraphics();
    g.SetTextFont("Helvetica");
    g.SetTextSize(20);
    const QString text = "Wave HH";
    const double width = g.StringWidth(text);
    g.DrawString(text, 50, 40);
    const Ink ink = inkOf(p->Image());
    ASSERT_GT(ink.count, 0);
    // The glyphs' ink lies within the advance, give or take the side bearing of a pixel or two.
    EXPECT_GE(ink.box.left(), 50 - 2);
    EXPECT_LE(ink.box.right(), 50 + width + 2);
    EXPECT_GE(ink.box.right(), 50 + width - 4);
    EXPECT_LE(ink.box.bottom(), 40 + g.TextHeight());
    EXPECT_LE(ink.box.bottom(), 40 + 1); // "Wave HH" has no descenders: ink ends at the baseline
    EXPECT_GT(g.StringWidth("WWW"), g.StringWidth("iii"));
    EXPECT_EQ(g.StringWidth(""), 0.0);
}

TEST(Graphics, SymbolFontDrawsGreek) {
    EXPECT_EQ(SymbolToUnicode("abW1 y"), QString::fromUtf8("αβΩ1 ψ"));
    auto a = blank(100, 40);
    auto b = blank(100, 40);
    a->GetGraphics()->SetTextFont("Symbol");
    a->GetGraphics()->DrawString("p", 10, 30);
    b->GetGraphics()->SetTextFont("System");
    b->GetGraphics()->DrawString(QString::fromUtf8("π"), 10, 30);
    EXPECT_EQ(a->Image(), b->Image());
    EXPECT_EQ(a->GetGraphics()->StringWidth("p"), b->GetGraphics()->StringWidth("π"));
}

TEST(Picture, SizesAndDepths) {
    EXPECT_FALSE(Picture::Make(0, 10, 32));
    EXPECT_FALSE(Picture::Make(10, -1, 32));
    EXPECT_FALSE(Picture::Make(100000, 100000, 32));
    for (int depth : {1, 2, 4, 8, 16, 32}) {
        auto p = Picture::Make(450, 204, depth);
        ASSERT_TRUE(p) << depth;
        EXPECT_EQ(p->Width(), 450);
        EXPECT_EQ(p->Height(), 204);
        EXPECT_EQ(p->Depth(), depth);
        EXPECT_EQ(p->Image().pixel(5, 5), kWhite) << depth;
        p->GetGraphics()->FillRect(0, 0, 3, 3);
        EXPECT_EQ(p->Image().pixel(1, 1), qRgb(0, 0, 0)) << depth;
    }
}

TEST(Picture, CopiesIntoAnotherPicture) {
    auto src = blank(20, 20);
    src->GetGraphics()->FillRect(5, 5, 2, 2);
    auto dst = blank(20, 20);
    dst->GetGraphics()->DrawPicture(*src, 0, 0, 10, 10, 4, 4, 10, 10); // source offset by 4
    EXPECT_EQ(inkOf(dst->Image()).box, QRect(1, 1, 2, 2));
}
