#include "app/EvolveCommand.h"

#include "app/CsvNumber.h"

#include "solver/core/Spectrum.h"
#include "solver/core/Superposition.h"
#include "windows/levels/LevelsModel.h"

#include <algorithm>

namespace {

QString levelRange(const Spectrum& s, int row) {
    if (s.states.empty()) return QStringLiteral("it has no bound states");
    return QStringLiteral("its levels are %1 to %2%3")
        .arg(s.states.front().n)
        .arg(s.states.back().n)
        .arg(row == RowHydrogen ? QStringLiteral(", counted by n") : QString());
}

} // namespace

int RunEvolve(const Command& c, const Setup& value, QTextStream& out, QTextStream& err) {
    const LevelsModel levels = ComputeLevels(value);
    const int row = levels.row;
    const Spectrum& spectrum = levels.spectrum;
    std::vector<int> indices;
    for (int n : c.states) {
        const auto found = std::find_if(spectrum.states.begin(), spectrum.states.end(),
                                        [n](const BoundState& s) { return s.n == n; });
        if (found == spectrum.states.end()) {
            err << "wellscope: --states: there is no level " << n << " ("
                << levelRange(spectrum, row) << ")\n";
            return 2;
        }
        indices.push_back(int(found - spectrum.states.begin()));
    }
    const Superposition superposition(spectrum, row, indices, c.amplitudes);
    out << EvolveCsvHeader << '\n';
    for (int k = 0; k <= c.steps; ++k) {
        const double t = k * c.step;
        const Moments m = superposition.MomentsAt(t);
        out << CsvNumber(t) << ',' << CsvNumber(m.meanX) << ',' << CsvNumber(m.spreadX) << ','
            << CsvNumber(m.norm) << '\n';
    }
    return 0;
}
