// Wave packets against the free particle's closed forms, the textbook barrier, the oscillator's
// period, and momentum space against the Gaussian's transform and the uncertainty bound.
#include "solver/core/Constants.h"
#include "solver/core/MomentumSpace.h"
#include "solver/core/PotentialRows.h"
#include "solver/core/Solver.h"
#include "solver/core/Spectrum.h"
#include "solver/core/WavePacket.h"

#include "tests/common/Textbook.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>
#include <stdexcept>
#include <string>

namespace {

constexpr std::array<double, 1004> kFlat{};

double x(int i) {
    return (i - 500) * phys::Dx;
}

// The free Gaussian's probability within [a, b] at its centre c and width s.
double gaussianWithin(double a, double b, double c, double s) {
    return 0.5 *
           (std::erf((b - c) / (s * std::sqrt(2.0))) - std::erf((a - c) / (s * std::sqrt(2.0))));
}

} // namespace

TEST(WavePacket, FliesFreelyAndSpreads) {
    // Slow enough and finely stepped, so that neither the grid's dispersion (1 - cos(k0 dx)) nor
    // Crank-Nicolson's slows the spreading by more than 0.3 %.
    const PacketStart start{-1.0, 0.2, 2.0};
    WavePacket p(kFlat, 1.0, start, 0.005);
    // The grid's dispersion E = 2 Kinetic (1 - cos k dx) / dx^2 gives the wave number and the
    // mean group velocity over the packet's Gaussian in k of width 1 / (2 sigma).
    const double k0 =
        std::acos(1 - start.energy * phys::Dx * phys::Dx / (2 * phys::Kinetic)) / phys::Dx;
    const double spreadK = 1 / (2 * start.sigma);
    const double velocity = 2 * phys::Kinetic / (phys::Hbar * phys::Dx) * std::sin(k0 * phys::Dx) *
                            std::exp(-spreadK * spreadK * phys::Dx * phys::Dx / 2);
    EXPECT_NEAR(p.WaveNumber(), k0, 1e-12);
    int checked = 0;
    for (;; p.Advance(20)) {
        const PacketObservables o = p.Observe();
        if (p.AbsorbedLeft() + p.AbsorbedRight() > 1e-10) break; // it reaches an absorber
        ++checked;
        const double t = o.t;
        const double tau = phys::Kinetic * t / (phys::Hbar * start.sigma * start.sigma);
        EXPECT_NEAR(o.norm, 1, 1e-9) << t;
        EXPECT_NEAR(o.meanX, start.x0 + velocity * t, 5e-4) << t;
        EXPECT_NEAR(o.spreadX / (start.sigma * std::sqrt(1 + tau * tau)), 1, 5e-3) << t;
        EXPECT_NEAR(o.meanK / k0, 1, 1e-9) << t;
        EXPECT_NEAR(o.spreadK / spreadK, 1, 1e-9) << t;
        EXPECT_NEAR(o.left + o.right, 1, 1e-12) << t;
    }
    EXPECT_GE(checked, 10);
}

TEST(WavePacket, LeavesThroughTheAbsorbers) {
    WavePacket p(kFlat, 1.0);
    const PacketStart& s = p.Start();
    const double velocity = 2 * phys::Kinetic * p.WaveNumber() / phys::Hbar;
    for (const double t : {10.0, 20.0}) {
        p.Advance(int(std::lround((t - p.Time()) / p.TimeStep())));
        // Between the absorbers, what comes back from the ends adds to what the free packet
        // still has there.
        double inner = 0;
        for (int i = AbsorberLeftEdge; i <= AbsorberRightEdge; ++i)
            inner += std::norm(p.Psi()[i]) * phys::Dx;
        const double width =
            s.sigma * std::hypot(1, phys::Kinetic * t / (phys::Hbar * s.sigma * s.sigma));
        EXPECT_LT(inner - gaussianWithin(x(AbsorberLeftEdge), x(AbsorberRightEdge),
                                         s.x0 + velocity * t, width),
                  1e-3)
            << t;
    }
    const PacketObservables o = p.Observe();
    EXPECT_LT(o.norm, 1e-3);
    EXPECT_NEAR(o.norm + p.AbsorbedLeft() + p.AbsorbedRight(), 1, 1e-10);
    EXPECT_GT(o.right, 0.99);
}

TEST(WavePacket, StaysUnitaryWhereTheFactorsInterchangeRows) {
    // At -hbar^2 / (m dx^2) the potential cancels the kinetic diagonal. On every other point the
    // matrix's diagonal is then 1 against off-diagonals of about 3, so zgttrf interchanges rows
    // all along the packet and the step must solve with its pivots. A wrong solve breaks
    // unitarity at once.
    std::array<double, 1004> deep{};
    for (std::size_t i = 1; i < deep.size(); i += 2)
        deep[i] = -2 * phys::Kinetic / (phys::Dx * phys::Dx);
    WavePacket p(deep, 1.0);
    p.Advance(100);
    EXPECT_NEAR(p.Observe().norm, 1, 1e-9);
    EXPECT_LT(p.AbsorbedLeft() + p.AbsorbedRight(), 1e-9);
}

TEST(WavePacket, TunnelsAsTheBarrierPredicts) {
    // 5 eV where the 0.5 nm Well has its floor.
    Solver well;
    well.BuildRow(RowWell, 50, 0, 0);
    std::array<double, 1004> v{};
    for (std::size_t i = 0; i <= GridLast; ++i) v[i] = well.PEGraph[i] == 0 ? 5 : 0;
    const double v0 = 5, a = 0.5;
    WavePacket p(v, 1.0);
    p.Observe();
    const MomentumSpace& m = p.Momentum();
    double predicted = 0;
    for (std::size_t j = 0; j < m.k().size(); ++j) {
        const double k = m.k()[j], e = phys::Kinetic * k * k;
        if (k <= 0) continue; // moving away from the barrier
        predicted += m.density()[j] * m.KStep() * textbook::BarrierT(e, v0, a);
    }
    p.Advance(2000);
    const PacketObservables o = p.Observe();
    ASSERT_LT(o.norm, 1e-3);
    EXPECT_NEAR(o.right, predicted, 0.01);
    EXPECT_NEAR(o.left + o.right, 1, 1e-10);
}

TEST(WavePacket, CoherentStateReturnsAfterOnePeriod) {
    // V = 10 x^2 for a particle of half the electron mass, hbar^2 / 2m = 2 Kinetic: the ground
    // state's sigma^2 = sqrt(hbar^2 / 2m / 10) / 2, and hbar omega = 2 sqrt(10 hbar^2 / 2m).
    Solver s;
    s.BuildRow(RowOscillator, 1, 0, 0);
    const double mass = 0.5, kinetic = phys::Kinetic / mass;
    const double sigma = std::sqrt(std::sqrt(kinetic / 10) / 2);
    const double period = phys::Planck / (2 * std::sqrt(10 * kinetic));
    constexpr int steps = 400;
    WavePacket p(s.PEGraph, mass, {-0.5, sigma, 0}, period / steps);
    const std::vector<std::complex<double>> start = p.Psi();
    p.Advance(steps / 2);
    EXPECT_NEAR(p.Observe().meanX, 0.5, 2e-4);
    p.Advance(steps / 2);
    const PacketObservables o = p.Observe();
    EXPECT_NEAR(o.meanX, -0.5, 2e-4);
    EXPECT_NEAR(o.spreadX, sigma, 1e-3 * sigma);
    std::complex<double> overlap;
    for (std::size_t i = 0; i <= GridLast; ++i)
        overlap += std::conj(start[i]) * p.Psi()[i] * phys::Dx;
    EXPECT_GT(std::abs(overlap), 0.9995);
}

TEST(WavePacket, RejectsWhatDoesNotFit) {
    const std::pair<PacketStart, std::string> bad[] = {
        {{-2.8, 0.2, 5}, "x0"},   {{3.0, 0.2, 5}, "x0"},      {{0, 0.029, 5}, "sigma"},
        {{0, 0.2, -1}, "energy"}, {{0, 0.2, 2000}, "energy"}, {{NAN, 0.2, 5}, "x0"},
    };
    for (const auto& [start, name] : bad) {
        try {
            WavePacket p(kFlat, 1.0, start);
            ADD_FAILURE() << name << " accepted";
        } catch (const std::invalid_argument& e) {
            EXPECT_EQ(std::string(e.what()).substr(0, name.size()), name) << e.what();
        }
    }
    EXPECT_NO_THROW(WavePacket(kFlat, 1.0, {-2.6, 0.2, 0}));
}

TEST(MomentumSpace, TransformsAndMeetsTheUncertaintyBound) {
    // The packet's phi is the Gaussian of width 1 / (2 sigma) around k0, |phi|^2 normalised.
    const WavePacket p(kFlat, 1.0);
    MomentumSpace m;
    m.Transform(p.Psi());
    const double sk = 1 / (2 * p.Start().sigma), k0 = p.WaveNumber();
    EXPECT_EQ(m.k()[MomentumPoints / 2], 0);
    for (std::size_t j = 0; j < m.k().size(); j += 7) {
        const double d = (m.k()[j] - k0) / sk;
        EXPECT_NEAR(m.density()[j], std::exp(-d * d / 2) / (std::sqrt(2 * std::numbers::pi) * sk),
                    1e-6)
            << m.k()[j];
    }
    EXPECT_NEAR(m.Norm(), 1, 1e-12);

    // The Oscillator's ground state: even about x = 0, so phi is real; Delta x Delta k = 1/2.
    Solver s;
    s.BuildRow(RowOscillator, 5, 0, 0);
    const BoundState ground = ComputeSpectrum(s.PEGraph, RowOscillator, s.fMaxE, 1).states.at(0);
    m.Transform(ground.psi);
    EXPECT_NEAR(m.Norm(), 1, 1e-12);
    for (std::size_t j = 0; j < m.k().size(); ++j) ASSERT_NEAR(m.phi()[j].imag(), 0, 1e-12) << j;
    EXPECT_NEAR(m.MeanK(), 0, 1e-9);
    EXPECT_NEAR(ground.spreadX * m.SpreadK(), 0.5, 0.5 * 5e-3);
}

TEST(RealMomentum, GivesTheFullTransformsMoments) {
    // The Ramp's states have no symmetry, and the Oscillator's 60th reaches far out in k.
    Solver ramp, oscillator;
    const RowInfo& r = RowOf(RowRamp);
    ramp.BuildRow(RowRamp, r.sliders[0].start, r.sliders[1].start, r.sliders[2].start);
    oscillator.BuildRow(RowOscillator, 1, 0, 0);
    std::vector<BoundState> states = ComputeSpectrum(ramp.PEGraph, RowRamp, ramp.fMaxE).states;
    states.push_back(
        ComputeSpectrum(oscillator.PEGraph, RowOscillator, oscillator.fMaxE, 61).states.at(60));
    ASSERT_GE(states.size(), 5u);
    MomentumSpace full;
    RealMomentum half;
    for (const BoundState& s : states) {
        full.Transform(s.psi);
        const RealMomentum::Moments k = half.Of(s.psi);
        EXPECT_NEAR(k.meanK, full.MeanK(), 1e-12) << s.n;
        EXPECT_NEAR(k.spreadK, full.SpreadK(), 1e-12 * full.SpreadK()) << s.n;
        EXPECT_GT(k.spreadK, 0.5 / s.spreadX) << s.n; // and the bound holds
    }
    EXPECT_THROW(half.Of(std::vector<double>(10)), std::invalid_argument);
}
