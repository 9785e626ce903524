#include "solver/core/Spectrum.h"

#include "solver/core/ClusterEigenpairs.h"
#include "solver/core/Constants.h"
#include "solver/core/GridProblem.h"
#include "solver/core/LevelCount.h"
#include "solver/core/LevelShooter.h"
#include "solver/core/PairVectors.h"
#include "solver/core/SignChanges.h"
#include "solver/core/Solver.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

// A vector leans toward a neighbour by about the grid's rounding, 1e-14 eV, over their gap:
// levels closer than ReorthogonalGap are made orthogonal to each other, and levels closer than
// ClusterGap, which the counts hardly separate, come from LAPACK. Both occur only where wells
// stand far apart.
constexpr double ReorthogonalGap = 1e-3; // eV
constexpr double ClusterGap = 1e-6;      // eV

// Even and odd levels this close are one pair whose order the grid's rounding cannot tell.
constexpr double ParityTie = 1e-12; // eV

// The end of the run of levels from k on whose gaps stay below `gap`.
int runEnd(const Eigenpairs& e, int k, double gap) {
    while (k + 1 < e.Count() && e.values[std::size_t(k + 1)] - e.values[std::size_t(k)] < gap) ++k;
    return k;
}

// The integration's recurrence, written as H psi = E psi on the unknowns it determines:
// H = tridiag(-1/K, 2/K + V(i), -1/K), with psi = 0 one step beyond each end.
// What one thread keeps between spectra.
struct Workspace {
    LevelShooter shooter;
    Eigenpairs pairs;
};

Workspace& workspace() {
    thread_local Workspace w;
    return w;
}

// The eigenpairs of the problem below `limit`, at most `maxCount`: shot, and the clusters that
// shooting cannot separate from LAPACK.
const Eigenpairs& solve(const GridProblem& p, double limit, int maxCount) {
    Workspace& w = workspace();
    Eigenpairs& e = w.pairs;
    w.shooter.Solve(p, limit, maxCount, e);
    for (int k = 0; k < e.Count(); ++k) {
        const int last = runEnd(e, k, ClusterGap);
        if (last > k || !e.settled[std::size_t(k)]) SolveCluster(p, k, last, e);
        k = last;
    }
    for (int k = 0; k < e.Count(); ++k) {
        const int last = runEnd(e, k, ReorthogonalGap);
        if (last > k) Reorthonormalise(e, k, last);
        k = last;
    }
    return e;
}

// The largest |v[i]|, in four running maxima: one would wait on the last at every step.
double largestMagnitude(const double* v, int n) {
    double m[4] = {0, 0, 0, 0};
    int i = 0;
    for (; i + 4 <= n; i += 4)
        for (int k = 0; k < 4; ++k) m[k] = std::max(m[k], std::fabs(v[i + k]));
    for (; i < n; ++i) m[0] = std::max(m[0], std::fabs(v[i]));
    return std::max(std::max(m[0], m[1]), std::max(m[2], m[3]));
}

// SpectrumPosition over the grid, worked out once: a division per point would cost more than
// the rest of the observables.
const double* positionsOf(int row) {
    using Table = std::array<double, GridLast + 1>;
    static const std::array<Table, 2> tables = [] {
        std::array<Table, 2> t{};
        for (int i = 0; i <= GridLast; ++i) {
            t[0][std::size_t(i)] = SpectrumPosition(RowWell, i);
            t[1][std::size_t(i)] = SpectrumPosition(RowHydrogen, i);
        }
        return t;
    }();
    return tables[row == RowHydrogen ? 1 : 0].data();
}

// The sums of psi^2 times 1, x, x^2, V and [V > E] over a stretch of the grid: two sets in
// turn, so that the additions, which must stay in order, overlap.
struct Sums {
    double norm = 0, x = 0, x2 = 0, v = 0, forbidden = 0;

    void add(double p2, double x0, double v0, double energy) {
        norm += p2;
        x += p2 * x0;
        x2 += p2 * x0 * x0;
        v += p2 * v0;
        forbidden += v0 > energy ? p2 : 0.0;
    }
    void add(const Sums& o) {
        norm += o.norm;
        x += o.x;
        x2 += o.x2;
        v += o.v;
        forbidden += o.forbidden;
    }
};

// Values below this share of the peak add nothing to any observable to 1e-10 (their squares
// are 1e-40 of the norm); the sums skip the tails where they lie.
constexpr double TailShare = 1e-20;

// The state on the whole grid from eigenvector `col`, with its observables. `potential` is the
// potential the problem was solved on, over the whole grid. The sums and the sign changes run
// on `col` in one loop; the Symmetric Well's mirror image doubles them (its centre carries no
// weight, and its <x> is 0).
BoundState stateOf(int row, const RowUnknowns& p, int parity, double energy, const double* col,
                   const std::array<double, 1004>& potential) {
    BoundState s;
    s.energy = energy;
    s.parity = parity;
    const bool mirrored = row == RowSymmetricWell;
    const double peak = largestMagnitude(col, p.size); // the mirror adds no larger value

    int first = 0, last = p.size - 1;
    while (first < last && !(std::fabs(col[first]) > TailShare * peak)) ++first;
    while (last > first && !(std::fabs(col[last]) > TailShare * peak)) --last;

    // Sign changes among the values that stand above the eigensolver's rounding; the values
    // beyond the tails lie below that floor. Between the outermost values above it all the
    // others almost always are: then each change of sign is one of the sign bit.
    const double floor = 1e-12 * peak;
    int from = first, to = last;
    while (from < to && !(std::fabs(col[from]) > floor)) ++from;
    while (to > from && !(std::fabs(col[to]) > floor)) --to;
    int changes = 0;
    if (AllAbove(col + from, to - from + 1, floor)) {
        changes = SignBitChanges(col + from, to - from + 1);
    } else {
        int lastSign = 0;
        for (int j = from; j <= to; ++j) {
            if (!(std::fabs(col[j]) > floor)) continue;
            const int sign = col[j] > 0 ? 1 : -1;
            changes += lastSign != 0 && sign != lastSign;
            lastSign = sign;
        }
    }
    // The sums two points at a time, the even and the odd ones side by side: each of the two
    // adds in the order of the grid, as Sums would.
    using namespace pairs;
    const double* position = positionsOf(row) + p.first;
    const double* v = potential.data() + p.first;
    const Pair e = Both(energy);
    Pair sumNorm{}, sumX{}, sumX2{}, sumV{}, sumForbidden{};
    int j = first;
    for (; j + 1 <= last; j += 2) {
        const Pair c = Load(col + j), x0 = Load(position + j), v0 = Load(v + j);
        const Pair p2 = c * c;
        sumNorm += p2;
        sumX += p2 * x0;
        sumX2 += p2 * x0 * x0;
        sumV += p2 * v0;
        sumForbidden += Where(v0 > e, p2);
    }
    Sums even{sumNorm[0], sumX[0], sumX2[0], sumV[0], sumForbidden[0]};
    const Sums odd{sumNorm[1], sumX[1], sumX2[1], sumV[1], sumForbidden[1]};
    if (j == last) even.add(col[j] * col[j], position[j], v[j], energy);
    even.add(odd);
    const double twice = mirrored ? 2.0 : 1.0;
    const double norm = twice * even.norm;
    s.nodes = mirrored ? 2 * changes + (parity < 0 ? 1 : 0) : changes;

    double scale = 1.0 / std::sqrt(norm * phys::Dx);
    // The first significant value from the left: in the Symmetric Well the mirror of the last.
    const double significant = 1e-12 / scale;
    if (mirrored) {
        for (int i = last; i >= first; --i) {
            if (std::fabs(col[i]) > significant) {
                if (double(parity) * col[i] < 0) scale = -scale;
                break;
            }
        }
    } else {
        for (int i = first; i <= last; ++i) {
            if (std::fabs(col[i]) > significant) {
                if (col[i] < 0) scale = -scale;
                break;
            }
        }
    }
    s.psi.assign(GridLast + 1, 0.0);
    { // the normalised column, two values at a time
        double* to = s.psi.data() + p.first;
        const Pair times = Both(scale);
        int i = 0;
        for (; i + 1 < p.size; i += 2) Store(to + i, Load(col + i) * times);
        for (; i < p.size; ++i) to[i] = scale * col[i];
    }
    double* psi = s.psi.data();
    if (mirrored) {
        // The half-problem's mirror image, about grid index 500 as the window draws it.
        psi[500] = parity > 0 ? scale * col[0] : 0.0;
        for (int i = 1; i <= 500; ++i) psi[500 - i] = double(parity) * psi[500 + i];
    }
    const double mx = mirrored ? 0.0 : even.x / even.norm;
    s.meanX = mx;
    s.spreadX = std::sqrt(std::max(0.0, even.x2 / even.norm - mx * mx));
    s.meanV = even.v / even.norm;
    s.meanT = energy - s.meanV;
    s.pForbidden = even.forbidden / even.norm;
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
    std::vector<BoundState> found[2];
    for (int k = 0; k < kinds; ++k) {
        const int parity = row == RowSymmetricWell ? parities[k] : 0;
        const RowUnknowns p = RowUnknownsOf(row, parity > 0);
        const GridProblem grid{potential.data() + p.first, p.size, p.flatLeft,
                               phys::StepFactorFor(mass)};
        const Eigenpairs& e = solve(grid, limit, maxStates);
        for (int j = 0; j < e.Count(); ++j)
            found[k].push_back(
                stateOf(row, p, parity, e.values[std::size_t(j)], e.Vector(j), solvedOn));
    }
    // The even and odd halves merged, an even state first where the two lie within rounding
    // of each other (wells far apart): the odd one has the extra node at the centre.
    std::size_t even = 0, odd = 0;
    while (int(out.states.size()) < maxStates &&
           (even < found[0].size() || odd < found[1].size())) {
        const bool takeOdd =
            even == found[0].size() ||
            (odd < found[1].size() && found[1][odd].energy < found[0][even].energy - ParityTie);
        out.states.push_back(std::move(takeOdd ? found[1][odd++] : found[0][even++]));
    }
    const int first = row == RowHydrogen ? 1 : 0;
    for (std::size_t j = 0; j < out.states.size(); ++j) out.states[j].n = first + int(j);
    return out;
}
