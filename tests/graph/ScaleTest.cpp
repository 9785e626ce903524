// Axis arithmetic without drawing: tick series, patterns, powers, outward rounding, tick lists,
// margins and the value/pixel mapping.

#include "graph/Scale.h"
#include "tests/graph/GraphSupport.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <climits>
#include <cmath>
#include <limits>

using namespace scale;

namespace {

constexpr int kDefaultFlags = 231; // TixPix 7, Adjust, MajTix, MinTix
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

QStringList MajorLabels(const std::vector<Tick>& ticks) {
    QStringList out;
    for (const Tick& t : ticks)
        if (t.major) out << t.label;
    return out;
}

} // namespace

TEST(Scale, TickSizeIsThe125Series) {
    const double want[] = {0.1, 0.2, 0.5, 1, 2, 5, 10, 20};
    for (int n = -3; n <= 4; ++n) EXPECT_EQ(TickSize(n), want[n + 3]) << n;
    EXPECT_EQ(TickSize(-4), 0.05);
    EXPECT_EQ(TickSize(-7), 0.005);
}

TEST(Scale, TickFormatFollowsTheStep) {
    EXPECT_EQ(TickFormat(1), "-#0");
    EXPECT_EQ(TickFormat(0.5), "-#0.0");
    EXPECT_EQ(TickFormat(0.05), "-#0.00");
    EXPECT_EQ(TickFormat(0.002), "-#0.000");
    EXPECT_EQ(TickFormat(0.0005), "-#0.0000");
}

TEST(Scale, PowerIsFactoredOutsideTheOpenInterval) {
    EXPECT_EQ(TickPower(10000), 3);
    EXPECT_EQ(TickPower(0.01), -3);
    EXPECT_EQ(TickPower(1e6), 6);
    EXPECT_EQ(TickPower(0.5), 0);
    EXPECT_EQ(TickPower(9999), 0);
    EXPECT_EQ(TickPower(1e-5), -6);
}

TEST(Scale, ZeroToTenOn400Pixels) {
    const AxisScale a = ScaleAxis(0, 10, 400, kDefaultFlags);
    EXPECT_EQ(a.power, 0);
    EXPECT_EQ(a.tickN, -2); // minor 0.2, labelled 1
    EXPECT_EQ(a.min, 0);
    EXPECT_EQ(a.max, 10);
    EXPECT_EQ(a.vToPix, 40);
}

TEST(Scale, LimitsRoundOutwardUnlessWithinFivePercent) {
    AxisScale a = ScaleAxis(0.3, 9.62, 400, kDefaultFlags);
    EXPECT_EQ(a.min, 0);
    EXPECT_EQ(a.max, 10);
    a = ScaleAxis(0.97, 9.03, 400, kDefaultFlags);
    EXPECT_EQ(a.min, 1);
    EXPECT_EQ(a.max, 9);
    a = ScaleAxis(0.3, 9.62, 400, kDefaultFlags & ~kAdjust);
    EXPECT_EQ(a.min, 0.3);
    EXPECT_EQ(a.max, 9.62);
    EXPECT_EQ(a.vToPix, 400 / (9.62 - 0.3));
}

TEST(Scale, RoundingThatWouldOverflowKeepsTheRequestedLimits) {
    // TixPix 31 on 100 pixels makes the labelled step larger than the largest double.
    const AxisScale a = ScaleAxis(0, 1.7e308, 100, kAdjust | 31);
    EXPECT_EQ(a.min, 0);
    EXPECT_EQ(a.max, 1.7e308);
    EXPECT_TRUE(std::isfinite(a.vToPix));
}

TEST(Scale, UsableRangeRejectsWhatCannotBeScaled) {
    EXPECT_TRUE(UsableRange(-1, 1, 100));
    EXPECT_FALSE(UsableRange(1, 1, 100));
    EXPECT_FALSE(UsableRange(2, 1, 100));
    EXPECT_FALSE(UsableRange(kNaN, 1, 100));
    EXPECT_FALSE(UsableRange(0, kInf, 100));
    EXPECT_FALSE(UsableRange(-1e308, 1e308, 100)); // the span overflows
    EXPECT_FALSE(UsableRange(0, 1e-320, 100));     // the scale overflows
}

TEST(Scale, TicksOfZeroToTen) {
    const std::vector<Tick> ticks = Ticks(0, 10, -2, 0, true);
    ASSERT_EQ(ticks.size(), 51u);
    EXPECT_EQ(MajorLabels(ticks),
              QStringList({"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        EXPECT_EQ(ticks[i].major, i % 5 == 0) << i;
        EXPECT_EQ(ticks[i].lastMajor, i == 50) << i;
    }
    EXPECT_EQ(ticks[1].value, 0.2);
    EXPECT_EQ(Ticks(0, 10, -2, 0, false).size(), 11u);
}

TEST(Scale, MinorStepFiveLabelledTwentyGivesRatioFour) {
    const std::vector<Tick> ticks = Ticks(0, 100, 2, 0, true);
    ASSERT_EQ(ticks.size(), 21u);
    EXPECT_EQ(MajorLabels(ticks), QStringList({"0", "20", "40", "60", "80", "100"}));
    EXPECT_TRUE(ticks[4].major);
}

TEST(Scale, UnadjustedLimitJustPastALabelStillGetsLabels) {
    // 1.04 lies within 5 % of a labelled step beyond 1, but 1.0 is no tick: labels from 2 on.
    const std::vector<Tick> ticks = Ticks(1.04, 9, -2, 0, true);
    EXPECT_EQ(ticks.front().value, 1.2000000000000002);
    EXPECT_EQ(MajorLabels(ticks), QStringList({"2", "3", "4", "5", "6", "7", "8", "9"}));
}

TEST(Scale, TickAHairOutsideTheLimitsIsIncluded) {
    const std::vector<Tick> ticks = Ticks(0.001, 9.999, -2, 0, true);
    EXPECT_EQ(ticks.front().value, 0);
    EXPECT_EQ(ticks.back().value, 10);
}

TEST(Scale, TicksOfAbsurdAxesAreEmptyNotEndless) {
    EXPECT_TRUE(Ticks(0, 1e300, -30, 0, true).empty());
    EXPECT_TRUE(Ticks(1e300, 1e300 + 1e285, -2, 0, true).empty());
    EXPECT_TRUE(Ticks(0, 10, -40, 0, true).empty()); // 10^15 ticks of 10^-14
}

TEST(Scale, OuterLabelsNeverShowMinusZero) {
    const OuterLabels l = TickWidthLabels(0, 10, -2, 0);
    EXPECT_EQ(l.first, "0");
    EXPECT_EQ(l.last, "10");
    EXPECT_EQ(TickWidthLabels(-1, 1, -3, 0).first, "-1.0");
}

TEST(Scale, MarginsFromTitleLabelsAndTicks) {
    EXPECT_EQ(TopMargin(0), 16);
    EXPECT_EQ(TopMargin(12), 28);
    EXPECT_EQ(BottomMargin(0, false), 16);
    EXPECT_EQ(BottomMargin(0, true), 22);
    EXPECT_EQ(BottomMargin(12, true), 42);
    EXPECT_EQ(LeftMargin(0, false, 0), 16);
    EXPECT_EQ(LeftMargin(0, true, 20), 44);
    EXPECT_EQ(LeftMargin(50, true, 20), 94);
    EXPECT_EQ(LeftMargin(50, false, 0), 66);
}

TEST(Scale, ToPixelMapsClampsAndReports) {
    EXPECT_EQ(ToPixel(0, 0, 10, 40, 400).offset, 0);
    EXPECT_EQ(ToPixel(10, 0, 10, 40, 400).offset, 400);
    EXPECT_EQ(ToPixel(2.5, 0, 10, 40, 400).offset, 100);
    // Within 0.00001 of the limit's magnitude: mapped, not reported.
    const Mapped hair = ToPixel(10.00005, 0, 10, 40, 400);
    EXPECT_FALSE(hair.outside);
    EXPECT_EQ(hair.offset, 400);
    const Mapped beyond = ToPixel(10.001, 0, 10, 40, 400);
    EXPECT_TRUE(beyond.outside);
    EXPECT_EQ(beyond.offset, 400);
    const Mapped below = ToPixel(-1e-300, 0, 10, 40, 400);
    EXPECT_TRUE(below.outside);
    EXPECT_EQ(below.offset, 0);
}

TEST(Scale, NonFiniteValuesNeverBecomePixels) {
    EXPECT_TRUE(ToPixel(kNaN, 0, 10, 40, 400).outside);
    EXPECT_EQ(ToPixel(kNaN, 0, 10, 40, 400).offset, 0);
    EXPECT_EQ(ToPixel(kInf, 0, 10, 40, 400).offset, 400);
    EXPECT_TRUE(ToPixel(kInf, 0, 10, 40, 400).outside);
    EXPECT_EQ(ToPixel(-kInf, 0, 10, 40, 400).offset, 0);
    const double top = std::numeric_limits<double>::max(); // its allowance overflows
    EXPECT_TRUE(ToPixel(kInf, 0, top, 400 / top, 400).outside);
    EXPECT_TRUE(ToPixel(-kInf, -top, 0, 400 / top, 400).outside);
}

TEST(Scale, AllowanceOnANarrowAxisFarFromZeroStaysOnTheFrame) {
    // 0.00001 x 1000 is the whole span of this axis: 400 pixels beyond its end.
    const Mapped m = ToPixel(1000.015, 1000, 1000.01, 400 / 0.01, 400);
    EXPECT_FALSE(m.outside);
    EXPECT_EQ(m.offset, 400);
}

TEST(Scale, ToValueUsesAStrictTest) {
    EXPECT_TRUE(ToValue(0, 0, 10, 40).outside); // at the limit 0 there is no allowance
    EXPECT_EQ(ToValue(0, 0, 10, 40).value, 0);
    EXPECT_FALSE(ToValue(0, 2, 10, 40).outside);
    EXPECT_EQ(ToValue(0, 2, 10, 40).value, 2);
    EXPECT_EQ(ToValue(100, 0, 10, 40).value, 2.5);
    EXPECT_TRUE(ToValue(-1, 2, 10, 40).outside);
}

TEST(Scale, RoundToIntIsDefinedForEveryDouble) {
    EXPECT_EQ(RoundToInt(2.5), 3);
    EXPECT_EQ(RoundToInt(-2.5), -3);
    EXPECT_EQ(RoundToInt(kNaN), 0);
    EXPECT_EQ(RoundToInt(1e300), INT_MAX);
    EXPECT_EQ(RoundToInt(-kInf), INT_MIN);
}
