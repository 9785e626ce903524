#include "solver/core/Spectrum.h"

#include "solver/core/Constants.h"
#include "solver/core/Solver.h"

#include <lapacke.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The integration's recurrence, written as H psi = E psi on the unknowns it determines:
// H = tridiag(-1/K, 2/K + V(i), -1/K), with psi = 0 one step beyond each end.
struct Problem {
    int first;     // grid index of the first unknown
    int size;      // number of unknowns
    bool flatLeft; // psi(first - 1) = psi(first): the even half-problem's zero slope
};

// The row's unknowns, as its integration fixes them: it starts from psi = 0 (or the even
// half's zero slope) and the sign of the tail is read at grid index 1000 (999 for the halves).
Problem problemOf(int row, bool even) {
    if (row == RowHydrogen) return {WindowFirst + 1, GridLast - WindowFirst - 1, false};
    if (row == RowSymmetricWell) return {501, 498, even};
    return {1, GridLast - 1, false};
}

// How many eigenvalues of the tridiagonal matrix (d, e) lie below x: the inertia of H - x.
int countBelow(const std::vector<double>& d, const std::vector<double>& e, double x) {
    int count = 0;
    double q = 1;
    for (std::size_t i = 0; i < d.size(); ++i) {
        const double off = i == 0 ? 0.0 : e[i - 1] * e[i - 1] / q;
        q = d[i] - x - off;
        if (q == 0) q = -std::numeric_limits<double>::min();
        if (q < 0) ++count;
    }
    return count;
}

struct Eigenpairs {
    std::vector<double> values;
    std::vector<double> vectors; // column j: values[j]'s unit eigenvector, size() entries each
    int size = 0;
};

// The eigenpairs of the problem below `limit`, at most `maxCount`, from LAPACK's MRRR solver.
// dstemr directly rather than through the dstevr driver: for a subset dstevr falls back to
// bisection and inverse iteration, which reorthogonalises the whole cluster of bound states
// and takes twice as long for the oscillator's hundred.
Eigenpairs solve(const Problem& p, const std::array<double, 1004>& v, double limit, int maxCount,
                 double mass) {
    const double inv = 1.0 / phys::StepFactorFor(mass);
    std::vector<double> d(std::size_t(p.size)), e(std::size_t(p.size));
    for (int j = 0; j < p.size; ++j) {
        d[std::size_t(j)] = 2 * inv + v[std::size_t(p.first + j)];
        e[std::size_t(j)] = -inv;
    }
    if (p.flatLeft) d[0] -= inv;

    Eigenpairs out;
    out.size = p.size;
    if (!std::isfinite(limit)) return out;
    for (double x : d)
        if (!std::isfinite(x)) return out;
    const int wanted = std::min(countBelow(d, e, limit), maxCount);
    if (wanted <= 0) return out;

    lapack_int found = 0;
    out.values.resize(std::size_t(p.size));
    out.vectors.resize(std::size_t(p.size) * std::size_t(wanted));
    std::vector<lapack_int> support(2 * std::size_t(wanted));
    lapack_logical highAccuracy = 1;
    const lapack_int info = LAPACKE_dstemr(
        LAPACK_COL_MAJOR, 'V', 'I', p.size, d.data(), e.data(), 0, 0, 1, wanted, &found,
        out.values.data(), out.vectors.data(), p.size, wanted, support.data(), &highAccuracy);
    if (info != 0) found = 0;
    // An eigenvalue within rounding of the limit may have been counted on either side.
    while (found > 0 && !(out.values[std::size_t(found - 1)] < limit)) --found;
    out.values.resize(std::size_t(found));
    out.vectors.resize(std::size_t(p.size) * std::size_t(found));
    return out;
}

// Sign changes among the values that stand above the eigensolver's rounding.
int signChanges(const double* v, int n) {
    double peak = 0;
    for (int i = 0; i < n; ++i) peak = std::max(peak, std::fabs(v[i]));
    const double floor = 1e-12 * peak;
    int changes = 0, last = 0;
    for (int i = 0; i < n; ++i) {
        if (std::fabs(v[i]) <= floor) continue;
        const int s = v[i] > 0 ? 1 : -1;
        if (last != 0 && s != last) ++changes;
        last = s;
    }
    return changes;
}

// The state on the whole grid from eigenvector `col`, with its observables. `potential` is the
// potential the problem was solved on, over the whole grid.
BoundState stateOf(int row, const Problem& p, int parity, double energy, const double* col,
                   const std::array<double, 1004>& potential) {
    BoundState s;
    s.energy = energy;
    s.parity = parity;
    s.psi.assign(GridLast + 1, 0.0);
    for (int j = 0; j < p.size; ++j) s.psi[std::size_t(p.first + j)] = col[j];
    if (row == RowSymmetricWell) {
        // The half-problem's mirror image, about grid index 500 as the window draws it.
        s.psi[500] = parity > 0 ? col[0] : 0.0;
        for (int i = 1; i <= 500; ++i)
            s.psi[std::size_t(500 - i)] = double(parity) * s.psi[std::size_t(500 + i)];
        s.nodes = 2 * signChanges(col, p.size) + (parity < 0 ? 1 : 0);
    } else {
        s.nodes = signChanges(s.psi.data(), GridLast + 1);
    }

    double norm = 0;
    for (int i = 0; i <= GridLast; ++i)
        norm += SpectrumWeight(row, i) * s.psi[std::size_t(i)] * s.psi[std::size_t(i)];
    double scale = 1.0 / std::sqrt(norm);
    for (double x : s.psi) {
        if (std::fabs(x) > 1e-12 / scale) {
            if (x < 0) scale = -scale;
            break;
        }
    }
    double mx = 0, mx2 = 0, mv = 0, forbidden = 0;
    for (int i = 0; i <= GridLast; ++i) {
        double& psi = s.psi[std::size_t(i)];
        psi *= scale;
        if (psi == 0) continue; // also where the potential is infinite
        const double w = psi * psi * SpectrumWeight(row, i);
        const double x = SpectrumPosition(row, i);
        const double v = potential[std::size_t(i)];
        mx += w * x;
        mx2 += w * x * x;
        mv += w * v;
        if (v > energy) forbidden += w;
    }
    s.meanX = mx;
    s.spreadX = std::sqrt(std::max(0.0, mx2 - mx * mx));
    s.meanV = mv;
    s.meanT = energy - mv;
    s.pForbidden = forbidden;
    return s;
}

} // namespace

double SpectrumWeight(int row, int i) {
    return row == RowSymmetricWell && i == 500 ? 0.0 : phys::Dx;
}

double SpectrumPosition(int row, int i) {
    // Divided by the steps per nm rather than multiplied by the step, so that positions print
    // as the decimals they are (0.07, not 0.07000000000000001).
    return (i - (row == RowHydrogen ? WindowFirst : 500)) / (1 / phys::Dx);
}

Spectrum ComputeSpectrum(const std::array<double, 1004>& potential, int row, double limit,
                         int maxStates, double mass) {
    Spectrum out;
    if (maxStates <= 0) return out;
    std::array<double, 1004> solvedOn = potential;
    if (row == RowSymmetricWell)
        for (int i = 1; i <= 500; ++i)
            solvedOn[std::size_t(500 - i)] = potential[std::size_t(500 + i)];

    const int parities[] = {+1, -1};
    const int kinds = row == RowSymmetricWell ? 2 : 1;
    for (int k = 0; k < kinds; ++k) {
        const int parity = row == RowSymmetricWell ? parities[k] : 0;
        const Problem p = problemOf(row, parity > 0);
        const Eigenpairs e = solve(p, potential, limit, maxStates, mass);
        for (std::size_t j = 0; j < e.values.size(); ++j)
            out.states.push_back(stateOf(row, p, parity, e.values[j],
                                         e.vectors.data() + j * std::size_t(e.size), solvedOn));
    }
    std::sort(out.states.begin(), out.states.end(),
              [](const BoundState& a, const BoundState& b) { return a.energy < b.energy; });
    if (int(out.states.size()) > maxStates) out.states.resize(std::size_t(maxStates));
    const int first = row == RowHydrogen ? 1 : 0;
    for (std::size_t j = 0; j < out.states.size(); ++j) out.states[j].n = first + int(j);
    return out;
}
