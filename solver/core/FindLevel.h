#pragma once

// Find: the next level of the current potential above the energy shown. The search the
// program teaches (the step ladder on the tail's sign) runs first, and where it lands on that
// level its digits are kept; where it does not (it stepped over a level of a drawn double
// well, or came back to the one shown), the level is taken from the count of levels instead.
// So no level is skipped, none repeats, and no energy that is not a level is published.

#include "solver/core/Setup.h"

struct FoundLevel {
    bool found = false;    // false: no level lies between the start and the search limit
    double energy = 0;     // eV, on the upper side of the level by at most 1e-11 eV
    bool bySearch = false; // the search's own landing, not the count's
};

// A level typed or published within this of the start counts as the one shown.
inline constexpr double ShownLevelTolerance = 1e-9;

// `solver` holds the setting's potential (BuildPotential); its integration state is used up.
FoundLevel FindNextLevel(Solver& solver, int physicsRow, double start);

// A level's energy as Find publishes it: on the upper side of the level at the eleventh
// decimal, as the search's last 1e-11 eV step leaves it.
double PublishedEnergy(double level);
