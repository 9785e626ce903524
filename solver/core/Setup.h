#pragma once

// Everything a user sets, as one value: the potential's row and its sliders, the parity, the
// energy shown, a reshaped potential's handles and the particle's mass. The potential, the
// search and every computed number follow from it by the rules below; the model owns the one
// live copy, and files and the command line write and read it.

#include "solver/core/Constants.h"
#include "solver/core/Solver.h"

#include <array>
#include <optional>
#include <string>

// The handles of a potential reshaped with the mouse (NoHandle where there is none). Both ends
// are always handles: they are the levels beyond the visible window.
using Handles = std::array<double, HandleLast + 1>;

struct Setup {
    int row = RowWell;
    std::array<int, 3> sliders{};     // as the row's sliders hold them: hundredths of a nm, eV, ...
    bool even = true;                 // the parity menu: even (Symmetric) or odd solutions
    std::string energyText = "0";     // the energy as the field shows it
    double energy = 0;                // that text read as a number, as the integration reads it
    std::optional<Handles> reshape;   // a reshaped potential; none: what the row's builder makes
    double mass = phys::ElectronMass; // in electron masses

    bool operator==(const Setup&) const = default;
};

// Whether the mouse may reshape the row's potential.
bool CanReshape(int row);

// The energy every search of a newly chosen row starts from, in eV.
double StartEnergy(int row);

// A row chosen afresh: its sliders at their start values, no reshape; the rest kept.
Setup WithRow(const Setup& from, int row);

// The row whose grid problem the physics solves. A reshaped Symmetric Well is solved on the
// whole grid, like any other drawn potential, its parity read from each state; only the
// row's own mirror-symmetric potential uses the even and odd half-problems.
int PhysicsRow(const Setup& s);

// The potential of the setting on the grid, its handles, its outside levels and search limit,
// the parity and the particle's mass, written into `solver` (the integration state is left).
void BuildPotential(const Setup& s, Solver& solver);

// The handles after a mouse edit, or none when they make exactly what the row's builder makes
// of the sliders (a reshape that changed nothing is no reshape).
std::optional<Handles> ReshapeOf(const Setup& s, const Handles& handles);
