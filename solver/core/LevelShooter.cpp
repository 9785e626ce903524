#include "solver/core/LevelShooter.h"

#include "solver/core/PairVectors.h"
#include "solver/core/PotentialScans.h"
#include "solver/core/SignChanges.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <type_traits>
#include <utility>

namespace {

// An integration growing past Big is scaled by Small: powers of two, so exactly, and small
// enough that its sum of squares cannot overflow.
constexpr double Big = 0x1p332;
constexpr double Small = 0x1p-332;

constexpr double Pi = 3.14159265358979323846;

// Entries of the glued vector (1 at its matching point) below this count for nothing in any
// observable; zeroing them keeps subnormal numbers out of the sums.
constexpr double Negligible = 1e-150;

// Bisection alone settles a level within about 50 passes; beyond this the count itself wavers.
constexpr int MaxPasses = 200;

// A shift below this share of the tolerance leaves the vector as good as another pass would.
constexpr double FineShare = 1.0 / 32;

// How far the vector taken on the line through two passes may lean toward its neighbours, as
// the convergence rate estimates it, for the pass that would correct it to be saved. The
// estimate can run thirty times low on wells; this keeps the states as orthonormal (about
// 5e-13) as the extra pass did.
constexpr double VectorLean = 1e-13;

// A step of the energy below this share of its height above the bottom leaves the glued
// vector's peak where it was.
constexpr double PeakStays = 1e-6;

// A pass whose phase lies this close to another level's (in radians) starts that level.
constexpr double NearLevelPhase = 0.1;

// How far the solution decays beyond the outermost turning points before it is taken as 0.
constexpr double TailDecay = 50;
// The cuts are made for energies up to this share of the distance from the lowest point higher.
constexpr double CutMargin = 0.25;

// One inward integration as it runs: each step writes psi one index further in direction D
// (+1 from the left end, -1 from the right), from `start` on; its last two values.
template <int D> struct Running {
    static constexpr int d = D;
    double* psi;
    int start;
    double before, here;
};

// One inward integration: its last two values, its sum of squares and its sign changes.
struct Chain {
    double before, here;
    double squares;
    int changes;
};

// The squares and sign changes of psi[lo ... hi], the chain ending with `before` and `here`:
// a loop without a branch or a sum that waits on the last.
Chain summarize(const double* psi, int lo, int hi, double before, double here) {
    const int n = hi - lo + 1;
    const double* x = psi + lo;
    // The squares and the changes of the sign bit (each sign change is one), two values and
    // their right neighbours at a time.
    using namespace pairs;
    Pair squares2{0, 0};
    UBits flips{0, 0};
    int i = 0;
    for (; i + 2 < n; i += 2) {
        const Pair value = Load(x + i);
        squares2 += value * value;
        flips += (UBits(value) ^ UBits(Load(x + i + 1))) >> 63;
    }
    double squares = squares2[0] + squares2[1];
    const int changes = int(flips[0] + flips[1]) + SignBitChanges(x + i, n - i); // the rest
    for (; i < n; ++i) squares += x[i] * x[i];
    return {before, here, squares, changes};
}

// to[i] = fx x[i] + fy y[i] for i < n, or 0 where that is negligible: two at a time.
void combineWithoutNegligible(const double* x, double fx, const double* y, double fy, int n,
                              double* to) {
    using namespace pairs;
    const Pair f = Both(fx), g = Both(fy), negligible = Both(Negligible);
    int i = 0;
    for (; i + 1 < n; i += 2) {
        const Pair v = Load(x + i) * f + Load(y + i) * g;
        Store(to + i, Where(Abs(v) >= negligible, v));
    }
    for (; i < n; ++i) {
        const double v = x[i] * fx + y[i] * fy;
        to[i] = std::fabs(v) < Negligible ? 0.0 : v;
    }
}

// Where |psi[lo ... hi]| peaks, and that largest value, among every fourth value: within four
// points of the largest is near enough for a matching point. Ties go to the first from `lo`,
// or from `hi` when `fromHi`.
std::pair<int, double> peakOf(const double* psi, int lo, int hi, bool fromHi) {
    const int n = hi - lo + 1;
    const double* x = psi + lo;
    // Two peaks, of every eighth value from 0 and from 4, so that neither waits on the other.
    double peak[2] = {-1, -1};
    int peakAt[2] = {0, 0};
    auto look = [&](int k, int j) {
        const double size = std::fabs(x[j]);
        peakAt[k] = size > peak[k] ? j : peakAt[k];
        peak[k] = size > peak[k] ? size : peak[k];
    };
    int j = 0;
    for (; j + 4 < n; j += 8) {
        look(0, j);
        look(1, j + 4);
    }
    if (j < n) look(0, j);
    const int k = peak[1] > peak[0] || (peak[1] == peak[0] && (peakAt[1] > peakAt[0]) == fromHi);
    return {lo + peakAt[k], peak[k]};
}

} // namespace

// The recurrence from both ends toward unknown m, interleaved so that the two independent
// chains share the processor's pipelines. Glued at m, the two halves solve (H - E) u = gamma/K
// e_m with u(m) = 1: the twisted factorisation of H - E, whose pivots are the ratios of
// consecutive values. Its negative pivots, the sign changes of both halves and gamma < 0,
// count the eigenvalues below E; and u's Rayleigh quotient is E + gamma / (K |u|^2).
LevelShooter::Pass LevelShooter::integrate(double E, int m, bool findPeak) {
    if (!(E <= cutEnergy_ && E >= cutFloor_)) cutTails(E);
    const double* v = p_.v;
    const double K = p_.K;
    const int a = cutLeft_, b = cutRight_;
    m = std::clamp(m, a, b);
    std::swap(halves_, before_);
    halves_.E = E;
    halves_.match = m;
    halves_.from = a;
    halves_.to = b;
    double* L = halves_.left.data() + 1;
    double* R = halves_.right.data() + 1;
    L[a - 1] = a == 0 && p_.flatLeft ? 1.0 : 0.0;
    L[a] = 1.0;
    R[b + 1] = 0.0;
    R[b] = 1.0;
    // The recurrence psi(j + 1) = c_j psi(j) - psi(j - 1), c_j = 2 - K (E - V_j), waits for
    // its last step, so steps are taken several at once from the same two values,
    // psi(j + k) = A_k psi(j) - B_k psi(j - 1), with A_1 = c_j, B_1 = 1,
    // A_2 = c_(j+1) c_j - 1, B_2 = c_(j+1) and A_(k+1) = c A_k - A_(k-1) (B likewise): two
    // while both chains run, whose steps interleave, and four where one runs on alone. What the
    // pass reports of the values (their squares, sign changes and peak) is read from them
    // afterwards.
    const int both = std::min(m - a, b - m);
    auto cAt = [&](int j) { return 2 - K * (E - v[j]); };
    // c_j and c_(j+1) at once.
    using pairs::Pair;
    const Pair two = pairs::Both(2), energy = pairs::Both(E), factor = pairs::Both(K);
    auto cPair = [&](int j) { return two - factor * (energy - pairs::Load(v + j)); };
    Running<+1> left{L, a - 1, L[a - 1], L[a]};
    Running<-1> right{R, b + 1, R[b + 1], R[b]};
    // A chain growing past Big is scaled down, its values so far (up to `last`) with it.
    auto keepSmall = [](auto& c, int last) {
        for (int i = std::min(c.start, last); i <= std::max(c.start, last); ++i) c.psi[i] *= Small;
        c.before *= Small;
        c.here *= Small;
    };
    auto oneStep = [&](auto& c, int j) { // psi(j + d)
        constexpr int d = std::remove_reference_t<decltype(c)>::d;
        const double next = cAt(j) * c.here - c.before;
        c.psi[j + d] = next;
        c.before = c.here;
        c.here = next;
        if (std::fabs(next) > Big) [[unlikely]]
            keepSmall(c, j + d);
    };
    auto twoSteps = [&](auto& c, int j) { // psi(j + d) and psi(j + 2d)
        constexpr int d = std::remove_reference_t<decltype(c)>::d;
        const Pair cs = cPair(d > 0 ? j : j - 1);
        const double c1 = cs[d > 0 ? 0 : 1], c2 = cs[d > 0 ? 1 : 0];
        const double first = c1 * c.here - c.before;
        const double second = (c2 * c1 - 1) * c.here - c2 * c.before;
        c.psi[j + d] = c.before = first;
        c.psi[j + 2 * d] = c.here = second;
        if (std::fabs(second) > Big) [[unlikely]]
            keepSmall(c, j + 2 * d);
    };
    auto fourSteps = [&](auto& c, int j) { // psi(j + d) ... psi(j + 4d)
        constexpr int d = std::remove_reference_t<decltype(c)>::d;
        const double c1 = cAt(j), c2 = cAt(j + d), c3 = cAt(j + 2 * d), c4 = cAt(j + 3 * d);
        const double a2 = c2 * c1 - 1, a3 = c3 * a2 - c1, b3 = c3 * c2 - 1;
        const double a4 = c4 * a3 - a2, b4 = c4 * b3 - c2;
        const double h = c.here, g = c.before;
        c.psi[j + d] = c1 * h - g;
        c.psi[j + 2 * d] = a2 * h - c2 * g;
        c.psi[j + 3 * d] = c.before = a3 * h - b3 * g;
        c.psi[j + 4 * d] = c.here = a4 * h - b4 * g;
        if (std::fabs(c.here) > Big) [[unlikely]]
            keepSmall(c, j + 4 * d);
    };

    int t = 0;
    for (; t + 1 < both; t += 2) {
        twoSteps(left, a + t);
        twoSteps(right, b - t);
    }
    for (; t < both; ++t) {
        oneStep(left, a + t);
        oneStep(right, b - t);
    }
    int j = a + both;
    for (; j + 3 < m; j += 4) fourSteps(left, j);
    for (; j < m; ++j) oneStep(left, j);
    j = b - both;
    for (; j - 3 > m; j -= 4) fourSteps(right, j);
    for (; j > m; --j) oneStep(right, j);

    const Chain l = summarize(L, a, m, left.before, left.here);
    const Chain r = summarize(R, m, b, right.before, right.here);

    // l.here = psi_L(m), l.before = psi_L(m - 1); r.here = psi_R(m), r.before = psi_R(m + 1).
    const double gamma = (2 - K * (E - v[m])) - l.before / l.here - r.before / r.here;
    const double norm2 =
        l.squares / (l.here * l.here) + r.squares / (r.here * r.here) - 1; // u(m) counted once
    Pass out;
    out.nodes = l.changes + r.changes;
    out.count = out.nodes + (gamma < 0);
    out.shift = gamma / (K * norm2);
    out.peak = m;
    if (findPeak) {
        const auto [leftAt, left] = peakOf(L, a, m, false);
        const auto [rightAt, right] = peakOf(R, m, b, true);
        out.peak = left / std::fabs(l.here) >= right / std::fabs(r.here) ? leftAt : rightAt;
    }
    // The scaled Pruefer phase: each half's angle in the plane of psi and its slope per step
    // over w, a typical phase advance per step, counting pi per sign change. It rises
    // smoothly with E and is (k + 1) pi at level k.
    const double w = std::sqrt(K * std::max({E - v[m], 0.25 * (E - lowest_), tolerance_}));
    const double nextL = (2 - K * (E - v[m])) * l.here - l.before; // psi_L(m + 1)
    const double slopeL = nextL - l.here, slopeR = r.before - r.here;
    out.phase =
        Pi * (out.nodes + 1) - std::atan(slopeL / (w * l.here)) + std::atan(slopeR / (w * r.here));
    out.phaseSlope = K * w *
                     (l.squares / (w * w * l.here * l.here + slopeL * slopeL) +
                      (r.squares - r.here * r.here) / (w * w * r.here * r.here + slopeR * slopeR));
    return out;
}

void LevelShooter::glue(double* to, double shift) const {
    const Halves& h = halves_;
    const int m = h.match, a = h.from, b = h.to;
    const double* L = h.left.data() + 1;
    const double* R = h.right.data() + 1;
    // With a shift, the pass before has the same matching point and cuts (see findLevel);
    // without one, it is not read.
    const Halves& g = shift == 0 ? h : before_;
    const double t = shift == 0 ? 0 : shift / (h.E - g.E);
    const double* LB = g.left.data() + 1;
    const double* RB = g.right.data() + 1;
    std::fill(to, to + a, 0.0);
    combineWithoutNegligible(L + a, (1 + t) / L[m], LB + a, -t / LB[m], m - a + 1, to + a);
    combineWithoutNegligible(R + m + 1, (1 + t) / R[m], RB + m + 1, -t / RB[m], b - m, to + m + 1);
    std::fill(to + b + 1, to + p_.size, 0.0);
}

// Beyond the outermost turning points the solution decays by the recurrence's growth factor r
// per step, r + 1/r = 2 + K (V - E), so r >= 1 + sqrt(K (V - E)). Where it has decayed by
// e^-TailDecay, psi = 0 there instead changes the levels by about e^-2 TailDecay: nothing, and
// the integrations skip the rest. The cuts hold for every energy up to cutEnergy_ (a little
// above E), and are redone below cutFloor_, where they would be needlessly wide.
void LevelShooter::cutTails(double E) {
    const double* v = p_.v;
    const int n = p_.size;
    const double above = E + CutMargin * (std::fabs(E - lowest_) + tolerance_);
    cutEnergy_ = above;
    cutFloor_ = E - CutMargin * (std::fabs(E - lowest_) + tolerance_);
    const int first = FirstBelow(v, n, above);
    if (first == n) {
        cutLeft_ = 0;
        cutRight_ = n - 1;
        return;
    }
    const int last = LastBelow(v, n, above);
    // ln(1 + s) >= 2 s / (2 + s): a lower bound is safe, and cheaper than the logarithm.
    auto decayOf = [&](int j) {
        const double s = std::sqrt(p_.K * (v[j] - above));
        return 2 * s / (2 + s);
    };
    double decay = 0;
    cutLeft_ = first;
    while (cutLeft_ > 0 && decay < TailDecay) decay += decayOf(--cutLeft_);
    decay = 0;
    cutRight_ = last;
    while (cutRight_ < n - 1 && decay < TailDecay) decay += decayOf(++cutRight_);
}

int LevelShooter::matchingPoint(double E) const {
    const double* v = p_.v;
    const int n = p_.size;
    const int first = FirstBelow(v, n, E);
    if (first == n) return int(std::min_element(v, v + n) - v);
    const int last = LastBelow(v, n, E);
    // Inside the allowed region both halves oscillate, and the phase rises smoothly (beyond a
    // turning point one half would grow through it, and the phase would jump at each level);
    // its middle keeps the two integrations of similar length.
    const int middle = (first + last) / 2;
    for (int d = 0; d <= middle - first; ++d) {
        if (v[middle - d] < E) return middle - d;
        if (v[middle + d] < E) return middle + d;
    }
    return first;
}

void LevelShooter::findLevel(int k, double lo, double guess, Eigenpairs& out) {
    const double target = Pi * (k + 1);
    double hi = above_[std::size_t(k)];
    double loPhase = Pi * k, hiPhase = abovePhase_[std::size_t(k)];
    lo = std::min(lo, hi);
    const double known = estimate_[std::size_t(k)];
    if (known > lo && known < hi) guess = known;
    double E = guess >= lo && guess < hi ? guess : 0.5 * (lo + hi);
    int m = matchingPoint(E);
    bool settled = false, confirmed = false, fellBack = false;
    double step = INFINITY;  // the last step's length
    double at = E;           // the last pass's energy
    double toward = 0;       // the shift the settled vector is moved by from the last pass
    bool byNewton = false;   // whether the last step was Newton's, or the correction
    double rateBefore = NAN; // the rate of convergence the step before showed
    for (int pass = 0; pass < MaxPasses; ++pass) {
        // Once the energy hardly moves, neither does the peak the matching point sits at.
        const double moved = std::fabs(E - at);
        const bool still = moved < PeakStays * (std::fabs(E - lowest_) + tolerance_);
        at = E;
        const Pass r = integrate(E, m, pass == 0 || !still);
        // A pass that landed near another level starts that level later; only close to it,
        // where its correction beats the trend of the levels below.
        if (r.nodes > k && r.nodes < int(estimate_.size()) &&
            std::fabs(r.phase - Pi * (r.nodes + 1)) < NearLevelPhase &&
            std::fabs(r.shift) < std::fabs(closeness_[std::size_t(r.nodes)])) {
            estimate_[std::size_t(r.nodes)] = E + r.shift;
            closeness_[std::size_t(r.nodes)] = r.shift;
        }
        if (r.count <= k) {
            if (E > lo) loPhase = r.phase;
            lo = std::max(lo, E);
        } else {
            if (E < hi) hiPhase = r.phase;
            hi = std::min(hi, E);
            // A bound for the levels above as well.
            for (int j = std::min(r.count, int(above_.size())) - 1;
                 j > k && above_[std::size_t(j)] > E; --j) {
                above_[std::size_t(j)] = E;
                abovePhase_[std::size_t(j)] = r.phase;
            }
        }
        // Near the level, Newton's step leaves about rate * step^2 of the distance, so the next
        // pass would move the energy by rate * shift^2 and the vector by about
        // rate^2 * shift * moved beyond the line through this pass and the one before: when
        // both are negligible, that line gives the vector and the pass is saved. The rate is
        // the larger of the last two steps', lest one step that landed near by luck pass.
        const double rate = byNewton ? std::fabs(r.shift) / (moved * moved) : NAN;
        const double worst = std::isnan(rateBefore) ? NAN : std::max(rate, rateBefore);
        rateBefore = rate;
        const bool sameHalves = halves_.match == before_.match && halves_.from == before_.from &&
                                halves_.to == before_.to;
        if (r.nodes == k && sameHalves && moved > 0 &&
            worst * r.shift * r.shift <= FineShare * tolerance_ &&
            worst * worst * std::fabs(r.shift) * moved <= VectorLean) {
            toward = r.shift;
            at = E + r.shift;
            settled = true;
            break;
        }
        if (r.nodes == k && std::fabs(r.shift) <= tolerance_) {
            // The vector leans toward its neighbours by about the shift over their distance:
            // one more pass from the corrected energy, unless the shift is already tiny.
            if (confirmed || std::fabs(r.shift) <= FineShare * tolerance_) {
                at = E + r.shift;
                settled = true;
                break;
            }
            confirmed = true;
            E += r.shift;
            m = r.peak;
            byNewton = true;
            continue;
        }
        if (hi - lo <= tolerance_) break;
        // The Rayleigh quotient's correction is Newton's step on the mismatch, which has poles
        // between levels, so it is no guide far from one; Newton on the phase, which rises
        // smoothly through them, is, and near the level it converges as fast. A step that
        // leaves the bracket is taken in 1 / sqrt(limit - E) instead, in which a Coulomb
        // tail's phase rises evenly; where that leaves it too, the phase is interpolated
        // across it, bisected every other time so that a lopsided bracket still shrinks;
        // steps that stop shrinking circle a pair of levels the phase hardly separates, and
        // are bisected.
        double next = E + (target - r.phase) / r.phaseSlope;
        if (!(next > lo && next < hi) && E < limit_) {
            // u = d^-1/2, du/dE = d^-3/2 / 2; from far below, where the phase hardly moves,
            // at most doubled.
            const double d = limit_ - E, u0 = 1 / std::sqrt(d);
            const double u =
                std::min(u0 + (target - r.phase) / (r.phaseSlope * 2 * d / u0), 2 * u0);
            if (u > 0) next = limit_ - 1 / (u * u);
        }
        const bool slow = std::fabs(next - E) > 0.5 * step;
        step = std::fabs(next - E);
        if (!(next > lo && next < hi) || slow) {
            next = 0.5 * (lo + hi);
            if (!fellBack && !slow && loPhase < target && target < hiPhase) {
                const double across = lo + (target - loPhase) / (hiPhase - loPhase) * (hi - lo);
                if (across > lo && across < hi) next = across;
            }
            fellBack = !fellBack;
            byNewton = false;
        } else {
            fellBack = false;
            byNewton = true;
        }
        E = next;
        if (p_.v[r.peak] < E) m = r.peak;
    }
    // The vector of the last pass, at an energy within the tolerance of the level when settled.
    glue(out.Vector(k), toward);
    out.values[std::size_t(k)] = at;
    out.settled[std::size_t(k)] = settled;
}

void LevelShooter::Solve(const GridProblem& p, double limit, int maxCount, Eigenpairs& out) {
    p_ = p;
    limit_ = limit;
    out.size = p.size;
    out.values.clear();
    out.settled.clear();
    if (p.size < 2 || maxCount <= 0 || !std::isfinite(limit) || !(p.K > 0)) return;
    const PotentialExtent extent = ExtentOf(p.v, p.size);
    if (!extent.finite) return;
    for (Halves* h : {&halves_, &before_}) {
        h->left.resize(std::size_t(p.size) + 2);
        h->right.resize(std::size_t(p.size) + 2);
    }
    // The diagonal's rounding, 2/K + V, bounds how well the grid defines its levels.
    tolerance_ = 16 * std::numeric_limits<double>::epsilon() * (2 / p.K + extent.largest);
    lowest_ = extent.lowest;                               // H >= min V
    cutEnergy_ = -std::numeric_limits<double>::infinity(); // no cuts yet

    const Pass top = integrate(limit, matchingPoint(limit), false);
    const int wanted = std::min(top.count, maxCount);
    if (wanted <= 0) return;
    above_.assign(std::size_t(wanted), limit);
    abovePhase_.assign(std::size_t(wanted), top.phase);
    estimate_.assign(std::size_t(wanted), std::numeric_limits<double>::quiet_NaN());
    closeness_.assign(std::size_t(wanted), std::numeric_limits<double>::infinity());
    out.values.resize(std::size_t(wanted));
    out.settled.resize(std::size_t(wanted));
    // Never shrunk: a buffer reused is not paged in afresh.
    const std::size_t entries = std::size_t(wanted) * std::size_t(p.size);
    if (out.vectors.size() < entries) out.vectors.resize(entries);

    // Each level starts where the trend of the levels below points: in E, which holds for
    // wells and the oscillator, or in 1 / sqrt(limit - E), which is linear in the level for a
    // Coulomb tail. Of the two that fall within the bracket, the one that would have found the
    // level below better is taken.
    const double lowest = lowest_;
    const std::vector<double>& e = out.values;
    auto inE = [&](int k) {
        const std::size_t j = std::size_t(k);
        // The lowest as in a box, whose phase grows as the root of the kinetic energy.
        if (k == 0) return lowest + (limit - lowest) * (Pi / top.phase) * (Pi / top.phase);
        if (k == 1) return e[0] + 2 * (e[0] - lowest);
        if (k == 2) return 2 * e[1] - e[0];
        return 3 * e[j - 1] - 3 * e[j - 2] + e[j - 3];
    };
    auto inTail = [&](int k) {
        auto u = [&](std::size_t j) { return 1 / std::sqrt(limit - e[j]); };
        const std::size_t j = std::size_t(k);
        double next = NAN;
        if (k == 1) next = 2 * u(0);
        if (k == 2) next = 2 * u(1) - u(0);
        if (k >= 3) next = 3 * u(j - 1) - 3 * u(j - 2) + u(j - 3);
        return next > 0 ? limit - 1 / (next * next) : NAN;
    };
    for (int k = 0; k < wanted; ++k) {
        const std::size_t j = std::size_t(k);
        const double lo = k == 0 ? lowest : e[j - 1], hi = above_[j];
        auto within = [&](double g) { return g > lo && g < hi; };
        double guess = inE(k);
        if (k >= 1) {
            const double tail = inTail(k);
            const bool tailBetter =
                k >= 2 && std::fabs(inTail(k - 1) - e[j - 1]) < std::fabs(inE(k - 1) - e[j - 1]);
            if (within(tail) && (!within(guess) || tailBetter)) guess = tail;
        }
        findLevel(k, lo, guess, out);
    }
    // A level within rounding of the limit may have been counted on either side of it.
    while (!out.values.empty() && !(out.values.back() < limit)) {
        out.values.pop_back();
        out.settled.pop_back();
    }
}
