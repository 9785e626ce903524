#pragma once

// The particles a student can choose: the electron and the carriers of the semiconductor
// wells that quantum-well lasers are made of, or any mass from 0.01 to 10 electron masses.

#include <QString>

#include <array>

struct ParticlePreset {
    const char* name; // as the Particle menu shows it
    double mass;      // in electron masses
};

inline constexpr std::array<ParticlePreset, 3> ParticlePresets{{
    {"Electron", 1.0},
    {"GaAs conduction-band electron", 0.067},
    {"GaAs heavy hole", 0.51},
}};

inline constexpr double LightestMass = 0.01;
inline constexpr double HeaviestMass = 10.0;

bool IsElectron(double mass);
// "GaAs heavy hole, 0.51 mₑ", or "particle of 0.2 mₑ" for a mass no preset has.
QString ParticleText(double mass);
// The mass as a number of electron masses: "0.067 mₑ".
QString MassText(double mass);
