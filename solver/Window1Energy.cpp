// The energy controls: the energy field, Draw and Find, and the search behind Find.
#include "graph/Graph.h"
#include "platform/NumberText.h"
#include "solver/Window1.h"

#include <QLineEdit>

QString Window1::EnergyText(double energy) {
    return Format(energy, QStringLiteral("-#.00000000000"));
}

bool Window1::CalculateEnergy() {
    BusyFindingEta = true;
    const bool found = solver.CalculateEnergy(row());
    BusyFindingEta = false;
    if (!found) {
        // The field keeps its text; the energy goes back to it, so that Draw and the red line
        // stay at the energy the user sees rather than where the search gave up.
        solver.Energy = Val(EFEnergy->text());
        if (beep) beep();
        return false;
    }
    const QString text = EnergyText(solver.Energy);
    // The field's handler re-reads the energy from the text, so the energy carries what the
    // user sees; run it even when the text happens not to change.
    if (EFEnergy->text() == text)
        EFEnergy_TextChange();
    else
        EFEnergy->setText(text);
    DrawEta();
    DrawEtaToScreen();
    return true;
}

void Window1::EFEnergy_TextChange() {
    solver.Energy = Val(EFEnergy->text());
    if (BusyFindingEta) return;
    Graph1->ReDrawAll();
    Graph1->UpdateScreen();
    Graph2->SetTitle(QStringLiteral("Solution for Energy = ") +
                     Format(solver.Energy, QStringLiteral("-#.###########")) +
                     QStringLiteral(" eV"));
    emit changed();
}

void Window1::PBDraw_Action() {
    if (row() < RowWell || row() > RowDraw) return;
    DrawEta();
    DrawEtaToScreen();
    Graph2->ReDrawAll();
    Graph2->UpdateScreen();
    emit changed();
}

void Window1::PBFind_Action() {
    CalculateEnergy();
    Graph2->ReDrawAll();
    Graph2->UpdateScreen();
    emit changed();
}
