#include "windows/levels/LevelsModel.h"

#include "solver/core/Mirror.h"
#include "solver/core/MomentumSpace.h"

namespace {

struct Built {
    int row;
    Solver solver;
};

Built build(const Setup& s) {
    Built b{PhysicsRow(s), Solver()};
    BuildPotential(s, b.solver);
    return b;
}

} // namespace

bool LevelsModel::IsFor(const Setup& s) const {
    const Built b = build(s);
    return row == b.row && shownRow == s.row && mass == s.mass && limit == b.solver.fMaxE &&
           potential == b.solver.PEGraph;
}

LevelsModel ComputeLevels(const Setup& s) {
    const Built b = build(s);
    LevelsModel m;
    m.row = b.row;
    m.shownRow = s.row;
    m.mass = s.mass;
    m.limit = b.solver.fMaxE;
    m.potential = b.solver.PEGraph;
    m.spectrum = ComputeSpectrum(m.potential, m.row, m.limit, MaxSpectrumStates, m.mass);
    // A reshaped Symmetric Well is solved on the whole grid: each state says its own parity.
    if (m.shownRow == RowSymmetricWell && m.row != RowSymmetricWell)
        for (BoundState& state : m.spectrum.states) state.parity = ParityOf(state.psi);
    // One plan and its buffers for every spectrum this thread computes.
    thread_local RealMomentum transform;
    m.momenta.reserve(m.spectrum.states.size());
    for (const BoundState& state : m.spectrum.states) {
        const RealMomentum::Moments k = transform.Of(state.psi);
        m.momenta.push_back({k.meanK, k.spreadK});
    }
    if (s.row != RowDraw && !s.reshape)
        m.exact = ExactLevelsOf(s.row, s.sliders[0], s.sliders[1], s.sliders[2], m.limit,
                                MaxSpectrumStates, s.mass);
    return m;
}

const ExactLevel* LevelsModel::ExactFor(int index) const {
    if (!exact.available) return nullptr;
    const int n = spectrum.states[std::size_t(index)].n;
    for (const ExactLevel& l : exact.levels)
        if (l.n == n) return &l;
    return nullptr;
}
