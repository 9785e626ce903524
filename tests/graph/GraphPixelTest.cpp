// A few checks on the picture's pixels, with content that draws no text.

#include "tests/graph/GraphSupport.h"

#include <gtest/gtest.h>

TEST(GraphPixels, FrameCurvePointGridAndBar) {
    auto g = OpenGraph(232, 132, [](Graph& g) {
        NoTicks(g);
        g.DefineGraph(0, 200, 0, 100); // one pixel per unit, frame at (16, 16)
    });
    g->SetGrid(true);
    g->DrawContent = [&] {
        g->CurveStart(50, 40);
        g->CurveTo(90, 40);
        g->DrawPoint(130, 20);
        g->SetColor({0, 128, 0});
        g->DrawBar(190, 80, 10);
        g->SetColor({0, 0, 0});
    };
    g->ReDrawAll(); // grey grid lines at multiples of 50
    const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255), grey = qRgb(180, 180, 180);
    const QImage& image = g->GXP->Image();
    struct Pixel {
        int x, y;
        QRgb want;
    };
    // The frame's corners and edge, the curve's ends, the 5-pixel dot, the grid at x = 100,
    // the bar's fill, outline and top.
    const Pixel pixels[] = {
        {16, 16, black},  {216, 116, black}, {216, 60, black},           {217, 60, white},
        {17, 17, white},  {65, 76, white},   {107, 76, white},           {146, 96, black},
        {146, 93, white}, {116, 40, grey},   {206, 60, qRgb(0, 128, 0)}, {201, 60, black},
        {206, 36, black}, {206, 35, white}};
    for (const Pixel& p : pixels) EXPECT_EQ(image.pixel(p.x, p.y), p.want) << p.x << "," << p.y;
    for (int x = 66; x <= 106; ++x) EXPECT_EQ(image.pixel(x, 76), black) << x;
    EXPECT_EQ(g->ScreenImage(), image.convertToFormat(g->ScreenImage().format()));
}
