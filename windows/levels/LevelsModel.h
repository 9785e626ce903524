#pragma once

// What the Levels window and `levels --all` show of the model's potential: its spectrum,
// computed once per change of the potential.

#include "solver/core/ExactLevels.h"
#include "solver/core/Setup.h"
#include "solver/core/Spectrum.h"

#include <array>
#include <vector>

// A bound state in momentum space: <k> and Delta k in nm^-1 of its phi(k).
struct StateMomentum {
    double meanK = 0, spreadK = 0;
};

struct LevelsModel {
    int row = 0;      // the row whose grid problem was solved (see PhysicsRow)
    int shownRow = 0; // the row the potential menu shows
    double limit = 0; // the search limit the spectrum lies below, in eV
    double mass = phys::ElectronMass;
    std::array<double, 1004> potential{};
    Spectrum spectrum;
    // The exact levels of the continuous problem the sliders describe; not available for a
    // drawn potential or one reshaped with the mouse, which the sliders no longer describe.
    ExactLevels exact;
    // Per state of the spectrum, in its order.
    std::vector<StateMomentum> momenta;

    // The exact level with state `index`'s n, or nullptr.
    const ExactLevel* ExactFor(int index) const;

    // Whether this model was computed for the setting's potential.
    bool IsFor(const Setup& s) const;
};

LevelsModel ComputeLevels(const Setup& s);
