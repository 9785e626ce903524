#include "model/Particles.h"

#include "platform/NumberText.h"
#include "solver/core/Constants.h"

#include <QCoreApplication>

bool IsElectron(double mass) {
    return mass == phys::ElectronMass;
}

QString ParticleName(const ParticlePreset& p) {
    return QCoreApplication::translate("Particles", p.name);
}

QString MassText(double mass) {
    return Str(mass) + QString::fromUtf8(" mₑ");
}

QString ParticleText(double mass) {
    for (const ParticlePreset& p : ParticlePresets)
        if (p.mass == mass) return ParticleName(p) + QStringLiteral(", ") + MassText(mass);
    return QCoreApplication::translate("Particles", "particle of %1").arg(MassText(mass));
}
