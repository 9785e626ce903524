#include "solver/core/Solver.h"

#include "solver/core/Constants.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The rebuild and the hit test treat a handle value above this as a handle; empty slots hold
// NoHandle, well below it.
constexpr double HandleThreshold = -90.0;

const double StartAmplitude = 1.0 * std::pow(10.0, -40.0);

// Every integer i with from <= i <= to, both compared as doubles, clipped to the grid so that
// arguments outside the sliders' ranges cannot write past the arrays.
template <typename F> void forRange(double from, double to, F&& body) {
    double first = std::ceil(from);
    if (!(first >= 0.0)) first = 0.0; // also catches NaN
    if (!(to >= first)) return;       // also catches NaN
    const double last = to < double(GridLast) ? to : double(GridLast);
    if (first > last) return;
    for (int i = int(first); double(i) <= last; ++i) body(i);
}

int sign(double v) {
    return (v > 0.0) - (v < 0.0);
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Builders

void Solver::ClearHandles() {
    Points.fill(NoHandle);
}

// Positions are truncated toward zero; a write that lands outside the handle range is dropped.
void Solver::setHandle(double position, double value) {
    const double k = std::trunc(position);
    if (k >= 0.0 && k <= double(HandleLast)) Points[std::size_t(k)] = value;
}

void Solver::fill(double from, double to, double value) {
    forRange(from, to, [&](int i) { PEGraph[std::size_t(i)] = value; });
}

void Solver::DrawWell(int w) {
    // A square well is an uneven one with both walls at 10 eV: the same grid, levels and handles.
    DrawUnevenWell(w, WellWall, WellWall);
}

void Solver::DrawDoubleWell(int a, int b) {
    const double outer = (a + b) / 2.0;   // half the outer extent
    const double barrier = (a - b) / 2.0; // half the central barrier
    fill(0, 500 - outer, WellWall);
    fill(std::trunc(500 - outer + 1), 500 - barrier - 1, 0);
    fill(std::trunc(500 - barrier), 500 + barrier, WellWall);
    fill(std::trunc(500 + barrier + 1), 500 + outer - 1, 0);
    fill(std::trunc(500 + outer), GridLast, WellWall);
    fMaxE = MinGraph = MaxGraph = WellWall;
    ClearHandles();
    Points[0] = MinGraph;
    Points[HandleLast] = MaxGraph;
    setHandle(175 - outer, WellWall);
    setHandle(175 - outer + 1, 0);
    setHandle(175 - barrier - 1, 0);
    setHandle(175 - barrier, WellWall);
    setHandle(175 + barrier, WellWall);
    setHandle(175 + barrier + 1, 0);
    setHandle(175 + outer - 1, 0);
    setHandle(175 + outer, WellWall);
}

void Solver::DrawUnevenWell(int w, int hl, int hr) {
    const double half = w / 2.0;
    fill(0, 500 - half, hl);
    fill(std::trunc(500 - half + 1), 500 + half - 1, 0);
    fill(std::trunc(500 + half), GridLast, hr);
    MinGraph = hl;
    MaxGraph = hr;
    LimitSearchToOutsideLevels();
    ClearHandles();
    Points[0] = hl;
    Points[HandleLast] = hr;
    setHandle(175 - half, hl);
    setHandle(175 - half + 1, 0);
    setHandle(175 + half - 1, 0);
    setHandle(175 + half, hr);
}

void Solver::DrawRamp(int s, int h) {
    const double run = (double(h) / double(s)) * 100; // grid steps from 0 up to h
    fill(0, 375, h);
    forRange(376, 375 + run - 1, [&](int i) {
        // The product is an integer one; widened so a steep slope cannot overflow it.
        PEGraph[std::size_t(i)] = double((long long)(i - 375) * s) / 100;
    });
    fill(std::trunc(375 + run), GridLast, h);
    fMaxE = MinGraph = MaxGraph = h;
    ClearHandles();
    Points[0] = h;
    Points[HandleLast] = h;
    Points[50] = h;
    Points[51] = 0;
    if (50 + run - 1 < HandleLast) setHandle(50 + run - 1, h);
}

void Solver::DrawOscillator(double k) {
    for (int i = 0; i <= GridLast; ++i) PEGraph[std::size_t(i)] = k * std::pow(double(i - 500), 2);
    fMaxE = k * std::pow(500.0, 2);
    ClearHandles();
}

void Solver::DrawHydrogen() {
    for (int i = 0; i <= 324; ++i) PEGraph[std::size_t(i)] = 0;
    // The centre itself: -Coulomb / 0 is negative infinity. The integration starts one step to its
    // right and never reads it.
    PEGraph[WindowFirst] = -std::numeric_limits<double>::infinity();
    for (int i = WindowFirst + 1; i <= WindowLast; ++i)
        PEGraph[std::size_t(i)] = (-phys::Coulomb / double(i - WindowFirst)) * 100;
    for (int i = WindowLast; i <= GridLast; ++i) PEGraph[std::size_t(i)] = 0;
    fMaxE = 0;
    ClearHandles();
}

void Solver::BuildRow(int row, int s1, int s2, int s3) {
    switch (row) {
    case RowWell:
        return DrawWell(s1);
    case RowSymmetricWell:
        return DrawDoubleWell(s1, s2);
    case RowUneven:
        return DrawUnevenWell(s1, s2, s3);
    case RowRamp:
        return DrawRamp(s1, s2);
    case RowOscillator:
        return DrawOscillator(OscillatorStrength(s1));
    case RowHydrogen:
        return DrawHydrogen();
    case RowBarrier:
        return DrawBarrier(s1, s2);
    case RowDoubleBarrier:
        return DrawDoubleBarrier(s1, s2, s3);
    case RowStep:
        return DrawStep(s1);
    default:
        return DrawFlat();
    }
}

void Solver::turnOver(int h) {
    for (int i = 0; i <= GridLast; ++i) {
        double& v = PEGraph[std::size_t(i)];
        v = v == 0 ? h : 0;
    }
    for (double& p : Points)
        if (p > HandleThreshold) p = p == 0 ? h : 0;
    MinGraph = MaxGraph = 0;
    LimitSearchToOutsideLevels();
}

void Solver::DrawBarrier(int w, int h) {
    // A point the well's rounding left unwritten would keep a stale value; the wall level
    // makes it "elsewhere".
    PEGraph.fill(WellWall);
    DrawWell(w);
    turnOver(h);
}

void Solver::DrawDoubleBarrier(int a, int b, int h) {
    PEGraph.fill(WellWall);
    DrawDoubleWell(a, b);
    turnOver(h);
}

void Solver::DrawStep(int h) {
    fill(0, 499, 0);
    fill(500, GridLast, h);
    MinGraph = 0;
    MaxGraph = h;
    LimitSearchToOutsideLevels();
    ClearHandles();
    Points[0] = MinGraph;
    Points[HandleLast] = MaxGraph;
    Points[499 - WindowFirst] = 0;
    Points[500 - WindowFirst] = h;
}

void Solver::DrawFlat() {
    ClearHandles();
    for (int i = 0; i <= GridLast; ++i) PEGraph[std::size_t(i)] = 10;
    MinGraph = MaxGraph = 10;
    LimitSearchToOutsideLevels();
}

void Solver::LimitSearchToOutsideLevels() {
    fMaxE = std::min(MinGraph, MaxGraph);
}

// ---------------------------------------------------------------------------------------------
// Integration and search

// Steps i = first ... last of the three-point recurrence with V(i) = pot[i], writing eta[i + 1].
// Counters live in locals: stores into eta could otherwise alias the double members and force
// the compiler to reload them on every step.
void Solver::integrate(const double* pot, int first, int last) {
    double peak = 0;
    int crossings = 0;
    int changes = 0;
    bool entered = false;
    const double energy = Energy;
    const double K = stepFactor;
    double before = eta[std::size_t(first - 1)];
    double here = eta[std::size_t(first)];
    int i = first;
    for (;; ++i) {
        const double d = energy - pot[i];
        const double next = (2 * here - before) - (K * d) * here;
        eta[std::size_t(i + 1)] = next;
        const double a = std::fabs(next);
        changes += (next < 0) != (here < 0); // branch-free: it runs on every step
        if (d > 0) {
            entered = true;
            if (sign(next) != sign(here)) ++crossings;
            if (a > peak) peak = a;
        }
        if ((entered && d < 0 && a > peak) || i == last) break;
        before = here;
        here = next;
    }
    lasti = i;
    max = peak;
    NCrossings = crossings;
    NSignChanges = changes;
}

void Solver::DrawEta(int row) {
    eta[0] = 0;
    eta[1] = StartAmplitude;
    if (row == RowHydrogen) {
        // The solution vanishes at the attracting centre.
        for (int j = 1; j <= WindowFirst; ++j) eta[std::size_t(j)] = 0;
        eta[WindowFirst + 1] = StartAmplitude;
        integrate(PEGraph.data(), WindowFirst + 1, GridLast);
    } else if (row == RowSymmetricWell) {
        // Only the right half: zero slope at the centre for the even solution, zero value for
        // the odd one.
        if (symmetric) eta[0] = StartAmplitude;
        integrate(PEGraph.data() + 500, 1, 499);
    } else {
        integrate(PEGraph.data(), 1, GridLast);
    }
    yield();
}

void Solver::DrawEtaToScreen() {
    // With no classically allowed point max is 0 (and an overflowed integration can leave
    // infinities): such a quotient is not a number the plot could place. It gets the off-scale
    // mark of the cut-off instead, so the plot shows nothing there.
    for (int i = 0; i <= lasti; ++i) {
        const double q = eta[std::size_t(i)] / max;
        feta[std::size_t(i)] = std::isfinite(q) ? q : OffScale;
    }
    for (int i = lasti; i <= GridLast + 1; ++i) feta[std::size_t(i)] = OffScale;
}

double Solver::StepSize(int n) {
    NewStep = true;
    if (n <= 0) return 0;
    if (n > 32) {
        NewStep = false;
        return 0;
    }
    const int r = n % 3;
    const double p = std::pow(10.0, double(-n / 3));
    if (r == 0) return 0.5 * p;
    if (r == 1) return 0.2 * p;
    return 0.1 * p;
}

bool Solver::CalculateEnergy(int row) {
    // Nothing sensible lies above or below a non-finite start; the steps could not move it.
    if (!std::isfinite(Energy)) return false;
    const double lowest = row == RowHydrogen ? -13.8 : 0.0;

    DrawEta(row);
    const bool startPositive = eta[std::size_t(lasti)] > 0;
    double step = 0.5;
    int n = 0;
    // Sign changes at the last energy kept on the starting side. All of them count, not only
    // those at allowed points: a node that has just left the well for the wall is still one
    // level passed, and missing it let a step jump over two levels unnoticed.
    int accepted = NSignChanges;
    int iterations = 0;
    bool overshoot = false;
    bool bracketed = false;
    bool done = false;

    // Going back to the last kept energy with the next smaller step.
    auto refine = [&] {
        Energy -= step;
        n += 1;
        step = StepSize(n);
        done = !NewStep;
    };

    do {
        iterations += 1;
        Energy += step;
        if (Energy > fMaxE || Energy < lowest) {
            overshoot = Energy > fMaxE;
            refine();
        } else {
            DrawEta(row);
            if (NSignChanges - accepted > 1) {
                // The step jumped over more than one node, so it may have skipped a level.
                overshoot = false;
                refine();
            } else if ((eta[std::size_t(lasti)] > 0) != startPositive) {
                overshoot = false;
                bracketed = true;
                const double oldStep = step;
                refine();
                if (done) Energy += oldStep; // end on the upper side of the bracket
            } else {
                accepted = NSignChanges;
            }
        }
        yield();
    } while (!done && iterations <= 100);

    return !overshoot && bracketed;
}

// ---------------------------------------------------------------------------------------------
// Mouse editing

namespace {

// The handle opposite k about the centre handle 175.
template <typename T> T mirrorOf(T k) {
    return k > 175 ? 175 - (k - 175) : 175 + (175 - k);
}

} // namespace

int Solver::HitHandle(double kx, double value) const {
    for (int d = -1; d <= 1; ++d) {
        const double c = kx - d;
        if (!(c >= 0 && c <= HandleLast)) continue;
        const double v = Points[std::size_t(std::trunc(c))];
        // Empty slots are not handles, whatever the value pressed.
        if (v > HandleThreshold && std::fabs(value - v) < 1.0) return int(std::trunc(c));
    }
    return -1;
}

void Solver::ClickAt(double kx, double value, bool inBand, bool mirror) {
    if (inBand && kx >= 0 && kx <= HandleLast && std::isfinite(value)) {
        setHandle(kx, value);
        if (mirror) setHandle(mirrorOf(kx), value);
    }
    // After the new handle, so a click on an end cannot move it.
    Points[0] = MinGraph;
    Points[HandleLast] = MaxGraph;
    RebuildFromHandles();
}

void Solver::DropAt(int permX, double value, bool mirror) {
    // Before the dropped value, so a dragged end keeps where it was dropped.
    Points[0] = MinGraph;
    Points[HandleLast] = MaxGraph;
    if (permX >= 0 && permX <= HandleLast && std::isfinite(value)) {
        Points[std::size_t(permX)] = value;
        if (mirror) Points[std::size_t(mirrorOf(permX))] = value;
        // An end handle is the level beyond the window by definition: the rebuild extends it
        // outward, so the curve meets the dropped dot.
        if (permX == 0 || permX == HandleLast) {
            MinGraph = Points[0];
            MaxGraph = Points[HandleLast];
            LimitSearchToOutsideLevels();
        }
    }
    RebuildFromHandles();
}

void Solver::RebuildFromHandles() {
    int a = -1;
    double va = 0;
    for (int b = 0; b <= HandleLast; ++b) {
        const double vb = Points[std::size_t(b)];
        if (!(vb > HandleThreshold)) continue;
        if (a >= 0) {
            for (int j = a; j <= b; ++j)
                PEGraph[std::size_t(WindowFirst + j)] = va + (vb - va) * (j - a) / (b - a);
        }
        a = b;
        va = vb;
    }
    for (int i = 0; i <= WindowFirst; ++i) PEGraph[std::size_t(i)] = MinGraph;
    for (int i = WindowLast; i <= GridLast; ++i) PEGraph[std::size_t(i)] = MaxGraph;
}
