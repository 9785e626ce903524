#pragma once

// The exact bound levels of the continuous problems that the potential rows describe, for the
// geometry the sliders give (nominal widths and heights, not the grid's rounding of them), so the
// grid's levels can be shown beside them. Qt-free and independent of the grid.
//
// Lengths in nm, energies in eV. Every function returns the levels that lie strictly below
// `limit`, ascending, at most `maxCount` of them. Each level is the root of a matching condition
// bracketed on its own, found to within RootTolerance.

#include "solver/core/Constants.h"

#include <vector>

struct ExactLevel {
    int n;         // counted as the grid's spectrum counts: from 0, hydrogen from 1
    double energy; // eV
    int parity;    // +1 even, -1 odd in the symmetric double well; 0 elsewhere
};

struct ExactLevels {
    bool available = false; // false where no exact solution exists (a hand-drawn potential)
    std::vector<ExactLevel> levels;
    const char* note = nullptr; // what the exact values stand for, where that needs saying
};

namespace exact {

// Width of the final bracket of every root, in eV.
inline constexpr double RootTolerance = 1e-12;
// No call returns more levels than this, whatever maxCount it is given.
inline constexpr int MaxLevels = 10000;

// A flat bottom at 0 of the given width between walls of two heights; bound below the lower one.
std::vector<ExactLevel> FiniteWell(double width, double leftWall, double rightWall, double limit,
                                   int maxCount);

// Two wells of width `wellWidth`, bottom 0, separated by a barrier of `barrierWidth` and walled
// outside, barrier and walls at `height`. Even and odd levels together; a barrier of 0 is one well
// of twice the width.
std::vector<ExactLevel> DoubleWell(double wellWidth, double barrierWidth, double height,
                                   double limit, int maxCount);

// A wall of height `wall` on the left, then V = slope * x rising from 0 until it reaches `top`,
// then flat at `top`; bound below the lower of wall and top.
std::vector<ExactLevel> Ramp(double slope, double wall, double top, double limit, int maxCount);

// V = spring x^2 / 2 with `spring` in eV/nm^2: (n + 1/2) hbar omega.
std::vector<ExactLevel> Oscillator(double spring, double limit, int maxCount);

// The s levels of the uncut Coulomb potential: -Rydberg / n^2, n from 1.
std::vector<ExactLevel> Coulomb(double limit, int maxCount, double rydberg = phys::Rydberg);

} // namespace exact

// The exact levels of potential row `row` with slider values s1, s2, s3 as the sliders hold them
// (the ones a row does not use are ignored), for a particle of `mass` electron masses. Not
// available for the hand-drawn row or an unknown row.
ExactLevels ExactLevelsOf(int row, int s1, int s2, int s3, double limit, int maxCount = 100,
                          double mass = phys::ElectronMass);
