#pragma once

// The two ways an energy is written: as Find publishes a level in the energy field (eleven
// decimals, always), and as the plot titles and the Hydrogen row's first level show it (up
// to eleven decimals, no trailing zeros).

#include <QString>

// The energy field holds at most this many characters, and so does a file's energy.
inline constexpr int MaxEnergyTextLength = 32767;

QString EnergyText(double energy);
QString ShownEnergyText(double energy);
