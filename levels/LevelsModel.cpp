#include "levels/LevelsModel.h"

#include "solver/Window1.h"

bool LevelsModel::IsFor(const Window1& w) const {
    return row == w.row() && limit == w.solver.fMaxE && potential == w.solver.PEGraph;
}

LevelsModel ComputeLevels(const Window1& w) {
    LevelsModel m;
    m.row = w.row();
    m.limit = w.solver.fMaxE;
    m.potential = w.solver.PEGraph;
    m.spectrum = ComputeSpectrum(m.potential, m.row, m.limit);
    return m;
}
