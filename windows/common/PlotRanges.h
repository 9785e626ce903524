#pragma once

// What the potential and wave-function plots show of each row: x from -1.8 to 1.8 nm about
// the centre (r from just left of the nucleus for hydrogen), the potential from 0 to 20 eV
// (-20 to 0 for hydrogen), psi from -1 to 1. Every plot of the potential shares these.

#include "solver/core/Solver.h"

struct PlotRange {
    double xMin, xMax, yMin, yMax;
};

inline constexpr double ViewHalfWidth = 1.8; // nm

inline constexpr PlotRange PotentialRange(int row) {
    return row == RowHydrogen ? PlotRange{-0.05, 3.55, -20, 0}
                              : PlotRange{-ViewHalfWidth, ViewHalfWidth, 0, 20};
}

inline constexpr PlotRange PsiRange(int row) {
    return row == RowHydrogen ? PlotRange{-0.05, 3.55, -1, 1}
                              : PlotRange{-ViewHalfWidth, ViewHalfWidth, -1, 1};
}
