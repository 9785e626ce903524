#include "levels/LevelsModel.h"

#include "solver/Window1.h"

#include <QSlider>

bool LevelsModel::IsFor(const Window1& w) const {
    return row == w.row() && limit == w.solver.fMaxE && potential == w.solver.PEGraph;
}

LevelsModel ComputeLevels(const Window1& w) {
    LevelsModel m;
    m.row = w.row();
    m.limit = w.solver.fMaxE;
    m.potential = w.solver.PEGraph;
    m.spectrum = ComputeSpectrum(m.potential, m.row, m.limit);
    if (m.row != RowDraw && !w.Reshaped())
        m.exact = ExactLevelsOf(m.row, w.Slider1->value(), w.Slider2->value(), w.Slider3->value(),
                                m.limit, MaxSpectrumStates);
    return m;
}

const ExactLevel* LevelsModel::ExactFor(int index) const {
    if (!exact.available) return nullptr;
    const int n = spectrum.states[std::size_t(index)].n;
    for (const ExactLevel& l : exact.levels)
        if (l.n == n) return &l;
    return nullptr;
}
