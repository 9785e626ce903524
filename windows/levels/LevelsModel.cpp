#include "windows/levels/LevelsModel.h"

#include "solver/core/Mirror.h"
#include "solver/core/MomentumSpace.h"

#include <QtConcurrent/QtConcurrentRun>

namespace {

// Below this many states a second thread costs more than it spares.
constexpr std::size_t kStatesWorthAThread = 8;

struct Built {
    int row;
    Solver solver;
};

Built build(const Setup& s) {
    Built b{PhysicsRow(s), Solver()};
    BuildPotential(s, b.solver);
    return b;
}

// A hundred states' transforms take as long as their spectrum: the upper half is transformed
// on another thread meanwhile. A pool with no thread free runs it here when it is waited for.
std::vector<StateMomentum> MomentaOf(const std::vector<BoundState>& states) {
    std::vector<StateMomentum> out(states.size());
    auto transform = [&states, &out](std::size_t from, std::size_t to) {
        thread_local RealMomentum fft; // one plan and its buffers per thread, kept
        for (std::size_t j = from; j < to; ++j) {
            const RealMomentum::Moments k = fft.Of(states[j].psi);
            out[j] = {k.meanK, k.spreadK};
        }
    };
    const std::size_t half = states.size() / 2;
    if (half < kStatesWorthAThread) {
        transform(0, states.size());
        return out;
    }
    QFuture<void> upper = QtConcurrent::run(transform, half, states.size());
    transform(0, half);
    upper.waitForFinished();
    return out;
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
    m.momenta = MomentaOf(m.spectrum.states);
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
