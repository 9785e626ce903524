#include "solver/core/LevelCount.h"

#include "solver/core/Solver.h"

#include <cmath>
#include <limits>

RowUnknowns RowUnknownsOf(int row, bool even) {
    if (row == RowHydrogen) return {WindowFirst + 1, GridLast - WindowFirst - 1, false};
    if (row == RowSymmetricWell) return {501, 498, even};
    return {1, GridLast - 1, false};
}

int LevelsBelow(const RowUnknowns& p, const std::array<double, 1004>& potential, double stepFactor,
                double energy) {
    // q = psi(i + 1) / psi(i) of the recurrence psi(i+1) = (2 - K (E - V)) psi(i) - psi(i-1);
    // each negative ratio is a sign change.
    int count = 0;
    double inverse = p.flatLeft ? 1.0 : 0.0; // psi(first - 1) / psi(first)
    for (int j = 0; j < p.size; ++j) {
        double q = 2 - stepFactor * (energy - potential[std::size_t(p.first + j)]) - inverse;
        if (q == 0) q = -std::numeric_limits<double>::min();
        if (q < 0) ++count;
        inverse = 1 / q;
    }
    return count;
}

double LevelByCount(const RowUnknowns& p, const std::array<double, 1004>& potential,
                    double stepFactor, int k, double low, double high) {
    if (!(LevelsBelow(p, potential, stepFactor, high) > k) ||
        LevelsBelow(p, potential, stepFactor, low) > k)
        return std::numeric_limits<double>::quiet_NaN();
    for (int i = 0; i < 200 && high - low > 1e-13 * std::fmax(1.0, std::fabs(high)); ++i) {
        const double mid = 0.5 * (low + high);
        if (mid <= low || mid >= high) break;
        (LevelsBelow(p, potential, stepFactor, mid) > k ? high : low) = mid;
    }
    return 0.5 * (low + high);
}
