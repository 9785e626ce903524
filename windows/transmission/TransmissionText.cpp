#include "windows/transmission/TransmissionText.h"

#include "solver/core/Constants.h"
#include "solver/core/Solver.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {

// Significant digits, shortest form; "." in every locale.
QString digits(double v, int significant) {
    return QString::number(v + 0.0, 'g', significant); // + 0.0: no "-0"
}

QString eV(double v) {
    return digits(v, 6) + QStringLiteral(" eV");
}

} // namespace

QString UndefinedText(const GridPotential& v, double mass, double energy) {
    for (int j = 0; j <= GridLast; ++j)
        if (!std::isfinite(v[std::size_t(j)]))
            return QCoreApplication::translate(
                "TransmissionText", "T is undefined: the potential is not finite everywhere");
    const double left = v[0], right = v[GridLast];
    const bool leftOpen = LeadWaveNumber(energy, left, mass).has_value();
    const bool rightOpen = LeadWaveNumber(energy, right, mass).has_value();
    if (leftOpen && rightOpen) return {};
    const QString at = eV(energy);
    const bool belowLeft = !leftOpen && energy <= left, belowRight = !rightOpen && energy <= right;
    if (belowLeft && belowRight)
        return QCoreApplication::translate(
                   "TransmissionText",
                   "T is undefined at E = %1: below both leads' potential (%2 left, %3 right)")
            .arg(at, eV(left), eV(right));
    if (belowLeft)
        return QCoreApplication::translate(
                   "TransmissionText",
                   "T is undefined at E = %1: below the left lead's potential, %2")
            .arg(at, eV(left));
    if (belowRight)
        return QCoreApplication::translate(
                   "TransmissionText",
                   "T is undefined at E = %1: below the right lead's potential, %2")
            .arg(at, eV(right));
    return QCoreApplication::translate(
               "TransmissionText",
               "T is undefined at E = %1: above the grid's highest energy in a lead, %2")
        .arg(at, eV(std::min(left, right) + 4 / phys::StepFactorFor(mass)));
}

QString ResultText(double energy, const TransmissionResult& r) {
    return QStringLiteral("E = %1: T = %2, R = %3")
        .arg(eV(energy), digits(r.transmission, 6), digits(r.reflection, 6));
}

QString FluxText(const ScatteringState& s) {
    return QCoreApplication::translate("TransmissionText",
                                       "Flux (nm/fs): in %1, reflected %2, transmitted %3 = net %4")
        .arg(digits(s.incomingFlux, 6), digits(s.reflectedFlux, 6), digits(s.transmittedFlux, 6),
             digits(s.flux, 6));
}

PartLabels PartLabelsOf(const ScatteringState& s) {
    return {QCoreApplication::translate("TransmissionText", "→ incoming, |A| = 1"),
            QCoreApplication::translate("TransmissionText", "← reflected, |r| = %1")
                .arg(digits(std::abs(s.reflected), 4)),
            QCoreApplication::translate("TransmissionText", "transmitted, |t| = %1 →")
                .arg(digits(std::abs(s.transmitted), 4))};
}

QStringList ResonanceHeaders() {
    return {QCoreApplication::translate("TransmissionText", "Energy (eV)"),
            QCoreApplication::translate("TransmissionText", "Width Γ (eV)"),
            QCoreApplication::translate("TransmissionText", "Lifetime ħ/Γ (fs)"),
            QCoreApplication::translate("TransmissionText", "Peak T")};
}

QStringList ResonanceCells(const Resonance& r) {
    const QString none = QString::fromUtf8("–");
    return {digits(r.energy, 8), r.hasWidth ? digits(r.width, 4) : none,
            r.hasWidth ? digits(r.lifetime, 4) : none, digits(r.peakTransmission, 6)};
}
