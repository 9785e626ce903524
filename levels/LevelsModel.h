#pragma once

// What the Levels window and `levels --all` show of the main window's potential: its spectrum,
// computed once per change of the potential. Reads the main window; never writes it.

#include "solver/core/Spectrum.h"

#include <array>

class Window1;

struct LevelsModel {
    int row = 0;
    double limit = 0; // the search limit the spectrum lies below, in eV
    std::array<double, 1004> potential{};
    Spectrum spectrum;

    // Whether the main window still shows the potential this model was computed for.
    bool IsFor(const Window1& w) const;
};

LevelsModel ComputeLevels(const Window1& w);
