#pragma once

// The grid problem each row's integration solves, and counting its levels. The sign changes of
// the integration's recurrence are the Sturm count of the problem's matrix: the number of
// levels below the energy. Counted here in ratio form, so no tail can overflow and no early
// stop of the integration can hide the nodes beyond a barrier.

#include <array>

struct RowUnknowns {
    int first;     // grid index of the first unknown
    int size;      // number of unknowns
    bool flatLeft; // psi(first - 1) = psi(first): the even half-problem's zero slope
};

// The row's unknowns, as its integration fixes them: it starts from psi = 0 (or the even
// half's zero slope) and the sign of the tail is read at the grid's end.
RowUnknowns RowUnknownsOf(int row, bool even);

// How many levels of the problem lie below `energy`, for the recurrence constant `stepFactor`.
int LevelsBelow(const RowUnknowns& p, const std::array<double, 1004>& potential, double stepFactor,
                double energy);

// Level `k` (counted from 0) by bisection on the count between `low` and `high`, to about
// 1e-13 eV; NaN when fewer than k + 1 levels lie below `high` or k of them below `low`.
double LevelByCount(const RowUnknowns& p, const std::array<double, 1004>& potential,
                    double stepFactor, int k, double low, double high);
