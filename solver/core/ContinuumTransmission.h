#pragma once

// The continuum's transmission for potentials made of flat pieces, from the transfer of psi and
// psi' across each piece: cos, sin of a complex wave number, so that under a piece's top the same
// formula tunnels. It stands beside the grid's T as the exact levels stand beside the grid's
// levels: the grid approaches it as far as putting the walls on grid points allows.
//
// Lengths in nm, energies in eV, the mass in electron masses (hbar^2/2m = phys::KineticFor).

#include "solver/core/Transmission.h"

#include <optional>
#include <vector>

// V = levels[0] left of edges[0], levels[i] between edges[i - 1] and edges[i], levels.back()
// right of the last edge. Edges ascend; a piece of zero width changes nothing.
struct FlatPieces {
    std::vector<double> edges;
    std::vector<double> levels; // edges.size() + 1 of them
};

// T and R for a wave from the left; nothing at or below either outer level, where T is
// undefined, or for pieces that do not describe a potential.
std::optional<TransmissionResult> ContinuumTransmission(const FlatPieces& pieces, double mass,
                                                        double energy);

// The pieces of each row for its slider values (hundredths of a nm, whole eV), the walls where
// the sliders put them, centred on x = 0.
namespace continuum {
FlatPieces Barrier(int width, int height);
FlatPieces DoubleBarrier(int separation, int barrierWidth, int height);
FlatPieces Step(int height);
FlatPieces Well(int width);
FlatPieces UnevenWell(int width, int left, int right);
FlatPieces SymmetricWell(int separation, int wellWidth);
} // namespace continuum

// The pieces of potential row `row` with its slider values; nothing for the rows that are not
// made of flat pieces (ramp, oscillator, hydrogen, a drawn potential).
std::optional<FlatPieces> FlatPiecesOf(int row, int s1, int s2, int s3);
