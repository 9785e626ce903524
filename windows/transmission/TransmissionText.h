#pragma once

// The Transmission window's words and numbers: what it says at the chosen energy, the labels of
// the scattering state's parts, and the cells of the resonance table. Number text is the same in
// every locale.

#include "solver/core/Resonances.h"
#include "solver/core/Transmission.h"

#include <QString>
#include <QStringList>

// Why T is undefined at `energy`: below a lead's potential, above the grid's band in a lead, or
// a potential that is not finite. Empty where T is defined.
QString UndefinedText(const GridPotential& v, double mass, double energy);

// "E = 3 eV: T = 0.01234, R = 0.9877".
QString ResultText(double energy, const TransmissionResult& r);

// The state's probability fluxes, in nm/fs.
QString FluxText(const ScatteringState& s);

// The labels of the state's three parts, with their amplitudes.
struct PartLabels {
    QString incoming, reflected, transmitted;
};
PartLabels PartLabelsOf(const ScatteringState& s);

// The resonance table's columns and one row's cells; a width that does not exist is "–".
QStringList ResonanceHeaders();
QStringList ResonanceCells(const Resonance& r);
