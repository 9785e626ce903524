#pragma once

// Counting sign changes along a run of values, two neighbours at a time: the shooter and the
// spectrum count thousands of them per state.

#include "solver/core/PairVectors.h"

#include <bit>
#include <cstdint>

// The changes of the sign bit between consecutive values of x[0 ... n-1].
inline int SignBitChanges(const double* x, int n) {
    using namespace pairs;
    UBits flips{0, 0};
    int j = 0;
    for (; j + 2 < n; j += 2) flips += (UBits(Load(x + j)) ^ UBits(Load(x + j + 1))) >> 63;
    std::uint64_t changes = flips[0] + flips[1];
    for (; j + 1 < n; ++j)
        changes +=
            (std::bit_cast<std::uint64_t>(x[j]) ^ std::bit_cast<std::uint64_t>(x[j + 1])) >> 63;
    return int(changes);
}

// Whether every |x[i]| of x[0 ... n-1] lies above `floor`.
inline bool AllAbove(const double* x, int n, double floor) {
    using namespace pairs;
    const Pair f = Both(floor);
    Bits below{0, 0};
    int j = 0;
    for (; j + 1 < n; j += 2) below |= Abs(Load(x + j)) <= f;
    bool all = (below[0] | below[1]) == 0;
    for (; j < n; ++j) all = all && (x[j] > floor || x[j] < -floor);
    return all;
}
