#include "model/Particles.h"

#include "platform/NumberText.h"
#include "solver/core/Constants.h"

bool IsElectron(double mass) {
    return mass == phys::ElectronMass;
}

QString MassText(double mass) {
    return Str(mass) + QString::fromUtf8(" mₑ");
}

QString ParticleText(double mass) {
    for (const ParticlePreset& p : ParticlePresets)
        if (p.mass == mass)
            return QString::fromUtf8(p.name) + QStringLiteral(", ") + MassText(mass);
    return QStringLiteral("particle of ") + MassText(mass);
}
