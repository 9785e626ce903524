#include "model/EnergyText.h"

#include "platform/NumberText.h"

QString EnergyText(double energy) {
    return Format(energy, QStringLiteral("-#.00000000000"));
}

QString ShownEnergyText(double energy) {
    return Format(energy, QStringLiteral("-#.###########"));
}
