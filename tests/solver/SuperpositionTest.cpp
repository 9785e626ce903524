// The superposition in time, checked against the grid integrals of Psi itself, the textbook
// value of h, the beat of two levels and the tunnelling of the double well's even-odd pair.
#include "solver/core/Superposition.h"
#include "solver/core/Constants.h"
#include "solver/core/Solver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

struct Basis {
    int row;
    Spectrum spectrum;
};

Basis basisOf(int row, int s1 = 0, int s2 = 0) {
    Solver s;
    if (row == RowWell) s.DrawWell(s1);
    if (row == RowSymmetricWell) s.DrawDoubleWell(s1, s2);
    if (row == RowUneven) s.DrawUnevenWell(s1, 15, 5);
    if (row == RowOscillator) s.DrawOscillator(s1 / 1000.0);
    if (row == RowHydrogen) s.DrawHydrogen();
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
    const Basis bases[] = {basisOf(RowOscillator, 5), basisOf(RowUneven, 150),
                           basisOf(RowSymmetricWell, 150, 60), basisOf(RowHydrogen)};
    for (const Basis& b : bases) {
        ASSERT_GE(b.spectrum.states.size(), 3u) << b.row;
        const Superposition s(b.spectrum, b.row, {2, 0, 1}, {0.3, 1, 0.6});
        Wave w;
        for (double t : {0.0, 0.37, 5.0, 123.4, 1e4}) {
            const Moments m = s.MomentsAt(t);
            s.WaveAt(t, w);
            const Moments g = fromGrid(b, w);
            EXPECT_NEAR(m.norm, 1, 1e-12) << b.row << " t " << t;
            EXPECT_NEAR(g.norm, 1, 1e-12) << b.row << " t " << t;
            EXPECT_NEAR(m.meanX, g.meanX, 1e-10) << b.row << " t " << t;
            EXPECT_NEAR(m.spreadX, g.spreadX, 1e-10) << b.row << " t " << t;
        }
    }
}

TEST(Superposition, OneStateIsStationary) {
    for (const Basis& b : {basisOf(RowUneven, 150), basisOf(RowHydrogen)}) {
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

    const Basis b = basisOf(RowUneven, 150);
    const Superposition s(b.spectrum, b.row, {0, 1}, {1, 0.7});
    const double gap = b.spectrum.states[1].energy - b.spectrum.states[0].energy;
    const double period = BeatPeriod(b.spectrum.states[0].energy, b.spectrum.states[1].energy);
    EXPECT_DOUBLE_EQ(s.LongestBeat(), period);
    for (double t0 : {0.0, 1.3, 40.0}) EXPECT_NEAR(s.MeanX(t0 + period), s.MeanX(t0), 1e-12);

    // Over five periods <x>(t) crosses its average ten times, half a period apart: the frequency
    // is (E2 - E1) / h.
    const int samples = 5000;
    const double dt = 5 * period / samples;
    double average = 0;
    for (int j = 0; j < samples; ++j) average += s.MeanX(j * dt) / samples;
    std::vector<double> crossings;
    double before = s.MeanX(0) - average;
    for (int j = 1; j <= samples; ++j) {
        const double now = s.MeanX(j * dt) - average;
        if ((before < 0) != (now < 0)) crossings.push_back((j - now / (now - before)) * dt);
        before = now;
    }
    ASSERT_EQ(crossings.size(), 10u);
    const double frequency = 4.5 / (crossings.back() - crossings.front());
    EXPECT_NEAR(frequency * phys::Planck / gap, 1, 1e-5);
}

TEST(Superposition, DoubleWellPairTunnelsInHalfABeat) {
    const Basis b = basisOf(RowSymmetricWell, 150, 60); // wells at -0.75 and +0.75 nm
    ASSERT_EQ(b.spectrum.states[0].parity, 1);
    ASSERT_EQ(b.spectrum.states[1].parity, -1);
    const Superposition s(b.spectrum, b.row, {0, 1}, {1, 1});
    const double period = BeatPeriod(b.spectrum.states[0].energy, b.spectrum.states[1].energy);
    EXPECT_LT(s.MeanX(0), -0.6);
    EXPECT_GT(s.MeanX(period / 2), 0.6);
    EXPECT_NEAR(s.MeanX(period / 2), -s.MeanX(0), 1e-12);
    EXPECT_NEAR(s.MeanX(period), s.MeanX(0), 1e-12);
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
