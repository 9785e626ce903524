#pragma once

// The Symmetric Well's solution is integrated on the right half only, from the centre (grid
// index 500) outwards; the left half is its mirror image, negated for the odd solution.

#include <array>
#include <vector>

// The value at grid offset `offset` from the centre (negative: left of it), from the right
// half's values `half` (half[j] at grid index 500 + j).
inline double MirroredHalf(const std::array<double, 1004>& half, bool even, int offset) {
    if (offset >= 0) return half[std::size_t(offset)];
    return (even ? 1.0 : -1.0) * half[std::size_t(-offset)];
}

// A grid state's parity about the centre (grid index 500), read from the state itself: +1 even,
// -1 odd, 0 when it is neither to within a part in a thousand.
inline int ParityOf(const std::vector<double>& psi) {
    double same = 0, norm = 0;
    for (std::size_t j = 1; j <= 500; ++j) {
        same += psi[500 + j] * psi[500 - j];
        norm += 0.5 * (psi[500 + j] * psi[500 + j] + psi[500 - j] * psi[500 - j]);
    }
    if (!(norm > 0)) return 0;
    const double overlap = same / norm;
    return overlap > 0.999 ? 1 : overlap < -0.999 ? -1 : 0;
}
