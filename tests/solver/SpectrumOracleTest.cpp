// The spectrum against LAPACK's dstevr on the same grid problems: energies, orthonormality and
// the vectors themselves, on swept slider settings, drawn double wells and other masses.
#include "solver/core/Constants.h"
#include "solver/core/PotentialRows.h"
#include "solver/core/Solver.h"
#include "solver/core/Spectrum.h"

#include <gtest/gtest.h>
#include <lapacke.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace {

// The lowest eigenpairs of H = tridiag(-1/K, 2/K + V, -1/K) on grid indices first ... first +
// size - 1 (psi = 0 beyond; zero slope on the left when `flat`), below `limit`, as dstevr gives
// them. Vectors are laid out on the whole grid (index 0 ... 1000).
struct Oracle {
    std::vector<double> energies;
    std::vector<std::vector<double>> vectors;
};

void addOracle(const std::array<double, 1004>& v, int first, int size, bool flat, double limit,
               double K, Oracle& out) {
    const std::size_t n = std::size_t(size);
    std::vector<double> d(n, 2 / K), e(n, -1 / K), w(n), z(n * n);
    for (std::size_t j = 0; j < n; ++j) d[j] += v[std::size_t(first) + j];
    if (flat) d[0] -= 1 / K;
    std::vector<lapack_int> support(2 * n);
    lapack_int found = 0;
    ASSERT_EQ(LAPACKE_dstevr(LAPACK_COL_MAJOR, 'V', 'V', size, d.data(), e.data(), -1e6, limit, 0,
                             0, 0, &found, w.data(), z.data(), size, support.data()),
              0);
    for (lapack_int k = 0; k < found; ++k) {
        out.energies.push_back(w[std::size_t(k)]);
        std::vector<double> psi(GridLast + 1, 0.0);
        for (int j = 0; j < size; ++j)
            psi[std::size_t(first + j)] = z[std::size_t(k) * n + std::size_t(j)];
        out.vectors.push_back(psi);
    }
}

// The row's problems as its integration poses them: hydrogen right of its centre, the
// symmetric well's even and odd halves right of the middle (their mirror images left out).
Oracle oracleOf(const std::array<double, 1004>& v, int row, double limit, double mass = 1) {
    const double K = phys::StepFactorFor(mass);
    Oracle o;
    if (row == RowHydrogen)
        addOracle(v, WindowFirst + 1, GridLast - WindowFirst - 1, false, limit, K, o);
    else if (row == RowSymmetricWell) {
        addOracle(v, 501, 498, true, limit, K, o);
        addOracle(v, 501, 498, false, limit, K, o);
    } else
        addOracle(v, 1, GridLast - 1, false, limit, K, o);
    return o;
}

double overlap(int row, const std::vector<double>& a, const std::vector<double>& b) {
    double sum = 0;
    for (int i = 0; i <= GridLast; ++i)
        sum += a[std::size_t(i)] * b[std::size_t(i)] * SpectrumWeight(row, i);
    return sum;
}

// How orthonormal the states are: those the integration settles reach about 1e-12, so a
// vector left leaning toward its neighbours shows; those LAPACK solves in a cluster, 1e-10.
constexpr double SettledOrthonormal = 1e-11;
constexpr double ClusterOrthonormal = 1e-10;

// Energies within 1e-10 eV of dstevr's, from the lowest up; states orthonormal; each state
// dstevr's vector (on the half it solves, in the symmetric well) wherever its neighbours stand
// far enough apart to define it. Returns the smallest gap between levels.
double expectLikeTheOracle(const std::array<double, 1004>& v, int row, double limit,
                           double mass = 1, double orthonormal = SettledOrthonormal) {
    const Spectrum sp = ComputeSpectrum(v, row, limit, MaxSpectrumStates, mass);
    Oracle o = oracleOf(v, row, limit, mass);
    std::vector<double> sorted = o.energies;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sp.states.size(), std::min<std::size_t>(sorted.size(), MaxSpectrumStates));
    double gap = INFINITY;
    for (std::size_t k = 0; k < sp.states.size() && k < sorted.size(); ++k) {
        EXPECT_NEAR(sp.states[k].energy, sorted[k], 1e-10) << "level " << k;
        if (k > 0) gap = std::min(gap, sorted[k] - sorted[k - 1]);
    }
    for (std::size_t a = 0; a < sp.states.size(); ++a) {
        const BoundState& A = sp.states[a];
        for (std::size_t b = 0; b <= a; ++b)
            EXPECT_NEAR(overlap(row, A.psi, sp.states[b].psi), a == b ? 1.0 : 0.0, orthonormal)
                << "states " << a << ", " << b;
        // dstevr's vector of the same energy, unless another lies within 1e-3 eV.
        for (std::size_t j = 0; j < o.energies.size(); ++j) {
            if (std::fabs(o.energies[j] - A.energy) > 1e-9) continue;
            const bool isolated = std::none_of(o.energies.begin(), o.energies.end(), [&](double x) {
                return x != o.energies[j] && std::fabs(x - o.energies[j]) < 1e-3;
            });
            if (!isolated) continue;
            double along = 0, norm = 0; // the oracle is normalised on its own half only
            for (int i = 0; i <= GridLast; ++i) {
                along += A.psi[std::size_t(i)] * o.vectors[j][std::size_t(i)];
                norm += o.vectors[j][std::size_t(i)] * o.vectors[j][std::size_t(i)];
            }
            const double half = row == RowSymmetricWell ? 0.5 : 1.0;
            EXPECT_NEAR(std::fabs(along) / std::sqrt(norm * half / phys::Dx), 1.0, 1e-9)
                << "state " << a;
        }
    }
    return gap;
}

} // namespace

TEST(SpectrumOracle, EveryRowAtSweptSliderSettings) {
    std::mt19937 random(18);
    for (const RowInfo& r : PotentialRows) {
        if (r.row == RowDraw) continue;
        for (int trial = 0; trial < 5; ++trial) {
            int v[3] = {r.sliders[0].start, r.sliders[1].start, r.sliders[2].start};
            for (int n = 0; n < r.sliderCount && trial > 0; ++n) {
                const SliderInfo& info = r.sliders[std::size_t(n)];
                v[n] = std::uniform_int_distribution<int>(
                    info.min, info.maxFollowsSlider1 ? v[0] : info.max)(random);
            }
            Solver s;
            s.BuildRow(r.row, v[0], v[1], v[2]);
            SCOPED_TRACE(testing::Message()
                         << r.option << " " << v[0] << " " << v[1] << " " << v[2]);
            expectLikeTheOracle(s.PEGraph, r.row, s.fMaxE);
        }
    }
    // Narrowness 1 holds the whole hundred below its limit.
    Solver s;
    s.BuildRow(RowOscillator, 1, 0, 0);
    EXPECT_EQ(ComputeSpectrum(s.PEGraph, RowOscillator, s.fMaxE).states.size(), 100u);
}

TEST(SpectrumOracle, DrawnDoubleWellsWhosePairsSplitByLessThanAMicroElectronVolt) {
    double smallest = INFINITY;
    for (int apart : {20, 60, 100, 160}) {
        // Two equal 0.4 nm dips, `apart` handles between them, drawn with handles.
        Solver s;
        s.DrawFlat();
        for (int left : {135 - apart / 2, 175 + apart / 2}) {
            s.Points[std::size_t(left)] = s.Points[std::size_t(left + 40)] = 10;
            s.Points[std::size_t(left + 1)] = s.Points[std::size_t(left + 39)] = 0;
        }
        s.RebuildFromHandles();
        SCOPED_TRACE(testing::Message() << "apart " << apart);
        smallest = std::min(
            smallest, expectLikeTheOracle(s.PEGraph, RowDraw, s.fMaxE, 1, ClusterOrthonormal));
    }
    EXPECT_LT(smallest, 1e-6);
}

TEST(SpectrumOracle, AHeavierParticleScalesTheIntegrationConstant) {
    Solver s;
    s.BuildRow(RowWell, 100, 0, 0);
    for (double mass : {0.5, 4.0, 206.77}) {
        SCOPED_TRACE(testing::Message() << "mass " << mass);
        expectLikeTheOracle(s.PEGraph, RowWell, s.fMaxE, mass);
    }
    // H(m, V) = H(1, m V) / m: four times the mass in four times the potential, a quarter of
    // the levels (the powers of two keep the arithmetic exact).
    Solver deep;
    deep.BuildRow(RowWell, 100, 0, 0);
    for (double& x : deep.PEGraph) x *= 4;
    const Spectrum heavy = ComputeSpectrum(s.PEGraph, RowWell, s.fMaxE, MaxSpectrumStates, 4);
    const Spectrum scaled = ComputeSpectrum(deep.PEGraph, RowWell, 4 * s.fMaxE);
    ASSERT_EQ(heavy.states.size(), scaled.states.size());
    for (std::size_t k = 0; k < heavy.states.size(); ++k)
        EXPECT_EQ(4 * heavy.states[k].energy, scaled.states[k].energy) << k;
}
