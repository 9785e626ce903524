// What the main window says to a screen reader: a name for every control, a description where
// its label does not say enough, and a summary of what each plot shows.
#include "graph/Graph.h"
#include "model/Model.h"
#include "model/Particles.h"
#include "platform/NumberText.h"
#include "solver/core/PotentialRows.h"
#include "windows/common/RowTexts.h"
#include "windows/main/Window1.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include <cmath>

// An energy as a person reads it aloud: five decimals.
QString Window1::spoken(double energy) {
    return std::isfinite(energy) ? QString::number(energy, 'f', 5) + QStringLiteral(" eV")
                                 : tr("no energy");
}

void Window1::describeControls() {
    PopupMenu1->setAccessibleName(tr("Potential"));
    PMSymmetric->setAccessibleName(tr("Parity"));
    PMSymmetric->setAccessibleDescription(tr("Even (symmetric) or odd (anti-symmetric) solutions"));
    EFEnergy->setAccessibleName(tr("Energy in eV"));
    PBDraw->setAccessibleName(tr("Draw"));
    PBDraw->setAccessibleDescription(tr("Solve at the energy typed"));
    PBFind->setAccessibleName(tr("Find"));
    PBFind->setAccessibleDescription(tr("Search upward for the next level"));
    Graph1->setAccessibleName(tr("Potential plot"));
    Graph1->Summary = [this] { return potentialSummary(); };
    Graph2->setAccessibleName(tr("Wave function plot"));
    Graph2->Summary = [this] { return waveSummary(); };
}

QString Window1::potentialSummary() const {
    const Setup& v = model_.Value();
    const RowInfo& r = RowOf(v.row);
    QStringList parts{tr("Potential: %1").arg(RowText(r.menuText))};
    for (int n = 1; n <= r.sliderCount; ++n)
        parts << RowText(r.sliders[std::size_t(n - 1)].what) + ' ' + sliderValueText(n);
    if (r.hasParity) parts << (v.even ? tr("even solutions") : tr("odd solutions"));
    if (v.reshape) parts << tr("reshaped with the mouse");
    QString out = tr("%1; trial energy %2")
                      .arg(parts.join(QStringLiteral(", ")), spoken(Val(EFEnergy->text())));
    if (!IsElectron(v.mass)) out += QStringLiteral("; ") + ParticleText(v.mass);
    return out;
}

QString Window1::waveSummary() const {
    return tr("Wave function at %1, %2 nodes where the energy lies above the potential")
        .arg(spoken(solver.Energy))
        .arg(solver.NCrossings);
}
