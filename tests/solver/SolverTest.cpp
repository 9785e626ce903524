// The solver's potentials, search, edits, spectrum, exact levels and superpositions.
#include "solver/core/Solver.h"
#include "solver/core/Constants.h"
#include "solver/core/ExactLevels.h"
#include "solver/core/PotentialRows.h"
#include "solver/core/PotentialScans.h"
#include "solver/core/SignChanges.h"
#include "solver/core/Spectrum.h"
#include "solver/core/Superposition.h"

#include <boost/math/special_functions/airy.hpp>
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <map>
#include <numbers>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

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

Spectrum spectrumOf(int row, int s1 = 0, int s2 = 0, int s3 = 0, int most = MaxSpectrumStates) {
    Solver s;
    s.BuildRow(row, s1, s2, s3);
    return ComputeSpectrum(s.PEGraph, row, s.fMaxE, most);
}

// Find pressed until it beeps, each time from the level as the field publishes it (11 decimals).
std::vector<double> findAll(Solver& s, int row, bool even, std::size_t most) {
    std::vector<double> levels;
    s.symmetric = even;
    s.Energy = row == RowHydrogen ? -13.6 : 0.01;
    while (levels.size() < most && s.CalculateEnergy(row)) {
        levels.push_back(s.Energy);
        s.Energy = std::stod(text11(s.Energy));
    }
    return levels;
}

double dot(int row, const BoundState& a, const BoundState& b) {
    double sum = 0;
    for (int i = 0; i <= GridLast; ++i)
        sum += a.psi[std::size_t(i)] * b.psi[std::size_t(i)] * SpectrumWeight(row, i);
    return sum;
}

double relative(double grid, double exact) {
    return (grid - exact) / std::fabs(exact);
}

// The integrals of |Psi|^2, x |Psi|^2 and x^2 |Psi|^2 straight from Psi on the grid.
Moments fromGrid(int row, const Wave& w) {
    double norm = 0, mx = 0, mx2 = 0;
    for (int i = 0; i <= GridLast; ++i) {
        const double p = w.density[std::size_t(i)] * SpectrumWeight(row, i);
        const double x = SpectrumPosition(row, i);
        norm += p;
        mx += p * x;
        mx2 += p * x * x;
    }
    return {mx / norm, std::sqrt(mx2 / norm - mx * mx / norm / norm), norm};
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

    // The symmetric well integrates the right half; the odd one (node at 500) is level two.
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
    double lowest = 0, highest = 0;
    Solver s([&] { // each step of the search
        lowest = std::fmin(lowest, s.Energy);
        highest = std::fmax(highest, s.Energy);
    });
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
         }) {
        s.BuildRow(c.row, c.width, 0, 0);
        lowest = highest = c.from;
        EXPECT_EQ(level(s, c.row, c.from), c.shown) << c.width << " " << c.from;
        EXPECT_LE(highest, s.fMaxE) << c.from;
        EXPECT_GE(lowest, c.row == RowHydrogen ? -13.8 : std::fmin(c.from, 0)) << c.from;
    }
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

TEST(Spectrum, EnergiesAreTheLevelsFindFindsOnEverySliderSetting) {
    std::mt19937 random(11);
    for (const RowInfo& r : PotentialRows) {
        if (r.row == RowDraw) continue;
        for (int trial = 0; trial < 6; ++trial) {
            int v[3] = {r.sliders[0].start, r.sliders[1].start, r.sliders[2].start};
            for (int n = 0; n < r.sliderCount && trial > 0; ++n) {
                const SliderInfo& info = r.sliders[std::size_t(n)];
                const int max = info.maxFollowsSlider1 ? v[0] : info.max;
                v[n] = std::uniform_int_distribution<int>(info.min, max)(random);
            }
            Solver s;
            s.BuildRow(r.row, v[0], v[1], v[2]);
            const Spectrum spectrum = ComputeSpectrum(s.PEGraph, r.row, s.fMaxE);
            SCOPED_TRACE(testing::Message()
                         << r.option << " " << v[0] << " " << v[1] << " " << v[2]);
            // Find walks one parity at a time in the symmetric well.
            for (int parity : r.hasParity ? std::vector<int>{1, -1} : std::vector<int>{0}) {
                std::vector<double> expected;
                for (const BoundState& b : spectrum.states)
                    if (b.parity == parity) expected.push_back(b.energy);
                const std::vector<double> found =
                    findAll(s, r.row, parity > 0, std::min<std::size_t>(expected.size() + 1, 12));
                ASSERT_GE(found.size(), std::min<std::size_t>(expected.size(), 12));
                ASSERT_LE(found.size(), expected.size()) << "Find found one more";
                for (std::size_t k = 0; k < found.size(); ++k)
                    EXPECT_NEAR(found[k], expected[k], 1e-10) << "level " << k;
            }
        }
    }
}

TEST(Spectrum, StatesAreOrthonormalWithNNodesAndTheirParity) {
    for (const auto& [row, s1, s2] : {std::tuple{RowWell, 100, 0},
                                      {RowSymmetricWell, 150, 60},
                                      {RowRamp, 20, 12},
                                      {RowOscillator, 5, 0},
                                      {RowHydrogen, 0, 0}}) {
        const Spectrum sp = spectrumOf(row, s1, s2, 10);
        ASSERT_GE(sp.states.size(), 3u) << row;
        for (std::size_t a = 0; a < sp.states.size(); ++a) {
            const BoundState& A = sp.states[a];
            SCOPED_TRACE(testing::Message() << "row " << row << " state " << a);
            EXPECT_EQ(A.n, (row == RowHydrogen ? 1 : 0) + int(a));
            EXPECT_EQ(A.nodes, int(a));
            EXPECT_NEAR(dot(row, A, A), 1.0, 1e-12);
            for (std::size_t b = 0; b < a; ++b) EXPECT_NEAR(dot(row, A, sp.states[b]), 0.0, 1e-9);
            // The symmetric well's ground state is even, then they alternate.
            EXPECT_EQ(A.parity, row != RowSymmetricWell ? 0 : a % 2 == 0 ? 1 : -1);
            if (row == RowSymmetricWell) {
                EXPECT_NEAR(A.meanX, 0.0, 1e-12);
            }
            EXPECT_NEAR(A.meanT + A.meanV, A.energy, 1e-12);
        }
    }
}

TEST(Spectrum, ObservablesMatchTheTextbookAndTooManyOrNoneAreHandled) {
    // Oscillator: <x> = 0, <V> = E/2 (virial), dx^2 = E / k with k = 20 N eV/nm^2.
    const Spectrum sp = spectrumOf(RowOscillator, 2, 0, 0, 4);
    ASSERT_EQ(sp.states.size(), 4u);
    for (const BoundState& b : sp.states) {
        EXPECT_NEAR(b.meanX, 0.0, 1e-9);
        EXPECT_NEAR(b.meanV / b.energy, 0.5, 1e-3);
        EXPECT_NEAR(b.spreadX * b.spreadX, b.energy / 40.0, 1e-3 * b.energy / 40.0);
    }
    // Hydrogen's ground state: <r> = 3/2 a0 (a0 = 0.0529 nm), a few per cent off on this grid.
    EXPECT_NEAR(spectrumOf(RowHydrogen, 0, 0, 0, 1).states.at(0).meanX, 1.5 * 0.0529, 0.0079);

    EXPECT_TRUE(spectrumOf(RowWell, 0).states.empty());
    EXPECT_TRUE(spectrumOf(RowRamp, 50, 0).states.empty());
    Solver s; // a wide, deep drawn well holds far more than a hundred levels
    for (int i = 0; i <= GridLast; ++i) s.PEGraph[std::size_t(i)] = i > 20 && i < 980 ? -300 : 10;
    const Spectrum many = ComputeSpectrum(s.PEGraph, RowDraw, 10);
    ASSERT_EQ(many.states.size(), std::size_t(MaxSpectrumStates));
    EXPECT_EQ(many.states.back().nodes, MaxSpectrumStates - 1);
}

TEST(ExactLevels, ClosedFormsAndTextbookLimits) {
    // Oscillator N = 1: V = 10 x^2 eV, a spring of 20 eV/nm^2; 0.5 ... 3.5 quanta below 4.
    const double quantum = phys::HbarC * std::sqrt(20.0 / phys::RestEnergy);
    const ExactLevels osc = ExactLevelsOf(RowOscillator, 1, 0, 0, 4 * quantum);
    ASSERT_EQ(osc.levels.size(), 4u);
    EXPECT_NEAR(osc.levels[0].energy, quantum / 2, 1e-12);
    const ExactLevels h = ExactLevelsOf(RowHydrogen, 0, 0, 0, 0, 100);
    ASSERT_EQ(h.levels.size(), 100u);
    EXPECT_EQ(h.levels[0].n, 1);
    EXPECT_NEAR(h.levels[0].energy, -13.606, 5e-4);
    EXPECT_EQ(ExactLevelsOf(RowHydrogen, 0, 0, 0, -1.0).levels.size(), 3u);
    EXPECT_FALSE(ExactLevelsOf(RowDraw, 0, 0, 0, 10).available);
    EXPECT_EQ(ExactLevelsOf(RowWell, 100, 0, 0, 10, 4).levels.size(), 4u); // six bound

    // The textbook 1 nm, 10 eV well; walls of 1e14 eV are the infinite well, from just below.
    EXPECT_NEAR(ExactLevelsOf(RowWell, 100, 0, 0, 10).levels.at(0).energy, 0.29760, 1e-5);
    const auto walled = exact::FiniteWell(1.0, 1e14, 1e16, 20, 100);
    ASSERT_EQ(walled.size(), 7u); // 0.376 (n + 1)^2 eV below 20 eV: n = 0 ... 6
    for (const ExactLevel& l : walled) {
        const double infinite =
            (l.n + 1) * (l.n + 1) * std::numbers::pi * std::numbers::pi * phys::Kinetic;
        EXPECT_LT(l.energy, infinite);
        EXPECT_NEAR(l.energy / infinite, 1, 1e-6) << l.n;
    }
    // A ramp under an infinite wall with no top: E_n = -a_(n+1) (slope^2 hbar^2 / 2m)^(1/3).
    const auto ramp = exact::Ramp(4, 1e14, 1e14, 8, 100);
    ASSERT_EQ(ramp.size(), 6u); // 2.338, 4.088, 5.521, 6.787, 7.944, 9.023 units of 0.848 eV
    for (const ExactLevel& l : ramp)
        EXPECT_NEAR(l.energy,
                    -boost::math::airy_ai_zero<double>(l.n + 1) * std::cbrt(16 * phys::Kinetic),
                    1e-6)
            << l.n;

    // A level just below the limit counts, one just above does not.
    const auto single = exact::FiniteWell(1.0, 10, 10, 10, 100);
    EXPECT_EQ(exact::FiniteWell(1.0, 10, 10, single[2].energy + 1e-9, 100).size(), 3u);
    EXPECT_EQ(exact::FiniteWell(1.0, 10, 10, single[2].energy - 1e-9, 100).size(), 2u);
    // Wells 1e-6 nm apart are nearly one well of twice the width.
    const auto thin = exact::DoubleWell(0.5, 1e-6, 10, 10, 100);
    ASSERT_EQ(thin.size(), single.size());
    for (std::size_t n = 0; n < single.size(); ++n) {
        EXPECT_NEAR(thin[n].energy, single[n].energy, 1e-4);
        EXPECT_EQ(thin[n].parity, n % 2 == 0 ? 1 : -1);
    }
    EXPECT_TRUE(ExactLevelsOf(RowSymmetricWell, 100, 0, 0, 10).levels.empty());
    // Behind a 2.56 nm barrier the pairs split by less than the tolerance; still in order.
    const auto wide = ExactLevelsOf(RowSymmetricWell, 337, 81, 0, 10).levels;
    for (std::size_t n = 1; n < wide.size(); ++n) EXPECT_LE(wide[n - 1].energy, wide[n].energy);
}

TEST(ExactLevels, EachLevelOnceAndApproachedByTheGrid) {
    struct Setting {
        int row, s1, s2, s3;
        double tolerance; // largest relative difference expected from the grid
    };
    // clang-format off
    const Setting settings[] = {
        {RowWell, 100, 0, 0, 0.02}, {RowWell, 300, 0, 0, 0.007}, {RowUneven, 80, 15, 3, 0.03},
        {RowSymmetricWell, 100, 50, 0, 0.035}, {RowSymmetricWell, 200, 150, 0, 0.02},
        {RowRamp, 4, 10, 0, 0.012}, {RowRamp, 100, 15, 0, 0.035},
    };
    // clang-format on
    std::vector<double> wellGround; // relative differences of the 1 nm and 3 nm wells
    for (const Setting& t : settings) {
        SCOPED_TRACE(::testing::Message() << t.row << ": " << t.s1 << " " << t.s2 << " " << t.s3);
        const ExactLevels exact = ExactLevelsOf(t.row, t.s1, t.s2, t.s3, 15);
        const Spectrum grid = spectrumOf(t.row, t.s1, t.s2, t.s3);
        ASSERT_EQ(exact.levels.size(), grid.states.size());
        for (const ExactLevel& l : exact.levels) {
            // The grid's walls stand half a step inside the nominal ones: its levels lie higher.
            const double e = relative(grid.states[std::size_t(l.n)].energy, l.energy);
            EXPECT_GT(e, 0) << l.n;
            EXPECT_LT(e, t.tolerance) << l.n;
        }
        if (t.row == RowWell)
            wellGround.push_back(relative(grid.states[0].energy, exact.levels[0].energy));
    }
    EXPECT_LT(wellGround.at(1), wellGround.at(0) / 2); // the wall error shrinks as the well widens

    // No walls: the three-point difference errs by -(dx / l)^2 / 16, l^2 = Kinetic / E_0.
    const double e0 = ExactLevelsOf(RowOscillator, 1, 0, 0, 1).levels.at(0).energy;
    const double expected = -phys::Dx * phys::Dx * e0 / (16 * phys::Kinetic);
    const double osc = relative(spectrumOf(RowOscillator, 1, 0, 0, 1).states.at(0).energy, e0);
    EXPECT_NEAR(osc, expected, 0.02 * -expected);
    // Hydrogen's lowest levels: within a per cent, from above.
    const Spectrum hGrid = spectrumOf(RowHydrogen, 0, 0, 0, 4);
    const auto h = ExactLevelsOf(RowHydrogen, 0, 0, 0, 0, 4).levels;
    for (std::size_t n = 0; n < h.size(); ++n)
        EXPECT_NEAR(relative(hGrid.states.at(n).energy, h[n].energy), 0.005, 0.005) << n;
}

TEST(Superposition, NormStaysOneAndMomentsMatchTheGridIntegrals) {
    for (const auto& [row, s1, s2, s3] : {std::tuple{RowOscillator, 5, 0, 0},
                                          {RowUneven, 150, 15, 5},
                                          {RowSymmetricWell, 150, 60, 0},
                                          {RowHydrogen, 0, 0, 0}}) {
        const Spectrum sp = spectrumOf(row, s1, s2, s3);
        ASSERT_GE(sp.states.size(), 3u) << row;
        const Superposition s(sp, row, {2, 0, 1}, {0.3, 1, 0.6});
        Wave w;
        for (double t : {0.0, 0.37, 5.0, 123.4, 1e4}) {
            SCOPED_TRACE(testing::Message() << row << " t " << t);
            const Moments m = s.MomentsAt(t);
            s.WaveAt(t, w);
            const Moments g = fromGrid(row, w);
            EXPECT_NEAR(m.norm, 1, 1e-12);
            EXPECT_NEAR(g.norm, 1, 1e-12);
            EXPECT_NEAR(m.meanX, g.meanX, 1e-10);
            EXPECT_NEAR(m.spreadX, g.spreadX, 1e-10);
        }
    }
}

TEST(Superposition, OneStateIsStationary) {
    for (int row : {RowUneven, RowHydrogen}) {
        const Spectrum sp = spectrumOf(row, 150, 15, 5);
        const BoundState& state = sp.states[1];
        const Superposition s(sp, row, {1}, {0.4});
        Wave start, later;
        s.WaveAt(0, start);
        s.WaveAt(17.3, later);
        for (std::size_t i = 0; i <= GridLast; ++i)
            EXPECT_NEAR(later.density[i], start.density[i], 1e-12) << i;
        EXPECT_NEAR(s.MeanX(900), state.meanX, 1e-12);
        EXPECT_EQ(std::pair(s.LongestBeat(), s.ShortestBeat()), std::pair(0.0, 0.0));
    }
}

TEST(Superposition, TwoStatesBeatAndTheDoubleWellPairMirrorsInHalfABeat) {
    // h = 4.135667 eV fs: one eV of difference beats in 4.1357 fs.
    EXPECT_NEAR(BeatPeriod(0, 1), 4.135667, 2e-4);
    EXPECT_TRUE(std::isinf(BeatPeriod(1.5, 1.5)));

    const Spectrum sp = spectrumOf(RowUneven, 150, 15, 5);
    const Superposition s(sp, RowUneven, {0, 1}, {1, 0.7});
    const double period = BeatPeriod(sp.states[0].energy, sp.states[1].energy);
    EXPECT_DOUBLE_EQ(s.LongestBeat(), period);
    // Real states and amplitudes: <x>(t) = A + B cos(2 pi t / period), A and B from 0 and half.
    const double a = (s.MeanX(0) + s.MeanX(period / 2)) / 2;
    const double amplitude = (s.MeanX(0) - s.MeanX(period / 2)) / 2;
    ASSERT_GT(std::fabs(amplitude), 1e-3);
    for (double t : {0.1, 1.3, 0.3 * period, 40.0, 1e4})
        EXPECT_NEAR(s.MeanX(t), a + amplitude * std::cos(2 * std::numbers::pi * t / period), 1e-10)
            << t;
    // Three states beat fastest at their outer pair's difference, unless it has no weight; <x>
    // alone is what the moments say.
    const Superposition three(sp, RowUneven, {0, 1, 2}, {1, 0.7, 0.5});
    EXPECT_EQ(std::pair(three.LongestBeat(), three.ShortestBeat()),
              std::pair(period, BeatPeriod(sp.states[0].energy, sp.states[2].energy)));
    EXPECT_EQ(Superposition(sp, RowUneven, {0, 1, 2}, {1, 0.7, 0}).ShortestBeat(), period);
    for (double t : {0.0, 0.7, 1e3}) EXPECT_EQ(three.MeanX(t), three.MomentsAt(t).meanX) << t;

    // The even-odd pair of wells at -0.75 and +0.75 nm: at half the beat, the start's mirror.
    const Spectrum pair = spectrumOf(RowSymmetricWell, 150, 60);
    const Superposition tunnel(pair, RowSymmetricWell, {0, 1}, {1, 1});
    Wave start, half;
    tunnel.WaveAt(0, start);
    tunnel.WaveAt(BeatPeriod(pair.states[0].energy, pair.states[1].energy) / 2, half);
    for (std::size_t i = 0; i <= 500; i += 10)
        EXPECT_NEAR(half.density[500 + i], start.density[500 - i], 1e-12) << i;
}

// Against one value at a time, on every length up to 9 (the vectors' pairs and the tails) and
// every pattern of signs and small values.
TEST(SignChanges, CountEveryChangeAndFindEverySmallValue) {
    for (int n = 0; n <= 9; ++n) {
        for (int pattern = 0; pattern < (1 << n); ++pattern) {
            std::vector<double> x;
            for (int i = 0; i < n; ++i) x.push_back((pattern >> i & 1 ? -1.0 : 1.0) * (i + 1));
            int changes = 0;
            for (int i = 0; i + 1 < n; ++i) changes += (x[i] < 0) != (x[i + 1] < 0);
            ASSERT_EQ(SignBitChanges(x.data(), n), changes) << n << " " << pattern;
            ASSERT_TRUE(AllAbove(x.data(), n, 0.5));
            for (int i = 0; i < n; ++i) {
                std::vector<double> small = x;
                small[std::size_t(i)] *= 1e-3;
                ASSERT_FALSE(AllAbove(small.data(), n, 0.5)) << n << " " << i;
            }
        }
    }
}

// Against one value at a time, on every length up to 11 and every pattern of values below a
// level, and with an infinity or NaN anywhere.
TEST(PotentialScans, FindTheAllowedEndsAndTheExtent) {
    for (int n = 2; n <= 11; ++n) {
        for (int pattern = 0; pattern < (1 << n); ++pattern) {
            std::vector<double> v;
            for (int i = 0; i < n; ++i) v.push_back(pattern >> i & 1 ? -1.0 - i : 3.0 + i);
            int first = n, last = -1;
            for (int i = 0; i < n; ++i)
                if (v[std::size_t(i)] < 0) first = std::min(first, i), last = i;
            ASSERT_EQ(FirstBelow(v.data(), n, 0), first) << n << " " << pattern;
            ASSERT_EQ(LastBelow(v.data(), n, 0), last) << n << " " << pattern;
            const PotentialExtent e = ExtentOf(v.data(), n);
            ASSERT_EQ(e.lowest, *std::min_element(v.begin(), v.end())) << n << " " << pattern;
            ASSERT_EQ(e.largest, std::max(-e.lowest, *std::max_element(v.begin(), v.end())));
            ASSERT_TRUE(e.finite);
        }
        for (int i = 0; i < n; ++i) {
            for (const double bad : {INFINITY, -INFINITY, NAN}) {
                std::vector<double> v(std::size_t(n), 1.0);
                v[std::size_t(i)] = bad;
                ASSERT_FALSE(ExtentOf(v.data(), n).finite) << n << " " << i;
            }
        }
    }
}
