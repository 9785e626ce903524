#pragma once

// Counting sign changes along a run of values, two neighbours at a time in the compiler's
// portable vectors (GCC and Clang lower them on every target): the shooter and the spectrum
// count thousands of them per state.

#include <bit>
#include <cstdint>
#include <cstring>

// The changes of the sign bit between consecutive values of x[0 ... n-1].
inline int SignBitChanges(const double* x, int n) {
    using Bits = std::uint64_t __attribute__((vector_size(16)));
    Bits flips{0, 0};
    int j = 0;
    for (; j + 2 < n; j += 2) {
        Bits here, next;
        std::memcpy(&here, x + j, sizeof here);
        std::memcpy(&next, x + j + 1, sizeof next);
        flips += (here ^ next) >> 63;
    }
    std::uint64_t changes = flips[0] + flips[1];
    for (; j + 1 < n; ++j)
        changes +=
            (std::bit_cast<std::uint64_t>(x[j]) ^ std::bit_cast<std::uint64_t>(x[j + 1])) >> 63;
    return int(changes);
}

// Whether every |x[i]| of x[0 ... n-1] lies above `floor`.
inline bool AllAbove(const double* x, int n, double floor) {
    using Pair = double __attribute__((vector_size(16)));
    using Bits = std::int64_t __attribute__((vector_size(16)));
    const Bits magnitude{INT64_MAX, INT64_MAX};
    const Pair f{floor, floor};
    Bits below{0, 0};
    int j = 0;
    for (; j + 1 < n; j += 2) {
        Pair v;
        std::memcpy(&v, x + j, sizeof v);
        below |= Bits(Pair(Bits(v) & magnitude) <= f);
    }
    bool all = (below[0] | below[1]) == 0;
    for (; j < n; ++j) all = all && (x[j] > floor || x[j] < -floor);
    return all;
}
