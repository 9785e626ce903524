#pragma once

// Scans of a potential on the grid, two values at a time: the shooter makes them at every
// level.

#include "solver/core/PairVectors.h"

#include <algorithm>
#include <cmath>

// The first index j >= 0 with v[j] < E, or n when there is none: four values a test.
inline int FirstBelow(const double* v, int n, double E) {
    using namespace pairs;
    const Pair e = Both(E);
    int j = 0;
    for (; j + 3 < n; j += 4) {
        const Bits below = (Load(v + j) < e) | (Load(v + j + 2) < e);
        if (below[0] | below[1]) break;
    }
    for (; j < n; ++j)
        if (v[j] < E) return j;
    return n;
}

// The last index j < n with v[j] < E, or -1 when there is none: four values a test.
inline int LastBelow(const double* v, int n, double E) {
    using namespace pairs;
    const Pair e = Both(E);
    int j = n - 4;
    for (; j >= 0; j -= 4) {
        const Bits below = (Load(v + j) < e) | (Load(v + j + 2) < e);
        if (below[0] | below[1]) break;
    }
    for (int i = std::min(j + 3, n - 1); i >= 0; --i)
        if (v[i] < E) return i;
    return -1;
}

// The lowest value and the largest magnitude of v[0 ... n-1] (n >= 2), and whether every
// value is finite.
struct PotentialExtent {
    double lowest, largest;
    bool finite;
};
inline PotentialExtent ExtentOf(const double* v, int n) {
    using namespace pairs;
    Pair lowest = Load(v), largest{0, 0};
    Bits bad{0, 0};
    int j = 0;
    for (; j + 1 < n; j += 2) {
        const Pair x = Load(v + j), size = Abs(x);
        lowest = Select(x < lowest, x, lowest);
        largest = Select(size > largest, size, largest);
        bad |= (x - x) != Pair{0, 0}; // infinities and NaN
    }
    PotentialExtent out{std::min(lowest[0], lowest[1]), std::max(largest[0], largest[1]),
                        (bad[0] | bad[1]) == 0};
    for (; j < n; ++j) {
        out.lowest = std::min(out.lowest, v[j]);
        out.largest = std::max(out.largest, std::fabs(v[j]));
        out.finite = out.finite && std::isfinite(v[j]);
    }
    return out;
}
