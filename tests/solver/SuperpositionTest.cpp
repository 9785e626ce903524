// The superposition in time, checked against the grid integrals of Psi itself, the textbook
// value of h, the beat of two levels and the tunnelling of the double well's even-odd pair.
#include "solver/core/Superposition.h"
#include "solver/core/Solver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace {

struct Basis {
    int row;
    Spectrum spectrum;
};

Basis basisOf(int row, int s1 = 0, int s2 = 0, int s3 = 0) {
    Solver s;
    s.BuildRow(row, s1, s2, s3);
    return {row, ComputeSpectrum(s.PEGraph, row, s.fMaxE)};
}

// The integrals of |Psi|^2, x |Psi|^2 and x^2 |Psi|^2 straight from Psi on the grid.
Moments fromGrid(const Basis& b, const Wave& w) {
    double norm = 0, mx = 0, mx2 = 0;
    for (int i = 0; i <= GridLast; ++i) {
        const double p = w.density[std::size_t(i)] * SpectrumWeight(b.row, i);
        const double x = SpectrumPosition(b.row, i);
        norm += p;
        mx += p * x;
        mx2 += p * x * x;
    }
    return {mx / norm, std::sqrt(mx2 / norm - mx * mx / norm / norm), norm};
}

} // namespace

TEST(Superposition, NormStaysOneAndMomentsMatchTheGridIntegrals) {
    const Basis bases[] = {basisOf(RowOscillator, 5), basisOf(RowUneven, 150, 15, 5),
                           basisOf(RowSymmetricWell, 150, 60), basisOf(RowHydrogen)};
    for (const Basis& b : bases) {
        ASSERT_GE(b.spectrum.states.size(), 3u) << b.row;
        const Superposition s(b.spectrum, b.row, {2, 0, 1}, {0.3, 1, 0.6});
        Wave w;
        for (double t : {0.0, 0.37, 5.0, 123.4, 1e4}) {
            SCOPED_TRACE(testing::Message() << b.row << " t " << t);
            const Moments m = s.MomentsAt(t);
            s.WaveAt(t, w);
            const Moments g = fromGrid(b, w);
            EXPECT_NEAR(m.norm, 1, 1e-12);
            EXPECT_NEAR(g.norm, 1, 1e-12);
            EXPECT_NEAR(m.meanX, g.meanX, 1e-10);
            EXPECT_NEAR(m.spreadX, g.spreadX, 1e-10);
        }
    }
}

TEST(Superposition, OneStateIsStationary) {
    for (const Basis& b : {basisOf(RowUneven, 150, 15, 5), basisOf(RowHydrogen)}) {
        const BoundState& state = b.spectrum.states[1];
        const Superposition s(b.spectrum, b.row, {1}, {0.4});
        Wave start, later;
        s.WaveAt(0, start);
        s.WaveAt(17.3, later);
        for (std::size_t i = 0; i <= GridLast; ++i)
            EXPECT_NEAR(later.density[i], start.density[i], 1e-12) << i;
        // Re and Im turn with the phase, but |Psi|^2 and its moments stay the state's own.
        const auto peak = std::max_element(start.density.begin(), start.density.end());
        const std::size_t at = std::size_t(peak - start.density.begin());
        EXPECT_GT(std::fabs(later.im[at]), 0.05 * std::sqrt(*peak));
        for (double t : {0.0, 2.5, 900.0}) {
            EXPECT_NEAR(s.MeanX(t), state.meanX, 1e-12);
            EXPECT_NEAR(s.MomentsAt(t).spreadX, state.spreadX, 1e-12);
        }
        EXPECT_EQ(s.LongestBeat(), 0);
    }
}

TEST(Superposition, TwoStatesBeatWithTheirEnergyDifference) {
    // h = 4.135667 eV fs: one eV of difference beats in 4.1357 fs.
    EXPECT_NEAR(BeatPeriod(0, 1), 4.135667, 2e-4);
    EXPECT_TRUE(std::isinf(BeatPeriod(1.5, 1.5)));

    const Basis b = basisOf(RowUneven, 150, 15, 5);
    const Superposition s(b.spectrum, b.row, {0, 1}, {1, 0.7});
    const double period = BeatPeriod(b.spectrum.states[0].energy, b.spectrum.states[1].energy);
    EXPECT_DOUBLE_EQ(s.LongestBeat(), period);
    // Real states and amplitudes: <x>(t) = A + B cos(2 pi t / period), A and B from 0 and half.
    const double a = (s.MeanX(0) + s.MeanX(period / 2)) / 2;
    const double amplitude = (s.MeanX(0) - s.MeanX(period / 2)) / 2;
    ASSERT_GT(std::fabs(amplitude), 1e-3);
    for (double t : {0.1, 1.3, 0.3 * period, 40.0, 1e4})
        EXPECT_NEAR(s.MeanX(t), a + amplitude * std::cos(2 * std::numbers::pi * t / period), 1e-10)
            << t;
}

TEST(Superposition, DoubleWellPairTunnelsInHalfABeat) {
    const Basis b = basisOf(RowSymmetricWell, 150, 60); // wells at -0.75 and +0.75 nm
    ASSERT_EQ(b.spectrum.states[0].parity, 1);
    ASSERT_EQ(b.spectrum.states[1].parity, -1);
    const Superposition s(b.spectrum, b.row, {0, 1}, {1, 1});
    const double period = BeatPeriod(b.spectrum.states[0].energy, b.spectrum.states[1].energy);
    EXPECT_LT(s.MeanX(0), -0.6);
    EXPECT_GT(s.MeanX(period / 2), 0.6);
    // At half the beat the density is the mirror image of the start.
    Wave start, half;
    s.WaveAt(0, start);
    s.WaveAt(period / 2, half);
    for (std::size_t i = 0; i <= 500; i += 10)
        EXPECT_NEAR(half.density[500 + i], start.density[500 - i], 1e-12) << i;
}

TEST(Superposition, RejectsWhatIsNoSuperposition) {
    const Basis b = basisOf(RowWell, 100);
    const int past = int(b.spectrum.states.size());
    const std::vector<double> one{1}, two{1, 1}, none{0, 0}, over{1.5};
    for (auto [n, a] : {std::pair{std::vector{past}, one},
                        {{0, 0}, two},
                        {{0, 1}, none},
                        {{0, 1}, one},
                        {{0}, over}})
        EXPECT_THROW(Superposition(b.spectrum, b.row, n, a), std::invalid_argument);
}
