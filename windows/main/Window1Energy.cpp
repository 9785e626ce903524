// The energy controls: the energy field, Draw and Find, and the search behind Find.
#include "graph/Graph.h"
#include "model/EnergyText.h"
#include "model/Model.h"
#include "platform/NumberText.h"
#include "solver/core/PotentialRows.h"
#include "windows/main/Window1.h"

#include <QLineEdit>

void Window1::DrawEta() {
    solver.DrawEta(PhysicsRow(model_.Value()));
}

bool Window1::CalculateEnergy() {
    BusyFindingEta = true;
    // From the energy the field shows, typed or published.
    const bool found = model_.Find(Val(EFEnergy->text()));
    BusyFindingEta = false;
    if (!found && beep) beep();
    return found;
}

void Window1::EFEnergy_TextChange() {
    solver.Energy = Val(EFEnergy->text());
    if (BusyFindingEta) return;
    Graph1->ReDrawAll();
    Graph1->UpdateScreen();
    showTitles();
}

void Window1::PBDraw_Action() {
    if (row() < RowWell || row() >= int(PotentialRows.size())) return;
    model_.DrawEnergy(EFEnergy->text());
}

void Window1::PBFind_Action() {
    CalculateEnergy();
}
