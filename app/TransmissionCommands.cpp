#include "app/TransmissionCommands.h"

#include "app/CsvNumber.h"
#include "platform/NumberText.h"
#include "solver/core/PotentialRows.h"
#include "windows/transmission/TransmissionCurve.h"

#include <optional>
#include <vector>

namespace {

QString cell(const std::optional<double>& v) {
    return v ? CsvNumber(*v) : QString();
}

} // namespace

int RunTransmission(const Command& c, const Setup& value, QTextStream& out, QTextStream& err) {
    const std::optional<FlatPieces> pieces = ContinuumPiecesOf(value);
    if (c.exact && !pieces) {
        const std::string_view name = RowOf(value.row).option;
        err << "wellscope: --exact: the "
            << QString::fromLatin1(name.data(), qsizetype(name.size())) << " potential"
            << (value.reshape ? " reshaped with the mouse" : "")
            << " is not made of flat pieces (accepts well, symmetric, uneven, barrier, "
               "double-barrier or step)\n";
        return 2;
    }
    const GridPotential v = GridPotentialOf(value);
    const double from = Val(c.from);
    std::vector<double> energies(std::size_t(c.steps) + 1);
    for (std::size_t k = 0; k < energies.size(); ++k) energies[k] = from + double(k) * c.step;
    std::vector<std::optional<TransmissionResult>> results(energies.size());
    GridTransmissions(v, value.mass, energies, results);

    out << TransmissionCsvHeader << (c.exact ? ",exact_transmission\n" : "\n");
    for (std::size_t k = 0; k < energies.size(); ++k) {
        const auto& r = results[k];
        out << CsvNumber(energies[k]) << ','
            << cell(r ? std::optional(r->transmission) : std::nullopt) << ','
            << cell(r ? std::optional(r->reflection) : std::nullopt);
        if (c.exact) {
            const auto e = ContinuumTransmission(*pieces, value.mass, energies[k]);
            out << ',' << cell(e ? std::optional(e->transmission) : std::nullopt);
        }
        out << '\n';
    }
    return 0;
}

int RunResonances(const Command& c, const Setup& value, QTextStream& out) {
    out << ResonancesCsvHeader << '\n';
    for (const Resonance& r : ComputeTransmissionCurve(value, c.to).resonances) {
        const auto ifWidth = [&](double v) { return r.hasWidth ? CsvNumber(v) : QString(); };
        out << CsvNumber(r.energy) << ',' << ifWidth(r.width) << ',' << ifWidth(r.lifetime) << ','
            << CsvNumber(r.peakTransmission) << '\n';
    }
    return 0;
}
