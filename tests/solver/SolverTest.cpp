#include "solver/core/Solver.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <map>
#include <string>

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

// The whole grid as consecutive runs of one value each.
struct Run {
    int from, to;
    double value;
};
void expectRuns(const Solver& s, std::initializer_list<Run> runs) {
    int next = 0;
    for (const Run& r : runs) {
        EXPECT_EQ(r.from, next);
        for (int i = r.from; i <= r.to; ++i) ASSERT_EQ(s.PEGraph[i], r.value) << "grid " << i;
        next = r.to + 1;
    }
    EXPECT_EQ(next, GridLast + 1);
}

// Exactly these handles, every other slot empty.
void expectHandles(const Solver& s, const std::map<int, double>& handles) {
    for (int k = 0; k <= HandleLast; ++k) {
        const auto it = handles.find(k);
        ASSERT_EQ(s.Points[k], it == handles.end() ? NoHandle : it->second) << "handle " << k;
    }
}

} // namespace

TEST(Builders, EdgesAndHandlesOfEveryShape) {
    Solver s;
    s.DrawWell(100);
    expectRuns(s, {{0, 450, 10}, {451, 549, 0}, {550, 1000, 10}});
    expectHandles(s, {{0, 10}, {125, 10}, {126, 0}, {224, 0}, {225, 10}, {350, 10}});
    s.DrawWell(101); // an odd width splits by truncation
    expectRuns(s, {{0, 449, 10}, {450, 549, 0}, {550, 1000, 10}});
    s.DrawWell(0); // no well; overlapping handle writes, the later one wins
    expectRuns(s, {{0, 1000, 10}});
    expectHandles(s, {{0, 10}, {174, 0}, {175, 10}, {176, 0}, {350, 10}});

    s.DrawDoubleWell(100, 100); // touching wells: a one-point barrier
    expectRuns(s, {{0, 400, 10}, {401, 499, 0}, {500, 500, 10}, {501, 599, 0}, {600, 1000, 10}});
    s.DrawDoubleWell(300, 100); // outer walls beyond the visible window: their handles skipped
    expectHandles(s, {{0, 10}, {74, 0}, {75, 10}, {275, 10}, {276, 0}, {350, 10}});

    s.DrawUnevenWell(100, 12, 5);
    expectRuns(s, {{0, 450, 12}, {451, 549, 0}, {550, 1000, 5}});
    EXPECT_EQ(s.fMaxE, 5); // bound below the lower wall
    EXPECT_EQ(s.MinGraph, 12);
    EXPECT_EQ(s.MaxGraph, 5);

    s.DrawRamp(4, 15); // the top corner would be handle 424: skipped
    EXPECT_EQ(s.PEGraph[375], 15);
    EXPECT_EQ(s.PEGraph[376], 0.04);
    EXPECT_EQ(s.PEGraph[749], 14.96);
    EXPECT_EQ(s.PEGraph[750], 15);
    expectHandles(s, {{0, 15}, {50, 15}, {51, 0}, {350, 15}});

    s.DrawUnevenWell(100, 3, 12);
    s.DrawFlat();
    expectRuns(s, {{0, 1000, 10}});
    expectHandles(s, {});
    EXPECT_EQ(s.fMaxE, 10); // the search limit follows the outside levels

    // Arguments the sliders never give must still not write beyond the grid.
    s.eta.fill(7);
    s.DrawWell(2000);
    s.DrawDoubleWell(1500, 1400);
    s.DrawRamp(0, 10);
    for (double v : s.eta) ASSERT_EQ(v, 7);
    EXPECT_EQ(s.PEGraph[1003], 0);
}

TEST(Integration, CutOffNodesAndScaling) {
    Solver s;
    s.DrawWell(100);
    s.Energy = 0; // no allowed point: nothing to scale by, nothing shown
    s.DrawEta(RowWell);
    EXPECT_EQ(s.lasti, 1000);
    s.DrawEtaToScreen();
    for (int i = 0; i <= 1001; ++i) ASSERT_EQ(s.feta[i], 40) << i;

    s.Energy = 0.30273417311; // ground state: no node, cut off in the right wall
    s.DrawEta(RowWell);
    EXPECT_EQ(s.NCrossings, 0);
    EXPECT_GT(s.lasti, 549);
    EXPECT_LT(s.lasti, 1000);
    s.DrawEtaToScreen();
    EXPECT_EQ(s.feta[s.lasti], 40);
    s.Energy = 1.20644009518; // first excited state: one node
    s.DrawEta(RowWell);
    EXPECT_EQ(s.NCrossings, 1);

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

TEST(Search, FindsTheLevelsOfTheGridAndOfTheTextbook) {
    Solver s;
    s.DrawWell(100);
    const std::string ground = level(s, RowWell, 0.01);
    EXPECT_EQ(ground, ".30273417311");
    EXPECT_EQ(level(s, RowWell, std::stod(ground)), "1.20644009518"); // Find from what it shows

    // The oscillator V = 10 eV/nm^2 x^2 has levels (n + 1/2) hbar omega, with
    // hbar omega = hbar c sqrt(2 k / m c^2).
    const double hbarOmega = 197.33 * std::sqrt(2 * 10.0 / 511003.0);
    s.DrawOscillator(0.001);
    s.Energy = 0.01;
    for (int n = 0; n < 3; ++n) {
        ASSERT_TRUE(s.CalculateEnergy(RowOscillator));
        EXPECT_NEAR(s.Energy, (n + 0.5) * hbarOmega, 1e-3) << n;
    }
    // Hydrogen: -13.6 eV / n^2, within the coarseness of a 0.01 nm grid near the centre.
    s.DrawHydrogen();
    s.Energy = -13.6;
    ASSERT_TRUE(s.CalculateEnergy(RowHydrogen));
    EXPECT_NEAR(s.Energy, -13.6, 0.15);
    ASSERT_TRUE(s.CalculateEnergy(RowHydrogen));
    EXPECT_NEAR(s.Energy, -3.4, 0.01);
}

TEST(Search, StaysInItsRangeAndFailsWithoutPublishing) {
    Solver* watched = nullptr;
    double lowest = 0, highest = 0;
    int yields = 0;
    Solver s([&] {
        ++yields;
        lowest = std::fmin(lowest, watched->Energy);
        highest = std::fmax(highest, watched->Energy);
    });
    watched = &s;
    auto watch = [&](double from) {
        lowest = highest = s.Energy = from;
        yields = 0;
    };

    s.DrawWell(100);
    watch(9.6); // the first step would reach 10.1 eV, above the walls
    ASSERT_TRUE(s.CalculateEnergy(RowWell));
    EXPECT_EQ(text11(s.Energy), "9.86069108188");
    EXPECT_LE(highest, s.fMaxE);
    watch(9.87); // above the top level: nothing until the walls
    EXPECT_FALSE(s.CalculateEnergy(RowWell));
    EXPECT_LE(highest, s.fMaxE);
    watch(-0.6); // every step stays below the bottom
    EXPECT_FALSE(s.CalculateEnergy(RowWell));
    EXPECT_EQ(s.Energy, -0.6);
    for (double bad : {std::nan(""), std::numeric_limits<double>::infinity(),
                       -std::numeric_limits<double>::infinity()}) {
        watch(bad);
        EXPECT_FALSE(s.CalculateEnergy(RowWell));
        EXPECT_EQ(yields, 0); // gives up at once: no step could move such an energy
    }

    s.DrawHydrogen();
    watch(-13.6);
    ASSERT_TRUE(s.CalculateEnergy(RowHydrogen));
    EXPECT_GE(lowest, -13.8);
    EXPECT_LE(highest, 0.0);
    watch(-13.6);
    s.DrawEta(RowHydrogen);
    EXPECT_EQ(yields, 1); // once per integration
}

TEST(Editing, ClicksDropsAndTheHitTest) {
    Solver s;
    s.DrawFlat();
    s.ClickAt(225, 15, true, false); // x = 0.5 nm: a tent 10 -> 15 over 225 steps, back over 125
    expectHandles(s, {{0, 10}, {225, 15}, {350, 10}});
    EXPECT_EQ(s.PEGraph[325 + 45], 11);
    EXPECT_EQ(s.PEGraph[550], 15);
    EXPECT_EQ(s.PEGraph[674], 10.04);
    s.ClickAt(100, 3, false, false); // outside the band: no handle
    s.ClickAt(350, 3, true, false);  // an end cannot be moved by a click
    expectHandles(s, {{0, 10}, {225, 15}, {350, 10}});
    s.DrawFlat();
    s.ClickAt(100.4, 4, true, true); // symmetric well: the mirror handle too
    expectHandles(s, {{0, 10}, {100, 4}, {249, 4}, {350, 10}});

    s.DrawWell(100);
    s.Points[0] = 3; // stray value: pinned back before the drop
    s.DropAt(125, 8, false);
    EXPECT_EQ(s.Points[0], 10);
    EXPECT_EQ(s.PEGraph[450], 8);
    s.DropAt(100, 6, true);
    EXPECT_EQ(s.Points[250], 6);
    EXPECT_EQ(s.fMaxE, 10); // inner handles leave the outside levels alone

    // A dropped end is the level beyond it: the curve meets the dot, the search stays below.
    s.DropAt(0, 4, false);
    EXPECT_EQ(s.Points[0], 4);
    for (int i = 0; i <= 325; ++i) ASSERT_EQ(s.PEGraph[i], 4) << i;
    EXPECT_EQ(s.fMaxE, 4);
    s.ClickAt(300, 12, true, false); // the next edit keeps the end where it was dropped
    EXPECT_EQ(s.Points[0], 4);
    s.DropAt(350, 2, true); // the symmetric well moves both ends
    EXPECT_EQ(s.PEGraph[0], 2);
    EXPECT_EQ(s.PEGraph[1000], 2);
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
