// The scattering rows, the grid's and the continuum's transmission, and resonances.
#include "solver/core/Transmission.h"
#include "solver/core/Constants.h"
#include "solver/core/ContinuumTransmission.h"
#include "solver/core/Resonances.h"
#include "solver/core/Solver.h"

#include "tests/common/Textbook.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace {

using std::numbers::pi;

double gridT(const GridPotential& v, double e, double mass = 1) {
    return GridTransmission(v, mass, e).value().transmission;
}

// V = height on grid points first ... first + n - 1, 0 elsewhere.
GridPotential barrierOf(int first, int n, double height) {
    GridPotential v{};
    for (int j = first; j < first + n; ++j) v[std::size_t(j)] = height;
    return v;
}

} // namespace

TEST(ScatteringRows, WellsTurnedOverWithHandlesThatRebuildTheSameGridAndNoLevel) {
    Solver s;
    const auto& v = s.PEGraph;
    s.BuildRow(RowBarrier, 50, 5, 0); // the well's 49 bottom points become the barrier
    EXPECT_EQ(std::tuple(v[0], v[475], v[476], v[524], v[525], v[1000]),
              std::tuple(0, 0, 5, 5, 0, 0));
    EXPECT_EQ(std::tuple(s.Points[150], s.Points[151], s.Points[199], s.Points[200]),
              std::tuple(0, 5, 5, 0));
    s.BuildRow(RowDoubleBarrier, 120, 20, 10);
    EXPECT_EQ(std::tuple(v[430], v[431], v[449], v[450], v[550], v[551], v[569], v[570]),
              std::tuple(0, 10, 10, 0, 0, 10, 10, 0));
    s.BuildRow(RowStep, 7, 0, 0);
    EXPECT_EQ(std::tuple(v[0], v[499], v[500], v[1000], s.MinGraph, s.MaxGraph),
              std::tuple(0, 0, 7, 7, 0, 7));

    for (const auto& [row, s1, s2, s3] :
         {std::tuple(RowBarrier, 51, 12, 0), std::tuple(RowDoubleBarrier, 121, 30, 10),
          std::tuple(RowDoubleBarrier, 100, 100, 3), std::tuple(RowStep, 5, 0, 0)}) {
        s.BuildRow(row, s1, s2, s3);
        Solver edited = s; // a rebuild from the handles, as every mouse edit ends
        edited.RebuildFromHandles();
        EXPECT_EQ(edited.PEGraph, s.PEGraph) << row << " " << s1;
        EXPECT_EQ(s.fMaxE, 0);
        s.Energy = 0.01; // nothing is bound: Find beeps
        EXPECT_FALSE(s.CalculateEnergy(row)) << row;
    }
}

TEST(Transmission, FlatIsOneTPlusRIsOneFluxIsConservedClosedLeadsGiveNothing) {
    GridPotential flat;
    flat.fill(3);
    for (double e : {3.01, 5.0, 40.0, 150.0}) EXPECT_NEAR(gridT(flat, e), 1, 1e-12) << e;

    Solver s;
    s.BuildRow(RowDoubleBarrier, 120, 20, 10);
    std::vector<double> energies;
    for (double e = 0.05; e < 30; e += 0.37) energies.push_back(e);
    std::vector<std::optional<TransmissionResult>> all(energies.size());
    GridTransmissions(s.PEGraph, 1, energies, all);
    for (std::size_t i = 0; i < energies.size(); ++i) {
        const auto one = GridTransmission(s.PEGraph, 1, energies[i]).value();
        EXPECT_EQ(all[i]->transmission, one.transmission); // interleaving changes nothing
        EXPECT_NEAR(one.transmission + one.reflection, 1, 1e-12) << energies[i];
    }
    // Step, deep tunnelling, and a heavy particle whose psi grows past any double.
    s.BuildRow(RowStep, 5, 0, 0);
    for (const auto& [v, e, mass] :
         {std::tuple(s.PEGraph, 5.3, 1.0), std::tuple(barrierOf(300, 350, 15), 0.2, 1.0),
          std::tuple(barrierOf(300, 350, 15), 0.02, 100.0)}) {
        const auto r = GridTransmission(v, mass, e).value();
        EXPECT_NEAR(r.transmission + r.reflection, 1, 1e-12) << e;
        EXPECT_GT(r.reflection, 0.3); // no trivial case

        const auto state = GridScatteringState(v, mass, e).value();
        EXPECT_EQ(state.result.transmission, r.transmission);
        for (int j : {1, 300, 500, 999})
            EXPECT_NEAR(state.FluxAt(j), r.transmission * state.incomingFlux,
                        1e-12 * state.incomingFlux);
        for (int j : {0, 1})
            EXPECT_LT(std::abs(state.psi[j] - state.IncomingPart(j) - state.ReflectedPart(j)),
                      1e-9);
        EXPECT_LT(std::abs(state.psi[999] - state.TransmittedPart(999)), 1e-9);
    }
    // The flux of a unit wave is its group velocity (1/hbar) dE/dk; for slow waves hbar k / m.
    const auto slow = GridScatteringState(flat, 1, 3.001).value();
    EXPECT_NEAR(slow.incomingFlux,
                phys::HbarC * phys::LightSpeed / phys::RestEnergy *
                    std::sqrt(0.001 / phys::Kinetic),
                1e-5 * slow.incomingFlux);

    // Below a lead (either one) or above the grid's band, T does not exist: never 0.
    s.BuildRow(RowStep, 5, 0, 0);
    for (double e : {-1.0, 0.0, 4.99, 5.0, 5 + 4 / phys::StepFactor})
        EXPECT_FALSE(GridTransmission(s.PEGraph, 1, e)) << e;
    EXPECT_FALSE(GridScatteringState(s.PEGraph, 1, 4));
    EXPECT_FALSE(ContinuumTransmission(continuum::Step(5), 1, 4.99));
    EXPECT_TRUE(GridTransmission(s.PEGraph, 1, 5.01));
}

TEST(Transmission, ContinuumIsTheClosedFormAndTheGridApproachesIt) {
    for (double e : {0.5, 3.0, 4.99, 5.2, 9.0})
        EXPECT_NEAR(ContinuumTransmission(continuum::Barrier(70, 5), 1, e)->transmission,
                    textbook::BarrierT(e, 5, 0.7), 1e-12 * textbook::BarrierT(e, 5, 0.7))
            << e;
    for (double e : {5.01, 8.0})
        EXPECT_NEAR(ContinuumTransmission(continuum::Step(5), 1, e)->transmission,
                    textbook::StepT(e, 5), 1e-12);

    // The same barrier (kappa a fixed) on ever finer sampling: n points stand for a width of
    // n dx. The error is second order in k dx, so it falls by about four per halving.
    for (double ratio : {0.5, 1.6}) { // below and above the top
        double lastError = 1;
        for (const auto& [height, n] :
             {std::pair(4.0, 50), std::pair(1.0, 100), std::pair(0.25, 200)}) {
            const double e = ratio * height;
            const double exact = textbook::BarrierT(e, height, n * phys::Dx);
            const double error = std::fabs(gridT(barrierOf(400, n, height), e) / exact - 1);
            EXPECT_LT(error, lastError / 3.5) << height;
            lastError = error;
        }
        EXPECT_LT(lastError, 2e-3);
    }
    double lastError = 1;
    for (double height : {4.0, 1.0, 0.25}) {
        GridPotential step{};
        for (int j = 500; j <= GridLast; ++j) step[std::size_t(j)] = height;
        const double error =
            std::fabs(gridT(step, 1.5 * height) - textbook::StepT(1.5 * height, height));
        EXPECT_LT(error, lastError / 3.5) << height;
        lastError = error;
    }
}

TEST(Resonances, DoubleBarrierPeaksAtOneAndWellsHoldWholeHalfWavelengths) {
    Solver s;
    s.BuildRow(RowDoubleBarrier, 120, 20, 10);
    const auto grid = GridResonances(s.PEGraph, 1, 0, 15);
    ASSERT_GE(grid.size(), 5u);
    for (const Resonance& r : grid) {
        EXPECT_NEAR(r.peakTransmission, 1, 1e-6) << r.energy;
        ASSERT_TRUE(r.hasWidth);
        EXPECT_EQ(r.lifetime, phys::Hbar / r.width);
    }
    // A narrow peak is a Lorentzian: half its height half a width from its centre.
    const Resonance& lowest = grid[0];
    for (double side : {-0.5, 0.5})
        EXPECT_NEAR(gridT(s.PEGraph, lowest.energy + side * lowest.width), 0.5, 0.01);
    for (const Resonance& r : ContinuumResonances(continuum::DoubleBarrier(120, 20, 10), 1, 0, 15))
        EXPECT_NEAR(r.peakTransmission, 1, 1e-6) << r.energy;
    // A range that ends inside the peak leaves its width unknown.
    const auto cut =
        GridResonances(s.PEGraph, 1, lowest.energy - 0.05, lowest.energy + lowest.width / 4);
    ASSERT_EQ(cut.size(), 1u);
    EXPECT_FALSE(cut[0].hasWidth);
    EXPECT_TRUE(std::isnan(cut[0].width));

    // Above the 1 nm well, T = 1 where k L = n pi; on the grid, where its 99 bottom points
    // hold n half waves of the grid's wave number q, 2 - 2 cos q = K E. These maxima are eV broad,
    // and T is flat to its rounding over about 1e-7 of that.
    const auto continuum = ContinuumResonances(continuum::Well(100), 1, 10, 40);
    s.BuildRow(RowWell, 100, 0, 0);
    const auto onGrid = GridResonances(s.PEGraph, 1, 10, 40);
    ASSERT_EQ(continuum.size(), 5u);
    ASSERT_EQ(onGrid.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        const int n = 6 + i; // the lowest above the walls
        const double k = n * pi / 1.0, q = n * pi / 99;
        EXPECT_NEAR(continuum[i].energy, phys::Kinetic * k * k, 1e-7 * continuum[i].energy);
        EXPECT_NEAR(onGrid[i].energy, (2 - 2 * std::cos(q)) / phys::StepFactor,
                    2e-7 * onGrid[i].energy);
        EXPECT_NEAR(onGrid[i].peakTransmission, 1, 1e-9);
        EXPECT_FALSE(onGrid[i].hasWidth); // T never falls to half between them
    }
}
