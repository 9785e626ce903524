#pragma once

// What the Transmission window's curve and table, and the transmission and resonances commands,
// show of a setting's potential: the grid's T(E) and R(E) from the lowest open energy up to a
// top, the continuum's T beside it where the sliders describe flat pieces, and the resonances
// within the same scan. Qt-free and a pure function of its inputs, so it can run off the UI
// thread.

#include "solver/core/ContinuumTransmission.h"
#include "solver/core/Resonances.h"
#include "solver/core/Setup.h"
#include "solver/core/Transmission.h"

#include <optional>
#include <vector>

inline constexpr int CurvePoints = DefaultResonanceScan;
inline constexpr double DefaultCurveTop = 15; // eV
inline constexpr int ContinuumEvery = 4;

struct TransmissionCurve {
    // What it was computed for.
    GridPotential potential{};
    double mass = phys::ElectronMass;
    double top = DefaultCurveTop;
    std::optional<FlatPieces> pieces; // the continuum's potential, when there is one

    bool finite = true;  // false: the potential is infinite somewhere and T is undefined
    OpenEnergies open{}; // where both leads carry waves
    // The grid's T and R at CurvePoints energies from open.lowest to the top (or the band's end,
    // if lower); empty when no energy below the top is open.
    TransmissionScan scan;
    // The continuum's T at every ContinuumEvery-th of those energies, enough for a dashed line
    // across the plot (its transfer matrices cost more than a pass of the grid's recurrence);
    // empty without pieces.
    std::vector<double> continuumEnergies;
    std::vector<std::optional<double>> continuum;
    std::vector<Resonance> resonances;

    bool HasRange() const { return !scan.energies.empty(); }
    // Whether this curve was computed for the setting's potential and mass up to `top`.
    bool IsFor(const Setup& s, double top) const;
};

// The continuum's pieces of the setting: its row's, unless reshaped with the mouse.
std::optional<FlatPieces> ContinuumPiecesOf(const Setup& s);

// The setting's potential on the grid.
GridPotential GridPotentialOf(const Setup& s);

TransmissionCurve ComputeTransmissionCurve(const Setup& s, double top);
