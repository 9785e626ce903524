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
    auto end = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 11).ptr;
    std::string s(buf, end);
    const auto zero = s.find("0.");
    if (zero == 0 || (zero == 1 && s[0] == '-')) s.erase(zero, 1);
    return s;
}

// What the window does with a published energy: show it, then read the text back.
double republish(double v) {
    const std::string s = text11(v);
    double back = 0;
    std::from_chars(s.data(), s.data() + s.size(), back);
    return back;
}

// Records the energies the solver holds whenever it yields, that is after every integration
// and every search pass.
struct Watch {
    static inline const Solver* solver = nullptr;
    static inline double lowest = 0, highest = 0;
    static inline int calls = 0;
    static void yield() {
        ++calls;
        lowest = std::fmin(lowest, solver->Energy);
        highest = std::fmax(highest, solver->Energy);
    }
    static void start(const Solver& s) {
        solver = &s;
        lowest = highest = s.Energy;
        calls = 0;
    }
};

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

TEST(Builders, WellEdgesAndHandles) {
    Solver s;
    s.DrawWell(100);
    expectRuns(s, {{0, 450, 10}, {451, 549, 0}, {550, 1000, 10}});
    expectHandles(s, {{0, 10}, {125, 10}, {126, 0}, {224, 0}, {225, 10}, {350, 10}});
    EXPECT_EQ(s.fMaxE, 10);

    s.DrawWell(101); // an odd width splits by truncation
    expectRuns(s, {{0, 449, 10}, {450, 549, 0}, {550, 1000, 10}});
    expectHandles(s, {{0, 10}, {124, 10}, {125, 0}, {224, 0}, {225, 10}, {350, 10}});

    s.DrawWell(0); // no well; overlapping handle writes, the later one wins
    expectRuns(s, {{0, 1000, 10}});
    expectHandles(s, {{0, 10}, {174, 0}, {175, 10}, {176, 0}, {350, 10}});
    s.DrawWell(1);
    expectRuns(s, {{0, 1000, 10}});
    expectHandles(s, {{0, 10}, {174, 0}, {175, 10}, {350, 10}});

    s.DrawWell(350);
    expectRuns(s, {{0, 325, 10}, {326, 674, 0}, {675, 1000, 10}});
    expectHandles(s, {{0, 10}, {1, 0}, {349, 0}, {350, 10}});
}

TEST(Builders, DoubleUnevenAndRamp) {
    Solver s;
    s.DrawDoubleWell(100, 100); // touching wells: a one-point barrier
    expectRuns(s, {{0, 400, 10}, {401, 499, 0}, {500, 500, 10}, {501, 599, 0}, {600, 1000, 10}});

    s.DrawDoubleWell(300, 100); // outer walls beyond the visible window: their handles skipped
    expectRuns(s, {{0, 300, 10}, {301, 399, 0}, {400, 600, 10}, {601, 699, 0}, {700, 1000, 10}});
    expectHandles(s, {{0, 10}, {74, 0}, {75, 10}, {275, 10}, {276, 0}, {350, 10}});

    s.DrawUnevenWell(100, 12, 5);
    expectRuns(s, {{0, 450, 12}, {451, 549, 0}, {550, 1000, 5}});
    expectHandles(s, {{0, 12}, {125, 12}, {126, 0}, {224, 0}, {225, 5}, {350, 5}});
    EXPECT_EQ(s.fMaxE, 5);
    EXPECT_EQ(s.MinGraph, 12);
    EXPECT_EQ(s.MaxGraph, 5);

    s.DrawRamp(4, 10);
    EXPECT_EQ(s.PEGraph[375], 10);
    EXPECT_EQ(s.PEGraph[376], 0.04);
    EXPECT_EQ(s.PEGraph[624], 9.96);
    EXPECT_EQ(s.PEGraph[625], 10);
    expectHandles(s, {{0, 10}, {50, 10}, {51, 0}, {299, 10}, {350, 10}});
    s.DrawRamp(4, 15); // the top corner would be handle 424
    EXPECT_EQ(s.PEGraph[749], 14.96);
    EXPECT_EQ(s.PEGraph[750], 15);
    expectHandles(s, {{0, 15}, {50, 15}, {51, 0}, {350, 15}});
}

TEST(Builders, OscillatorHydrogenAndFlat) {
    Solver s;
    s.MinGraph = 3;
    s.DrawOscillator(0.001);
    EXPECT_EQ(s.PEGraph[500], 0);
    EXPECT_EQ(s.PEGraph[325], 30.625);
    EXPECT_EQ(s.fMaxE, 250);
    EXPECT_EQ(s.MinGraph, 3); // untouched
    expectHandles(s, {});

    s.DrawHydrogen();
    EXPECT_EQ(s.PEGraph[324], 0);
    EXPECT_EQ(s.PEGraph[325], -std::numeric_limits<double>::infinity());
    EXPECT_EQ(s.PEGraph[326], -144);
    EXPECT_EQ(s.PEGraph[674], -144.0 / 349);
    EXPECT_EQ(s.PEGraph[675], 0);
    EXPECT_EQ(s.fMaxE, 0);

    s.fMaxE = 7;
    s.DrawFlat();
    expectRuns(s, {{0, 1000, 10}});
    expectHandles(s, {});
    EXPECT_EQ(s.MinGraph, 10);
    EXPECT_EQ(s.MaxGraph, 10);
    EXPECT_EQ(s.fMaxE, 7); // a drawn potential keeps the previous search limit
}

// Arguments the sliders never give must still not write beyond the grid.
TEST(Builders, OutOfRangeArgumentsStayOnTheGrid) {
    Solver s;
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
    s.Energy = 0; // no allowed point: nothing to scale by
    s.DrawEta(RowWell);
    EXPECT_EQ(s.max, 0);
    EXPECT_EQ(s.NCrossings, 0);
    EXPECT_EQ(s.lasti, 1000);
    s.DrawEtaToScreen();
    for (int i = 0; i < 1000; ++i) ASSERT_EQ(s.feta[i], 40) << i; // off the plot: nothing shown
    EXPECT_EQ(s.feta[1000], 40);
    EXPECT_EQ(s.feta[1001], 40);

    s.Energy = 20; // above every wall: nothing is forbidden, so no cut-off
    s.DrawEta(RowWell);
    EXPECT_EQ(s.lasti, 1000);

    s.Energy = 0.30273417311; // ground state: no node, cut off in the right wall
    s.DrawEta(RowWell);
    EXPECT_EQ(s.NCrossings, 0);
    EXPECT_GT(s.lasti, 549);
    EXPECT_LT(s.lasti, 1000);
    s.DrawEtaToScreen();
    EXPECT_EQ(s.feta[s.lasti], 40);
    EXPECT_EQ(s.feta[1001], 40);

    s.Energy = 1.20644009518; // first excited state: one node
    s.DrawEta(RowWell);
    EXPECT_EQ(s.NCrossings, 1);
}

TEST(Integration, SymmetricAndHydrogenStarts) {
    Solver s;
    s.DrawWell(100);
    s.Energy = 20;
    s.symmetric = true;
    s.DrawEta(RowSymmetricWell);
    EXPECT_EQ(s.eta[0], 1e-40);
    EXPECT_EQ(s.eta[1], 1e-40);
    EXPECT_EQ(s.lasti, 499);
    s.symmetric = false;
    s.DrawEta(RowSymmetricWell);
    EXPECT_EQ(s.eta[0], 0);
    EXPECT_EQ(s.eta[1], 1e-40);

    // The odd half has its node on grid point 500 and gives the whole grid's second level.
    s.Energy = 0.01;
    ASSERT_TRUE(s.CalculateEnergy(RowSymmetricWell));
    EXPECT_EQ(text11(s.Energy), "1.20644009518");
    // The even half mirrors about 500.5: its bottom is 98 points wide, as in a 99-step well.
    s.symmetric = true;
    s.Energy = 0.01;
    ASSERT_TRUE(s.CalculateEnergy(RowSymmetricWell));
    Solver narrower;
    narrower.DrawWell(99);
    narrower.Energy = 0.01;
    ASSERT_TRUE(narrower.CalculateEnergy(RowWell));
    EXPECT_EQ(text11(s.Energy), text11(narrower.Energy));

    s.DrawHydrogen();
    s.eta.fill(5);
    s.Energy = -13.6;
    s.DrawEta(RowHydrogen);
    for (int j = 0; j <= 325; ++j) ASSERT_EQ(s.eta[j], 0) << j;
    EXPECT_EQ(s.eta[326], 1e-40);
    EXPECT_GE(s.lasti, 326);
    EXPECT_TRUE(std::isfinite(s.max)); // the infinity at the centre is never read
    EXPECT_GT(s.max, 0);
}

TEST(Search, StepLadder) {
    Solver s;
    EXPECT_EQ(s.StepSize(0), 0);
    EXPECT_TRUE(s.NewStep);
    EXPECT_EQ(s.StepSize(1), 0.2);
    EXPECT_EQ(s.StepSize(2), 0.1);
    EXPECT_EQ(s.StepSize(3), 0.05);
    EXPECT_DOUBLE_EQ(s.StepSize(4), 0.02);
    EXPECT_DOUBLE_EQ(s.StepSize(5), 0.01);
    EXPECT_DOUBLE_EQ(s.StepSize(6), 0.005);
    EXPECT_DOUBLE_EQ(s.StepSize(32), 1e-11);
    EXPECT_TRUE(s.NewStep);
    EXPECT_EQ(s.StepSize(33), 0);
    EXPECT_FALSE(s.NewStep);
    EXPECT_EQ(s.StepSize(-1), 0);
    EXPECT_TRUE(s.NewStep);
}

TEST(Search, PublishesTheLevelsOfTheGrid) {
    Solver s;
    s.DrawWell(100);
    s.Energy = 0.01;
    ASSERT_TRUE(s.CalculateEnergy(RowWell));
    EXPECT_EQ(text11(s.Energy), ".30273417311");
    s.Energy = republish(s.Energy);
    ASSERT_TRUE(s.CalculateEnergy(RowWell));
    EXPECT_EQ(text11(s.Energy), "1.20644009518");

    // A first step of 0.5 eV crosses two nodes here; the search must not jump over the ground
    // state.
    s.DrawWell(200);
    s.Energy = 0.01;
    ASSERT_TRUE(s.CalculateEnergy(RowWell));
    EXPECT_EQ(text11(s.Energy), ".08414020388");
}

TEST(Search, NeverIntegratesOutsideItsRange) {
    Solver s(&Watch::yield);
    s.DrawWell(100);
    s.Energy = 9.6; // the first step would reach 10.1 eV, above the walls
    Watch::start(s);
    ASSERT_TRUE(s.CalculateEnergy(RowWell));
    EXPECT_EQ(text11(s.Energy), "9.86069108188");
    EXPECT_LE(Watch::highest, s.fMaxE);

    s.DrawHydrogen();
    s.Energy = -13.6;
    Watch::start(s);
    ASSERT_TRUE(s.CalculateEnergy(RowHydrogen));
    EXPECT_EQ(text11(s.Energy), "-13.48670545988");
    EXPECT_GE(Watch::lowest, -13.8);
    EXPECT_LE(Watch::highest, 0.0);

    Watch::start(s);
    s.DrawEta(RowHydrogen);
    EXPECT_EQ(Watch::calls, 1);
}

TEST(Search, FailuresPublishNothing) {
    Solver s(&Watch::yield);
    Watch::start(s);
    s.DrawWell(100);
    s.Energy = 9.87; // above the top level: nothing until the walls
    EXPECT_FALSE(s.CalculateEnergy(RowWell));
    EXPECT_LE(s.Energy, s.fMaxE);

    s.Energy = -0.6; // every step stays below the bottom
    EXPECT_FALSE(s.CalculateEnergy(RowWell));
    EXPECT_EQ(text11(s.Energy), "-.60000000000");

    for (double bad : {std::nan(""), std::numeric_limits<double>::infinity(),
                       -std::numeric_limits<double>::infinity()}) {
        s.Energy = bad;
        Watch::start(s);
        EXPECT_FALSE(s.CalculateEnergy(RowWell));
        EXPECT_EQ(Watch::calls, 0); // gives up at once: no step could move such an energy
    }
}

TEST(Editing, ClickCreatesAHandleAndRebuilds) {
    Solver s;
    s.DrawFlat();
    s.ClickAt(225, 15, true, false); // x = 0.5 nm
    expectHandles(s, {{0, 10}, {225, 15}, {350, 10}});
    EXPECT_EQ(s.PEGraph[325 + 45], 11); // tent: 10 -> 15 over 225 steps, back over 125
    EXPECT_EQ(s.PEGraph[550], 15);
    EXPECT_EQ(s.PEGraph[575], 14);
    EXPECT_EQ(s.PEGraph[674], 10.04);
    EXPECT_EQ(s.PEGraph[0], 10);
    EXPECT_EQ(s.PEGraph[1000], 10);

    s.ClickAt(100, 3, false, false); // outside the band: no handle, still rebuilt
    EXPECT_EQ(s.Points[100], NoHandle);
    s.ClickAt(350, 3, true, false); // an end cannot be moved by a click
    EXPECT_EQ(s.Points[350], 10);

    s.DrawFlat();
    s.ClickAt(100.4, 4, true, true); // symmetric well: the mirror handle too
    expectHandles(s, {{0, 10}, {100, 4}, {249, 4}, {350, 10}});
}

TEST(Editing, DropKeepsTheValueAndMirrors) {
    Solver s;
    s.DrawWell(100);
    s.Points[0] = 3; // stray value: pinned back before the drop
    s.DropAt(125, 8, false);
    EXPECT_EQ(s.Points[0], 10);
    EXPECT_EQ(s.Points[125], 8);
    EXPECT_EQ(s.PEGraph[450], 8);

    s.DropAt(0, 4, false); // a dropped end keeps its value; the outer grid keeps MinGraph
    EXPECT_EQ(s.Points[0], 4);
    EXPECT_EQ(s.PEGraph[325], 10);
    EXPECT_EQ(s.PEGraph[326], 4 + (8 - 4) * 1.0 / 125);

    s.DropAt(100, 6, true);
    EXPECT_EQ(s.Points[100], 6);
    EXPECT_EQ(s.Points[250], 6);
    EXPECT_EQ(s.Points[0], 10);
}

TEST(Editing, HitTest) {
    Solver s;
    s.DrawFlat();
    s.Points[99] = 5;
    s.Points[100] = 5.5;
    s.Points[101] = 6;
    EXPECT_EQ(s.HitHandle(100.3, 5.6), 101); // kx + 1 first
    s.Points[101] = NoHandle;
    EXPECT_EQ(s.HitHandle(100.3, 5.6), 100); // then kx
    s.Points[100] = 9;
    EXPECT_EQ(s.HitHandle(100.3, 5.6), 99); // then kx - 1
    EXPECT_EQ(s.HitHandle(100.3, 6.0), -1); // exactly 1 eV away misses
    s.Points[0] = 10;
    EXPECT_EQ(s.HitHandle(-0.5, 10), 0);    // only candidate 0.5 lies in range
    EXPECT_EQ(s.HitHandle(175, -99.5), -1); // empty slots are no handles
}
