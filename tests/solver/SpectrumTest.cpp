// The spectrum: the grid's own levels, as Find finds them one by one, with states that are
// normalised, orthogonal and have n nodes.
#include "solver/core/Spectrum.h"
#include "solver/core/PotentialRows.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace {

Solver build(int row, int s1, int s2, int s3) {
    Solver s;
    s.BuildRow(row, s1, s2, s3);
    return s;
}

// Find pressed until it beeps, each time from the level as the field publishes it (11 decimals).
std::vector<double> findAll(Solver& s, int row, bool even, std::size_t most) {
    std::vector<double> levels;
    s.symmetric = even;
    s.Energy = row == RowHydrogen ? -13.6 : 0.01;
    char text[64];
    while (levels.size() < most && s.CalculateEnergy(row)) {
        levels.push_back(s.Energy);
        std::snprintf(text, sizeof text, "%.11f", s.Energy);
        s.Energy = std::stod(text);
    }
    return levels;
}

double dot(int row, const BoundState& a, const BoundState& b) {
    double sum = 0;
    for (int i = 0; i <= GridLast; ++i)
        sum += a.psi[std::size_t(i)] * b.psi[std::size_t(i)] * SpectrumWeight(row, i);
    return sum;
}

} // namespace

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
            Solver s = build(r.row, v[0], v[1], v[2]);
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
        Solver s = build(row, s1, s2, 10);
        const Spectrum sp = ComputeSpectrum(s.PEGraph, row, s.fMaxE);
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
            EXPECT_GT(A.meanT, 0.0);
            EXPECT_GT(A.pForbidden, 0.0);
            EXPECT_LT(A.pForbidden, 1.0);
        }
    }
}

TEST(Spectrum, ObservablesMatchTheTextbookWhereTheGridIsFine) {
    // Oscillator: <x> = 0, <V> = E/2 (virial), dx^2 = E / k with k = 20 N eV/nm^2.
    Solver s = build(RowOscillator, 2, 0, 0);
    const Spectrum sp = ComputeSpectrum(s.PEGraph, RowOscillator, s.fMaxE, 4);
    ASSERT_EQ(sp.states.size(), 4u);
    for (const BoundState& b : sp.states) {
        EXPECT_NEAR(b.meanX, 0.0, 1e-9);
        EXPECT_NEAR(b.meanV / b.energy, 0.5, 1e-3);
        EXPECT_NEAR(b.spreadX * b.spreadX, b.energy / 40.0, 1e-3 * b.energy / 40.0);
    }
    // Hydrogen's ground state: <r> = 3/2 a0 (a0 = 0.0529 nm), a few per cent off on this grid.
    Solver h = build(RowHydrogen, 0, 0, 0);
    const Spectrum hs = ComputeSpectrum(h.PEGraph, RowHydrogen, h.fMaxE, 1);
    ASSERT_EQ(hs.states.size(), 1u);
    EXPECT_NEAR(hs.states[0].meanX, 1.5 * 0.0529, 0.1 * 0.0794);
}

TEST(Spectrum, NoBoundStateGivesAnEmptySpectrumAndManyAreCapped) {
    Solver s;
    s.DrawFlat(); // the Draw row's start: 10 eV everywhere, nothing below 10 eV
    EXPECT_TRUE(ComputeSpectrum(s.PEGraph, RowDraw, 10).states.empty());
    s.DrawWell(0);
    EXPECT_TRUE(ComputeSpectrum(s.PEGraph, RowWell, s.fMaxE).states.empty());
    s.DrawRamp(50, 0);
    EXPECT_TRUE(ComputeSpectrum(s.PEGraph, RowRamp, s.fMaxE).states.empty());
    // A wide, deep drawn well holds far more than a hundred levels.
    for (int i = 0; i <= GridLast; ++i) s.PEGraph[std::size_t(i)] = i > 20 && i < 980 ? -300 : 10;
    const Spectrum many = ComputeSpectrum(s.PEGraph, RowDraw, 10);
    ASSERT_EQ(many.states.size(), std::size_t(MaxSpectrumStates));
    EXPECT_EQ(many.states.back().n, MaxSpectrumStates - 1);
    EXPECT_EQ(many.states.back().nodes, MaxSpectrumStates - 1);
    // A non-finite limit gives nothing rather than garbage.
    EXPECT_TRUE(ComputeSpectrum(s.PEGraph, RowDraw, std::nan("")).states.empty());
}
