#include "solver/core/FindLevel.h"

#include "solver/core/LevelCount.h"

#include <cmath>

double PublishedEnergy(double level) {
    return std::ceil(level * 1e11) / 1e11;
}

FoundLevel FindNextLevel(Solver& solver, int physicsRow, double start) {
    FoundLevel out;
    if (!std::isfinite(start)) return out;
    const RowUnknowns p = RowUnknownsOf(physicsRow, solver.symmetric);
    const auto count = [&](double e) {
        return LevelsBelow(p, solver.PEGraph, solver.stepFactor, e);
    };
    const int wanted = count(start + ShownLevelTolerance); // the level to publish, from 0

    solver.Energy = start;
    if (solver.CalculateEnergy(physicsRow)) {
        // The search's last step is 1e-11 eV: the level lies just below where it ended.
        const double landed = solver.Energy;
        if (count(landed) == wanted + 1 && count(landed - 1.5e-11) == wanted) {
            out = {true, landed, true};
            return out;
        }
    }
    const double limit = solver.fMaxE;
    const double level = LevelByCount(p, solver.PEGraph, solver.stepFactor, wanted,
                                      start + ShownLevelTolerance, limit);
    if (std::isfinite(level) && level < limit) out = {true, PublishedEnergy(level), false};
    return out;
}
