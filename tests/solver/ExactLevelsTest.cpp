#include "solver/core/ExactLevels.h"
#include "solver/core/Spectrum.h"

#include "solver/core/Constants.h"
#include "solver/core/Solver.h"

#include <boost/math/special_functions/airy.hpp>
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace {

// The grid's levels of one row: its spectrum, whose levels Find publishes one by one.
std::vector<double> gridLevels(int row, int s1, int s2, int s3, int most = 100) {
    Solver s;
    s.BuildRow(row, s1, s2, s3);
    std::vector<double> levels;
    for (const BoundState& b : ComputeSpectrum(s.PEGraph, row, s.fMaxE, most).states)
        levels.push_back(b.energy);
    return levels;
}

double relative(double grid, double exact) {
    return (grid - exact) / std::fabs(exact);
}

} // namespace

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
}

TEST(ExactLevels, LimitsCountAndWellsThatMerge) {
    // A level just below the limit counts, one just above does not.
    const auto single = exact::FiniteWell(1.0, 10, 10, 10, 100);
    EXPECT_EQ(exact::FiniteWell(1.0, 10, 10, single[2].energy + 1e-9, 100).size(), 3u);
    EXPECT_EQ(exact::FiniteWell(1.0, 10, 10, single[2].energy - 1e-9, 100).size(), 2u);
    // Touching wells are one well of twice the width, and so nearly are wells 1e-6 nm apart.
    const auto touching = ExactLevelsOf(RowSymmetricWell, 50, 50, 0, 10).levels;
    EXPECT_NEAR(touching.at(single.size() - 1).energy, single.back().energy, 1e-11);
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
        const std::vector<double> levels = gridLevels(t.row, t.s1, t.s2, t.s3);
        ASSERT_EQ(exact.levels.size(), levels.size());
        for (const ExactLevel& l : exact.levels) {
            // The grid's walls stand half a step inside the nominal ones: its levels lie higher.
            const double grid = levels[std::size_t(l.n)];
            EXPECT_GT(relative(grid, l.energy), 0) << l.n;
            EXPECT_LT(relative(grid, l.energy), t.tolerance) << l.n;
        }
        if (t.row == RowWell) wellGround.push_back(relative(levels[0], exact.levels[0].energy));
    }
    EXPECT_LT(wellGround.at(1), wellGround.at(0) / 2); // the wall error shrinks as the well widens

    // No walls in the oscillator: the three-point difference errs by -(dx / l)^2 / 16 in the
    // ground state, with l^2 = hbar / (m omega) = Kinetic / E_0.
    const double e0 = ExactLevelsOf(RowOscillator, 1, 0, 0, 1).levels.at(0).energy;
    const double expected = -phys::Dx * phys::Dx * e0 / (16 * phys::Kinetic);
    const double osc = relative(gridLevels(RowOscillator, 1, 0, 0, 1).at(0), e0);
    EXPECT_NEAR(osc, expected, 0.02 * -expected);
    // Hydrogen's lowest levels: within a per cent, from above.
    const auto hGrid = gridLevels(RowHydrogen, 0, 0, 0, 4);
    const auto h = ExactLevelsOf(RowHydrogen, 0, 0, 0, 0, 4).levels;
    for (std::size_t n = 0; n < h.size(); ++n)
        EXPECT_NEAR(relative(hGrid.at(n), h[n].energy), 0.005, 0.005) << n;
}
