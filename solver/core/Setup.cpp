#include "solver/core/Setup.h"

#include "solver/core/PotentialRows.h"

bool CanReshape(int row) {
    return row != RowOscillator && row != RowHydrogen;
}

double StartEnergy(int row) {
    return row == RowHydrogen ? -13.6 : 0.01;
}

Setup WithRow(const Setup& from, int row) {
    Setup s = from;
    s.row = row;
    s.sliders = {};
    const RowInfo& r = RowOf(row);
    for (int n = 0; n < r.sliderCount; ++n)
        s.sliders[std::size_t(n)] = r.sliders[std::size_t(n)].start;
    s.reshape.reset();
    return s;
}

int PhysicsRow(const Setup& s) {
    return s.row == RowSymmetricWell && s.reshape ? RowWell : s.row;
}

void BuildPotential(const Setup& s, Solver& solver) {
    solver.BuildRow(s.row, s.sliders[0], s.sliders[1], s.sliders[2]);
    if (s.reshape) {
        solver.Points = *s.reshape;
        solver.MinGraph = solver.Points[0];
        solver.MaxGraph = solver.Points[HandleLast];
        solver.LimitSearchToOutsideLevels();
        solver.RebuildFromHandles();
    }
    solver.symmetric = s.even;
    solver.stepFactor = phys::StepFactorFor(s.mass);
}

std::optional<Handles> ReshapeOf(const Setup& s, const Handles& handles) {
    Solver preset;
    Setup plain = s;
    plain.reshape.reset();
    BuildPotential(plain, preset);
    Solver edited = preset;
    Setup shaped = s;
    shaped.reshape = handles;
    BuildPotential(shaped, edited);
    if (edited.Points == preset.Points && edited.PEGraph == preset.PEGraph) return std::nullopt;
    return handles;
}
