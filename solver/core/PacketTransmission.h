#pragma once

// What a potential should let through of a wave packet, from its momentum space: each plane
// wave k of the packet is transmitted with the grid's own T at its energy, so the packet's
// transmitted probability, once it has left, approaches the integral of |phi(k)|^2 T(E(k)) dk
// over the waves that move towards the right (k > 0).

#include "solver/core/MomentumSpace.h"
#include "solver/core/Transmission.h"

#include <vector>

struct PacketTransmission {
    double predicted = 0; // the integral of |phi(k)|^2 T dk over k > 0
    // The wave numbers in nm^-1 where the packet has weight, and T at each (0 where a lead is
    // closed).
    std::vector<double> k, transmission;
};

// For the packet whose momentum space is `m`, starting where the potential is `level` eV: wave
// k has the energy level + (2 - 2 cos k dx) / StepFactorFor(mass) that the grid's dispersion
// gives it there, and T from GridTransmissions in `v`. Waves with |phi|^2 below 1e-12 of the
// peak are left out.
PacketTransmission PredictTransmission(const MomentumSpace& m, const GridPotential& v, double mass,
                                       double level);
