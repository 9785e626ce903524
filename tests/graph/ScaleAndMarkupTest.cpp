// The Graph's arithmetic without drawing: scales, ticks, mapping, and the markup's runs and sizes.

#include "graph/Markup.h"
#include "graph/Scale.h"
#include "tests/graph/GraphSupport.h"

#include <gtest/gtest.h>

#include <climits>

using markup::Item;
using namespace scale;

namespace {

constexpr int kDefaultFlags = 231; // TixPix 7, Adjust, MajTix, MinTix

QStringList MajorLabels(const std::vector<Tick>& ticks) {
    QStringList out;
    for (const Tick& t : ticks)
        if (t.major) out << t.label;
    return out;
}

// "[text size^shift@font!\*probe]" per run (parts only where set), "~dx" a move, "|" a break.
QString Runs(const QString& s, int size = 10) {
    QStringList out;
    for (const Item& it : markup::Parse(s, {"Helvetica", size, false, false})) {
        if (it.kind == Item::Kind::Move) out << QString("~%1").arg(it.dx);
        if (it.kind == Item::Kind::Break) out << "|";
        if (it.kind != Item::Kind::Text) continue;
        QString r = "[" + it.text + " " + QString::number(it.style.size);
        if (it.shift) r += (it.shift > 0 ? "^" : "_") + QString::number(std::abs(it.shift));
        if (it.style.font != "Helvetica") r += "@" + it.style.font;
        if (it.style.bold) r += "!";
        if (it.style.italic) r += "\\";
        if (it.probe) r += "*" + QString::number(it.probeSize);
        out << r + "]";
    }
    return out.join(" ");
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
    const std::pair<double, double> unusable[] = {{1, 1},    {2, 1},          {kNaN, 1},
                                                  {0, kInf}, {-1e308, 1e308}, {0, 1e-320}};
    for (auto [min, max] : unusable) EXPECT_FALSE(UsableRange(min, max, 100)) << min;
}

TEST(Scale, TickLists) {
    // Labels show as many decimals as the labelled step needs.
    EXPECT_EQ(MajorLabels(Ticks(-1, 1, -3, 0, false)),
              QStringList({"-1.0", "-0.5", "0.0", "0.5", "1.0"}));
    EXPECT_EQ(MajorLabels(Ticks(0, 0.1, -6, 0, false)), QStringList({"0.00", "0.05", "0.10"}));
    // 1.04 lies within 5 % of a labelled step beyond 1, but 1.0 is no tick: labels from 2 on.
    std::vector<Tick> ticks = Ticks(1.04, 9, -2, 0, true);
    EXPECT_EQ(ticks.front().value, 1.2000000000000002);
    EXPECT_EQ(MajorLabels(ticks), QStringList({"2", "3", "4", "5", "6", "7", "8", "9"}));
    // Ticks a hair outside the limits are included.
    ticks = Ticks(0.001, 9.999, -2, 0, true);
    EXPECT_EQ(QPointF(ticks.front().value, ticks.back().value), QPointF(0, 10));
    // Absurd axes (the last 10^15 ticks of 10^-14) get no ticks rather than endless ones.
    EXPECT_TRUE(Ticks(0, 1e300, -30, 0, true).empty() &&
                Ticks(1e300, 1e300 + 1e285, -2, 0, true).empty() &&
                Ticks(0, 10, -40, 0, true).empty());
    // The outer labels that size the margin never show "-0".
    EXPECT_EQ(TickWidthLabels(0, 10, -2, 0).first, "0");
    EXPECT_EQ(TickWidthLabels(-1, 1, -3, 0).first, "-1.0");
}

TEST(Scale, MappingClampsAndReportsOutsideValues) {
    // {value, limits, offset, outside}: beyond 0.00001 of a limit's magnitude clamped and reported.
    const std::tuple<double, double, double, int, bool> cases[] = {
        {0, 0, 10, 0, false},       {10, 0, 10, 400, false},
        {2.5, 0, 10, 100, false},   {10.00005, 0, 10, 400, false},
        {10.001, 0, 10, 400, true}, {-1e-300, 0, 10, 0, true},
        {kNaN, 0, 10, 0, true},     {kInf, 0, 10, 400, true},
        {-kInf, 0, 10, 0, true},    {kInf, 0, kMax, 400, true},
        {-kInf, -kMax, 0, 0, true}, {1000.015, 1000, 1000.01, 400, false}};
    for (auto [v, min, max, offset, outside] : cases) {
        const Mapped m = ToPixel(v, min, max, 400 / (max - min), 400);
        EXPECT_EQ(std::pair(m.offset, m.outside), std::pair(offset, outside)) << v << " on " << max;
    }
}

TEST(Markup, ParsedRuns) {
    // Shifts shrink to round(0.72 x base), move round(0.3 x base); the base size sets the height.
    const std::pair<QString, QString> cases[] = {
        {"E^2^x", "[E 10*10] [2 7^3] [x 10]"},
        {"Psi_E (rel)", "[Psi 10*10] [E 7_3] [ (rel) 10]"}, // a space ends the shift
        {"a_b^c", "[a 10*10] [b 7_3] [c 10]"},              // one shift state for both
        {"^x^", "[x 7^3*10]"},
        {"$a$b", "[a 10@Symbol*10] [b 10]"},
        {"100&% &^x", "[100 10*10] [%  10] [^x 10]"},
        {"ab&", "[ab 10*10]"},
        {"a#14#b@Courier@c", "[a 10*10] [b 14*14] [c 14@Courier*14]"},
        {"#1e9#x", "[x 200*200]"}, // sizes are clamped to 1 ... 200
        {"ab#14", "[ab 10*10]"},   // an unterminated field ends the string
        {"a|b|c", "[a 10*10] | [b 10] | [c 10]"}};
    for (const auto& [markup, runs] : cases) EXPECT_EQ(Runs(markup), runs);
    EXPECT_EQ(Runs("E^2^", 20), "[E 20*20] [2 14^6]");
}

TEST(Markup, MeasuredWithTheFontMetricsOfTheGraph) {
    auto g = OpenGraph(300, 200);
    Metrics h10("Helvetica", 10), h7("Helvetica", 7), h14("Helvetica", 14), sym("Symbol", 10);
    ASSERT_NE(h7.Height(), h10.Height());
    const std::tuple<QString, int, int> cases[] = {
        {"E^2^", h10.Width("E") + h7.Width("2"), h10.Height()},
        {QString(40, 'W'), h10.Width(QString(40, 'W')), h10.Height()}, // two header fields
        {"a|bb|ccc", h10.Width("ccc"), 3 * h10.Height()},
        {"ab#14#c", h10.Width("ab") + h14.Width("c"), h14.Height()},
        {"$a$", sym.Width("a"), h10.Height()}};
    for (const auto& [markup, width, height] : cases) {
        const QString e = g->SetSString(markup);
        EXPECT_EQ(QPoint(g->GetSSWidth(e), g->GetSSHeight(e)), QPoint(width, height));
        EXPECT_EQ(g->GetSString(e), "@Helvetica@#10#" + markup);
    }
    g->Event_Close();
    EXPECT_EQ(g->SetSString(""), "");
    EXPECT_EQ(ErrorOf([&] { g->SetSString("x"); }), "DrawSString: Graphics target undefined.");
    EXPECT_EQ(ErrorOf([&] { g->DrawSString("x", 0, 0, 1); }),
              "DrawSString: Graphics target undefined.");
}
