// Axis arithmetic without drawing: tick series, powers, outward rounding, tick lists and the
// value to pixel mapping. (The Graph's drawing tests check a plain 0 ... 10 axis.)

#include "graph/Scale.h"
#include "tests/graph/GraphSupport.h"

#include <gtest/gtest.h>

#include <climits>

using namespace scale;

namespace {

constexpr int kDefaultFlags = 231; // TixPix 7, Adjust, MajTix, MinTix

QStringList MajorLabels(const std::vector<Tick>& ticks) {
    QStringList out;
    for (const Tick& t : ticks)
        if (t.major) out << t.label;
    return out;
}

} // namespace

TEST(Scale, SeriesPowersAndRounding) {
    const double sizes[] = {0.005, 0.01, 0.02, 0.05, 0.1, 0.2, 0.5, 1, 2, 5, 10, 20};
    for (int n = -7; n <= 4; ++n) EXPECT_EQ(TickSize(n), sizes[n + 7]) << n;
    const std::pair<double, int> powers[] = {{10000, 3}, {0.01, -3}, {1e6, 6},
                                             {0.5, 0},   {9999, 0},  {1e-5, -6}};
    for (auto [span, power] : powers) EXPECT_EQ(TickPower(span), power) << span;
    EXPECT_EQ(QList<int>({RoundToInt(2.5), RoundToInt(-2.5), RoundToInt(kNaN), RoundToInt(1e300),
                          RoundToInt(-kInf)}),
              QList<int>({3, -3, 0, INT_MAX, INT_MIN}));
}

TEST(Scale, LimitsRoundOutwardUnlessWithinFivePercent) {
    // Limits, flags, and the limits wanted.
    const std::tuple<double, double, int, double, double> cases[] = {
        {0.3, 9.62, kDefaultFlags, 0, 10},
        {0.97, 9.03, kDefaultFlags, 1, 9},
        {0.3, 9.62, kDefaultFlags & ~kAdjust, 0.3, 9.62},
        // TixPix 31 on 100 pixels: the rounded limit would overflow.
        {0, 1.7e308, kAdjust | 31, 0, 1.7e308}};
    for (auto [min, max, flags, wantMin, wantMax] : cases) {
        const int pixels = max > 1e300 ? 100 : 400;
        const AxisScale a = ScaleAxis(min, max, pixels, flags);
        EXPECT_EQ(QPointF(a.min, a.max), QPointF(wantMin, wantMax)) << min;
        EXPECT_EQ(a.vToPix, pixels / (wantMax - wantMin)) << min;
    }

    EXPECT_TRUE(UsableRange(-1, 1, 100));
    // Empty, reversed, not finite, a span that overflows, a scale that overflows.
    const std::pair<double, double> unusable[] = {{1, 1},    {2, 1},          {kNaN, 1},
                                                  {0, kInf}, {-1e308, 1e308}, {0, 1e-320}};
    for (auto [min, max] : unusable) EXPECT_FALSE(UsableRange(min, max, 100)) << min << " " << max;
}

TEST(Scale, TickLists) {
    // Labels show as many decimals as the labelled step needs.
    EXPECT_EQ(MajorLabels(Ticks(-1, 1, -3, 0, false)),
              QStringList({"-1.0", "-0.5", "0.0", "0.5", "1.0"}));
    EXPECT_EQ(MajorLabels(Ticks(0, 0.1, -6, 0, false)), QStringList({"0.00", "0.05", "0.10"}));
    // Minor step 5, labelled 20: four minor steps per label.
    std::vector<Tick> ticks = Ticks(0, 100, 2, 0, true);
    ASSERT_EQ(ticks.size(), 21u);
    EXPECT_EQ(MajorLabels(ticks), QStringList({"0", "20", "40", "60", "80", "100"}));
    EXPECT_TRUE(ticks[4].major);
    // 1.04 lies within 5 % of a labelled step beyond 1, but 1.0 is no tick: labels from 2 on.
    ticks = Ticks(1.04, 9, -2, 0, true);
    EXPECT_EQ(ticks.front().value, 1.2000000000000002);
    EXPECT_EQ(MajorLabels(ticks), QStringList({"2", "3", "4", "5", "6", "7", "8", "9"}));
    // Ticks a hair outside the limits are included.
    ticks = Ticks(0.001, 9.999, -2, 0, true);
    EXPECT_EQ(ticks.front().value, 0);
    EXPECT_EQ(ticks.back().value, 10);
    // Absurd axes get no ticks rather than endless ones.
    EXPECT_TRUE(Ticks(0, 1e300, -30, 0, true).empty());
    EXPECT_TRUE(Ticks(1e300, 1e300 + 1e285, -2, 0, true).empty());
    EXPECT_TRUE(Ticks(0, 10, -40, 0, true).empty()); // 10^15 ticks of 10^-14
    // The outer labels that size the margin never show "-0".
    EXPECT_EQ(TickWidthLabels(0, 10, -2, 0).first, "0");
    EXPECT_EQ(TickWidthLabels(-1, 1, -3, 0).first, "-1.0");
}

TEST(Scale, MappingClampsAndReportsOutsideValues) {
    // {value, limits, offset, outside}. Within 0.00001 of the limit's magnitude a value is mapped,
    // beyond it clamped and reported; infinities are out also where that allowance overflows (near
    // the largest double); on a narrow axis far from zero the allowance spans the whole axis and
    // must still stay on it.
    const std::tuple<double, double, double, int, bool> cases[] = {
        {0, 0, 10, 0, false},       {10, 0, 10, 400, false},
        {2.5, 0, 10, 100, false},   {10.00005, 0, 10, 400, false},
        {10.001, 0, 10, 400, true}, {-1e-300, 0, 10, 0, true},
        {kNaN, 0, 10, 0, true},     {kInf, 0, 10, 400, true},
        {-kInf, 0, 10, 0, true},    {kInf, 0, kMax, 400, true},
        {-kInf, -kMax, 0, 0, true}, {1000.015, 1000, 1000.01, 400, false}};
    for (auto [v, min, max, offset, outside] : cases) {
        const Mapped m = ToPixel(v, min, max, 400 / (max - min), 400);
        EXPECT_EQ(m.offset, offset) << v << " on " << min << " ... " << max;
        EXPECT_EQ(m.outside, outside) << v << " on " << min << " ... " << max;
    }
}
