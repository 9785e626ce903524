// Pictures at device pixel ratio 2 (a high-density screen): every drawing unit is 2 x 2 image
// pixels, and strokes cover exactly the units they cover at ratio 1.
#include "platform/Picture.h"

#include <gtest/gtest.h>

namespace {

// The units that are black, read from the picture's r x r blocks; a block that is not all of
// one colour is a fault.
std::vector<QPoint> blackUnits(const Picture& p) {
    std::vector<QPoint> out;
    const QImage& img = p.Image();
    const int r = int(img.devicePixelRatio());
    for (int y = 0; y < p.Height(); ++y)
        for (int x = 0; x < p.Width(); ++x) {
            const QRgb c = img.pixel(r * x, r * y);
            for (int d = 1; d < r * r; ++d)
                EXPECT_EQ(img.pixel(r * x + d % r, r * y + d / r), c) << x << "," << y;
            if (c == qRgb(0, 0, 0)) out.push_back({x, y});
        }
    return out;
}

void drawShapes(Graphics& g) {
    g.DrawLine(2, 3, 7, 3);
    g.DrawLine(5, 5, 5, 8);
    g.DrawRect(10, 1, 4, 3);
    g.FillRect(1, 10, 2, 2);
}

} // namespace

TEST(PictureRatio, StrokesCoverTheSameUnitsAsAtRatioOne) {
    auto one = Picture::Make(16, 14, 32);
    auto two = Picture::Make(16, 14, 32, 2.0);
    ASSERT_TRUE(one && two);
    EXPECT_EQ(two->Image().size(), QSize(32, 28));
    EXPECT_EQ(two->Width(), 16);
    EXPECT_EQ(two->GetGraphics()->Width(), 16);
    drawShapes(*one->GetGraphics());
    drawShapes(*two->GetGraphics());
    const std::vector<QPoint> expected = blackUnits(*one);
    EXPECT_EQ(expected.size(), 6u + 4u + 10u + 4u);
    EXPECT_EQ(blackUnits(*two), expected);

    // A part of a ratio-2 picture copied at its units, as the screen shows a scrolled plot.
    auto copy = Picture::Make(16, 14, 32, 2.0);
    copy->GetGraphics()->DrawPicture(*two, 0, 0, 8, 8, 8, 0, 8, 8);
    std::vector<QPoint> shifted;
    for (const QPoint& p : expected)
        if (p.x() >= 8 && p.y() < 8) shifted.push_back(p - QPoint(8, 0));
    EXPECT_EQ(blackUnits(*copy), shifted);
}
