#include "windows/levels/LevelsModel.h"

#include "solver/core/Mirror.h"
#include "solver/core/MomentumSpace.h"

#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <atomic>

namespace {

// Below this many states a second thread costs more than it spares; it takes this many at a
// time.
constexpr std::size_t kStatesWorthAThread = 16;
constexpr std::size_t kStatesAtATime = 4;

struct Built {
    int row;
    Solver solver;
};

Built build(const Setup& s) {
    Built b{PhysicsRow(s), Solver()};
    BuildPotential(s, b.solver);
    return b;
}

// A hundred states' transforms take as long as their spectrum: a second thread takes states
// as this one does, a few at a time, so that neither waits long for the other however late it
// starts. A pool with no thread free runs it here when it is waited for.
std::vector<StateMomentum> MomentaOf(const std::vector<BoundState>& states) {
    std::vector<StateMomentum> out(states.size());
    std::atomic<std::size_t> next{0};
    auto transform = [&states, &out, &next] {
        thread_local RealMomentum fft; // one plan and its buffers per thread, kept
        for (std::size_t from; (from = next.fetch_add(kStatesAtATime)) < states.size();) {
            for (std::size_t j = from; j < std::min(from + kStatesAtATime, states.size()); ++j) {
                const RealMomentum::Moments k = fft.Of(states[j].psi);
                out[j] = {k.meanK, k.spreadK};
            }
        }
    };
    if (states.size() < kStatesWorthAThread) {
        transform();
        return out;
    }
    QFuture<void> helper = QtConcurrent::run(transform);
    transform();
    helper.waitForFinished();
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
