#pragma once

// Scans of a potential on the grid, two values at a time in the compiler's portable vectors
// (GCC and Clang lower them on every target): the shooter makes them at every level.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace scans {

using Pair = double __attribute__((vector_size(16)));
using PairBits = std::int64_t __attribute__((vector_size(16)));

inline Pair pairAt(const double* v) {
    Pair p;
    std::memcpy(&p, v, sizeof p);
    return p;
}

} // namespace scans

// The first index j >= 0 with v[j] < E, or n when there is none: four values a test.
inline int FirstBelow(const double* v, int n, double E) {
    using namespace scans;
    const Pair e{E, E};
    int j = 0;
    for (; j + 3 < n; j += 4) {
        const PairBits below = (pairAt(v + j) < e) | (pairAt(v + j + 2) < e);
        if (below[0] | below[1]) break;
    }
    for (; j < n; ++j)
        if (v[j] < E) return j;
    return n;
}

// The last index j < n with v[j] < E, or -1 when there is none: four values a test.
inline int LastBelow(const double* v, int n, double E) {
    using namespace scans;
    const Pair e{E, E};
    int j = n - 4;
    for (; j >= 0; j -= 4) {
        const PairBits below = (pairAt(v + j) < e) | (pairAt(v + j + 2) < e);
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
    using namespace scans;
    const PairBits magnitude{INT64_MAX, INT64_MAX};
    Pair lowest = pairAt(v), largest{0, 0};
    PairBits bad{0, 0};
    int j = 0;
    for (; j + 1 < n; j += 2) {
        const Pair x = pairAt(v + j);
        const Pair size = Pair(PairBits(x) & magnitude);
        const PairBits smaller = x<lowest, larger = size> largest;
        lowest = Pair((PairBits(x) & smaller) | (PairBits(lowest) & ~smaller));
        largest = Pair((PairBits(size) & larger) | (PairBits(largest) & ~larger));
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
