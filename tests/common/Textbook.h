#pragma once

// Closed forms from the textbook that the tests hold the grid's numbers against.

#include "solver/core/Constants.h"

#include <cmath>

namespace textbook {

// The transmission of a rectangular barrier of height v (eV) and width a (nm) at energy e, for
// the electron; below its top it tunnels (sinh), above it rings (sin).
inline double BarrierT(double e, double v, double a) {
    const double kappa = std::sqrt(std::fabs(v - e) / phys::Kinetic) * a;
    const double s = e < v ? std::sinh(kappa) : std::sin(kappa);
    return 1 / (1 + v * v * s * s / (4 * e * std::fabs(v - e)));
}

// The transmission of a step up by v (eV) at energy e above it.
inline double StepT(double e, double v) {
    const double k1 = std::sqrt(e), k2 = std::sqrt(e - v);
    return 4 * k1 * k2 / ((k1 + k2) * (k1 + k2));
}

} // namespace textbook
