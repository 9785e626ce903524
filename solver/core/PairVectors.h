#pragma once

// Two values in one of the compiler's portable vectors (GCC and Clang lower them on every
// target, to one SSE2 or NEON register where there is one): loops over the grid that would
// wait on their own last sum take two points at a time, and integrations two energies.

#include <cstdint>
#include <cstring>

namespace pairs {

using Pair = double __attribute__((vector_size(16)));
using Bits = std::int64_t __attribute__((vector_size(16))); // a mask, or the bits of a Pair
using UBits = std::uint64_t __attribute__((vector_size(16)));

inline Pair Load(const double* at) {
    Pair p;
    std::memcpy(&p, at, sizeof p);
    return p;
}
inline void Store(double* at, Pair p) {
    std::memcpy(at, &p, sizeof p);
}
inline Pair Both(double x) {
    return Pair{x, x};
}
// |p|, by clearing the sign bits.
inline Pair Abs(Pair p) {
    return Pair(Bits(p) & Bits{INT64_MAX, INT64_MAX});
}
// p where `mask` is set, 0 elsewhere.
inline Pair Where(Bits mask, Pair p) {
    return Pair(Bits(p) & mask);
}
// a where `mask` is set, b elsewhere.
inline Pair Select(Bits mask, Pair a, Pair b) {
    return Pair((Bits(a) & mask) | (Bits(b) & ~mask));
}

} // namespace pairs
