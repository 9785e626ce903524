#include "solver/core/Solver.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <map>
#include <string>
#include <tuple>
#include <utility>

namespace {

// Energy as the energy field shows it: eleven fixed decimals, no "0" before the point.
std::string text11(double v) {
    char buf[64];
    std::string s(buf, std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 11).ptr);
    const auto zero = s.find("0.");
    return zero == 0 || (zero == 1 && s[0] == '-') ? s.erase(zero, 1) : s;
}

// The level a search from `from` finds, as the field would show it; "" when it beeps.
std::string level(Solver& s, int row, double from) {
    s.Energy = from;
    return s.CalculateEnergy(row) ? text11(s.Energy) : std::string();
}

// Exactly these handles, every other slot empty.
void expectHandles(const Solver& s, const std::map<int, double>& handles) {
    for (int k = 0; k <= HandleLast; ++k) {
        const auto it = handles.find(k);
        ASSERT_EQ(s.Points[k], it == handles.end() ? NoHandle : it->second) << "handle " << k;
    }
}

} // namespace

TEST(Builders, EdgesAndHandlesOfRepresentativeShapes) {
    Solver s;
    s.DrawWell(100); // its grid is pinned down by the levels the search publishes
    expectHandles(s, {{0, 10}, {125, 10}, {126, 0}, {224, 0}, {225, 10}, {350, 10}});
    s.DrawDoubleWell(100, 100); // touching wells: a one-point barrier
    const auto& v = s.PEGraph;
    EXPECT_EQ(std::tuple(v[400], v[401], v[499], v[500], v[501], v[599], v[600]),
              std::tuple(10, 0, 0, 10, 0, 0, 10));
    s.DrawUnevenWell(100, 12, 5);
    EXPECT_EQ(std::tuple(v[0], v[450], v[451], v[549], v[550], v[1000]),
              std::tuple(12, 12, 0, 0, 5, 5));
    EXPECT_EQ(s.fMaxE, 5); // bound below the lower wall
    s.DrawRamp(4, 15);     // the top corner would be handle 424: skipped
    expectHandles(s, {{0, 15}, {50, 15}, {51, 0}, {350, 15}});
    s.DrawFlat();
    for (int i = 0; i <= GridLast; ++i) ASSERT_EQ(v[i], 10) << i;
    expectHandles(s, {});
    EXPECT_EQ(s.fMaxE, 10); // the search limit follows the outside levels
}

TEST(Integration, CutOffScalingAndTheSymmetricHalves) {
    Solver s;
    s.DrawWell(100);
    s.Energy = 0; // no allowed point: nothing to scale by, nothing shown
    s.DrawEta(RowWell);
    s.DrawEtaToScreen();
    for (int i = 0; i <= 1001; ++i) ASSERT_EQ(s.feta[i], 40) << i;

    s.Energy = 0.30273417311; // the ground state is cut off in the right wall
    s.DrawEta(RowWell);
    EXPECT_GT(s.lasti, 549);
    EXPECT_LT(s.lasti, 1000);
    s.DrawEtaToScreen();
    EXPECT_EQ(s.feta[s.lasti], 40);

    // The symmetric well integrates the right half only; the odd half has its node on grid
    // point 500 and gives the whole well's second level.
    s.symmetric = false;
    EXPECT_EQ(level(s, RowSymmetricWell, 0.01), "1.20644009518");
    EXPECT_EQ(s.eta[0], 0);
    // The even half mirrors about 500.5: its bottom is 98 points wide, as in a 99-step well.
    s.symmetric = true;
    Solver narrower;
    narrower.DrawWell(99);
    EXPECT_EQ(level(s, RowSymmetricWell, 0.01), level(narrower, RowWell, 0.01));
}

TEST(Search, PublishesTheGridsLevelsStaysInRangeOrFails) {
    Solver* watched = nullptr;
    double lowest = 0, highest = 0;
    int yields = 0;
    Solver s([&] {
        ++yields;
        lowest = std::fmin(lowest, watched->Energy);
        highest = std::fmax(highest, watched->Energy);
    });
    watched = &s;
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        int row, width;
        double from;
        const char* shown; // "" for a beep
    };
    for (const Case& c : {
             Case{RowWell, 100, 0.01, ".30273417311"},
             {RowWell, 100, 0.30273417311, "1.20644009518"}, // Find again from what it shows
             {RowWell, 200, 0.01, ".08414020388"}, // the first step passes two nodes: go back
             {RowWell, 100, 9.6, "9.86069108188"}, // the first step would reach 10.1 eV
             {RowWell, 100, 9.87, ""},             // above the top level: nothing until the walls
             {RowWell, 100, -0.6, ""},             // every step stays below the bottom
             {RowHydrogen, 0, -13.6, "-13.48670545988"},
             {RowWell, 100, std::nan(""), ""}, // no step could move these: give up at once
             {RowWell, 100, inf, ""},
             {RowWell, 100, -inf, ""},
         }) {
        s.BuildRow(c.row, c.width, 0, 0);
        lowest = highest = c.from;
        yields = 0;
        EXPECT_EQ(level(s, c.row, c.from), c.shown) << c.row << " " << c.width << " " << c.from;
        if (std::isfinite(c.from)) {
            EXPECT_LE(highest, s.fMaxE) << c.from;
            EXPECT_GE(lowest, c.row == RowHydrogen ? -13.8 : std::fmin(c.from, 0)) << c.from;
        } else {
            EXPECT_EQ(yields, 0);
        }
    }
    yields = 0;
    s.DrawEta(RowWell);
    EXPECT_EQ(yields, 1); // once per integration
}

TEST(Editing, ClicksDropsAndTheHitTest) {
    Solver s;
    s.DrawFlat();
    s.ClickAt(225, 15, true, false); // x = 0.5 nm: a tent 10 -> 15 over 225 steps, back over 125
    EXPECT_EQ(s.PEGraph[325 + 45], 11);
    EXPECT_EQ(s.PEGraph[674], 10.04);
    s.ClickAt(100, 3, false, false); // outside the band: no handle
    s.ClickAt(350, 3, true, false);  // an end cannot be moved by a click
    s.ClickAt(100.4, 4, true, true); // symmetric well: the mirror handle too
    expectHandles(s, {{0, 10}, {100, 4}, {225, 15}, {249, 4}, {350, 10}});

    // A dropped end is the level beyond it: the curve meets the dot, the search stays below.
    s.DrawWell(100);
    s.DropAt(0, 4, false);
    for (int i = 0; i <= 325; ++i) ASSERT_EQ(s.PEGraph[i], 4) << i;
    EXPECT_EQ(s.fMaxE, 4);
    s.ClickAt(300, 12, true, false); // the next edit keeps the end where it was dropped
    EXPECT_EQ(s.Points[0], 4);
    s.DropAt(350, 2, true); // the symmetric well moves both ends
    EXPECT_EQ(std::pair(s.PEGraph[0], s.PEGraph[1000]), std::pair(2.0, 2.0));
    EXPECT_EQ(s.fMaxE, 2);

    // Candidates kx + 1, kx, kx - 1 in that order, strictly within 1 eV, empty slots never.
    s.DrawFlat();
    s.Points[99] = 5;
    s.Points[100] = 5.5;
    s.Points[101] = 6;
    EXPECT_EQ(s.HitHandle(100.3, 5.6), 101);
    s.Points[101] = NoHandle;
    EXPECT_EQ(s.HitHandle(100.3, 5.6), 100);
    s.Points[100] = 9;
    EXPECT_EQ(s.HitHandle(100.3, 5.6), 99);
    EXPECT_EQ(s.HitHandle(100.3, 6.0), -1);
    EXPECT_EQ(s.HitHandle(175, -99.5), -1);
}
