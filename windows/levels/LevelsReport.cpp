#include "windows/levels/LevelsReport.h"

#include "model/EnergyText.h"
#include "platform/NumberText.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {

// Fixed decimals, locale-free, without a minus sign on a value that rounds to zero.
QString fixed(double v, int decimals) {
    const double unit = 0.5 * std::pow(10.0, -decimals);
    return QString::number(std::fabs(v) < unit ? 0.0 : v, 'f', decimals);
}

// As the CSV file has it, in every language.
QString parityText(int parity) {
    return parity > 0 ? QStringLiteral("even") : parity < 0 ? QStringLiteral("odd") : QString();
}

// As the table shows it, in the user's language.
QString shownParity(int parity) {
    return parity > 0   ? QCoreApplication::translate("LevelsReport", "even")
           : parity < 0 ? QCoreApplication::translate("LevelsReport", "odd")
                        : QString();
}

bool hasParity(int row) {
    return row == RowSymmetricWell;
}

} // namespace

double DifferencePercent(double grid, double exact) {
    return 100 * (grid - exact) / std::fabs(exact);
}

QStringList LevelHeaders(int row, bool compare, bool momentum) {
    QStringList h = {QStringLiteral("n"),
                     QCoreApplication::translate("LevelsReport", "Energy (eV)"),
                     QCoreApplication::translate("LevelsReport", "Nodes")};
    if (hasParity(row)) h << QCoreApplication::translate("LevelsReport", "Parity");
    h << QStringLiteral("<x> (nm)") << QString::fromUtf8("Δx (nm)")
      << QCoreApplication::translate("LevelsReport", "Forbidden (%)");
    if (compare)
        h << QCoreApplication::translate("LevelsReport", "Exact (eV)")
          << QCoreApplication::translate("LevelsReport", "Difference (%)");
    if (momentum) h << QString::fromUtf8("Δk (nm⁻¹)") << QString::fromUtf8("Δx·Δk");
    return h;
}

QStringList LevelCells(const LevelsModel& m, int index, bool compare, bool momentum) {
    const BoundState& s = m.spectrum.states[std::size_t(index)];
    QStringList c = {QString::number(s.n), EnergyText(PublishedEnergy(s.energy)),
                     QString::number(s.nodes)};
    if (hasParity(m.shownRow)) c << shownParity(s.parity);
    c << fixed(s.meanX, 4) << fixed(s.spreadX, 4) << fixed(100 * s.pForbidden, 2);
    if (compare) {
        const ExactLevel* e = m.ExactFor(index);
        c << (e ? EnergyText(e->energy) : QString())
          << (e ? fixed(DifferencePercent(s.energy, e->energy), 3) : QString());
    }
    if (momentum) {
        const double spreadK = m.momenta[std::size_t(index)].spreadK;
        c << fixed(spreadK, 4) << fixed(s.spreadX * spreadK, 4);
    }
    return c;
}

// The notes solver/core/ExactLevels.cpp gives, word for word, for the translators to find.
[[maybe_unused]] const char* const kExactNotes[] = {
    QT_TRANSLATE_NOOP("ExactLevels",
                      "The exact values are those of the uncut Coulomb potential. The program's "
                      "potential ends at the edge of the plot, which raises the upper levels and "
                      "leaves only a few of them bound."),
};

QString ExactNoteText(const char* note) {
    return note ? QCoreApplication::translate("ExactLevels", note) : QString();
}

QString NoBoundStateText(const LevelsModel& m) {
    return QCoreApplication::translate("LevelsReport", "No bound state below %1 eV")
        .arg(Str(m.limit));
}

QString LevelsText(const LevelsModel& m, bool compare, bool momentum) {
    const int count = int(m.spectrum.states.size());
    if (count == 0) return NoBoundStateText(m) + '\n';
    std::vector<QStringList> rows = {LevelHeaders(m.shownRow, compare, momentum)};
    for (int i = 0; i < count; ++i) rows.push_back(LevelCells(m, i, compare, momentum));
    std::vector<qsizetype> width(std::size_t(rows[0].size()), 0);
    for (const QStringList& r : rows)
        for (qsizetype c = 0; c < r.size(); ++c)
            width[std::size_t(c)] = std::max(width[std::size_t(c)], r[c].size());
    QString out;
    for (const QStringList& r : rows) {
        QString line;
        for (qsizetype c = 0; c < r.size(); ++c) {
            if (c > 0) line += QStringLiteral("  ");
            line += r[c].rightJustified(width[std::size_t(c)]);
        }
        out += line + '\n';
    }
    if (compare && m.exact.note) out += ExactNoteText(m.exact.note) + '\n';
    return out;
}

QString LevelsCsv(const LevelsModel& m, bool compare, bool momentum) {
    QString out = QStringLiteral("n,energy_eV,nodes,parity,mean_x_nm,spread_x_nm,p_forbidden");
    if (compare) out += QStringLiteral(",exact_eV,difference_percent");
    out +=
        momentum ? QStringLiteral(",mean_k_per_nm,spread_k_per_nm,dx_dk\n") : QStringLiteral("\n");
    for (int i = 0; i < int(m.spectrum.states.size()); ++i) {
        const BoundState& s = m.spectrum.states[std::size_t(i)];
        QStringList fields = {QString::number(s.n),     fixed(PublishedEnergy(s.energy), 11),
                              QString::number(s.nodes), parityText(s.parity),
                              fixed(s.meanX, 6),        fixed(s.spreadX, 6),
                              fixed(s.pForbidden, 6)};
        if (compare) {
            const ExactLevel* e = m.ExactFor(i);
            fields << (e ? fixed(e->energy, 11) : QString())
                   << (e ? fixed(DifferencePercent(s.energy, e->energy), 6) : QString());
        }
        if (momentum) {
            const StateMomentum& k = m.momenta[std::size_t(i)];
            fields << fixed(k.meanK, 6) << fixed(k.spreadK, 6) << fixed(s.spreadX * k.spreadK, 6);
        }
        out += fields.join(',') + '\n';
    }
    return out;
}
