#pragma once

// What the exact potentials share: the wave number, the bracketed root finder (TOMS 748) and the
// ladder that turns a matching function into levels, each bracketed on its own.

#include "solver/core/Constants.h"
#include "solver/core/ExactLevels.h"

#include <boost/math/tools/toms748_solve.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace exact::detail {

// sqrt(2m (e - v)) / hbar in 1/nm where e lies above v, 0 elsewhere: the wave number at energy e
// over a potential v, and WaveNumber(v, e) the decay constant under a wall v.
inline double WaveNumber(double e, double v) {
    return std::sqrt(std::max(0.0, e - v) / phys::Kinetic);
}

// maxCount within 0 ... MaxLevels.
inline int Capped(int maxCount) {
    return std::clamp(maxCount, 0, MaxLevels);
}

// The root of f in [lo, hi], given f(lo) < 0 < f(hi) (or a zero at an end). Stops when the
// bracket is RootTolerance wide, or a few units in the last place where energies are so large
// that doubles cannot resolve 1e-12 eV.
template <typename F> double BracketedRoot(F f, double lo, double hi, double flo, double fhi) {
    if (flo == 0 || !(lo < hi)) return lo;
    if (fhi == 0) return hi;
    const auto narrow = [](double a, double b) {
        const double ulps = 4 * std::numeric_limits<double>::epsilon() * std::fabs(b);
        return b - a <= std::max(RootTolerance, ulps);
    };
    std::uintmax_t iterations = 200; // bisection alone would need about 60
    const auto [a, b] = boost::math::tools::toms748_solve(f, lo, hi, flo, fhi, narrow, iterations);
    return (a + b) / 2;
}

// The levels below `top` of a matching function: matching(n, e) crosses 0 exactly once between
// level n - 1 (where it is -pi) and `top`, upward, at level n. So level n exists exactly when
// matching(n, top) > 0, which counts the levels before any root is sought, and each root has
// its own bracket [level n - 1, top].
template <typename Matching>
std::vector<double> LevelLadder(Matching matching, double top, int maxCount) {
    std::vector<double> levels;
    if (!std::isfinite(top)) return levels;
    double below = 0; // the level below, or the bottom of the potential
    for (int n = 0; n < maxCount; ++n) {
        const auto f = [&](double e) { return matching(n, e); };
        const double atTop = f(top), atBelow = f(below);
        // No bracket (or a non-number from absurd parameters): no further level.
        if (!(atTop > 0) || !(atBelow < 0)) break;
        below = BracketedRoot(f, below, top, atBelow, atTop);
        levels.push_back(below);
    }
    return levels;
}

} // namespace exact::detail
