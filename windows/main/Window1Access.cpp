// What the main window says to a screen reader: a name for every control, a description where
// its label does not say enough, and a summary of what each plot shows.
#include "graph/Graph.h"
#include "model/Model.h"
#include "model/Particles.h"
#include "platform/NumberText.h"
#include "solver/core/PotentialRows.h"
#include "windows/main/Window1.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include <cmath>

namespace {

QString text(std::string_view s) {
    return QString::fromLatin1(s.data(), qsizetype(s.size()));
}

// An energy as a person reads it aloud: five decimals.
QString spoken(double energy) {
    return std::isfinite(energy) ? QString::number(energy, 'f', 5) + QStringLiteral(" eV")
                                 : QStringLiteral("no energy");
}

} // namespace

void Window1::describeControls() {
    PopupMenu1->setAccessibleName(QStringLiteral("Potential"));
    PMSymmetric->setAccessibleName(QStringLiteral("Parity"));
    PMSymmetric->setAccessibleDescription(
        QStringLiteral("Even (symmetric) or odd (anti-symmetric) solutions"));
    EFEnergy->setAccessibleName(QStringLiteral("Energy in eV"));
    PBDraw->setAccessibleName(QStringLiteral("Draw"));
    PBDraw->setAccessibleDescription(QStringLiteral("Solve at the energy typed"));
    PBFind->setAccessibleName(QStringLiteral("Find"));
    PBFind->setAccessibleDescription(QStringLiteral("Search upward for the next level"));
    Graph1->setAccessibleName(QStringLiteral("Potential plot"));
    Graph1->Summary = [this] { return potentialSummary(); };
    Graph2->setAccessibleName(QStringLiteral("Wave function plot"));
    Graph2->Summary = [this] { return waveSummary(); };
}

QString Window1::potentialSummary() const {
    const Setup& v = model_.Value();
    const RowInfo& r = RowOf(v.row);
    QStringList parts{QStringLiteral("Potential: ") + text(r.menuText)};
    for (int n = 1; n <= r.sliderCount; ++n)
        parts << text(r.sliders[std::size_t(n - 1)].what) + ' ' + sliderValueText(n);
    if (r.hasParity)
        parts << (v.even ? QStringLiteral("even solutions") : QStringLiteral("odd solutions"));
    if (v.reshape) parts << QStringLiteral("reshaped with the mouse");
    QString out = parts.join(QStringLiteral(", ")) + QStringLiteral("; trial energy ") +
                  spoken(Val(EFEnergy->text()));
    if (!IsElectron(v.mass)) out += QStringLiteral("; ") + ParticleText(v.mass);
    return out;
}

QString Window1::waveSummary() const {
    return QStringLiteral("Wave function at %1, %2 nodes where the energy lies above the potential")
        .arg(spoken(solver.Energy))
        .arg(solver.NCrossings);
}
