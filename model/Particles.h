#pragma once

// The particles a student can choose: the electron and the carriers of the semiconductor
// wells that quantum-well lasers are made of, or any mass from 0.01 to 10 electron masses.

#include <QString>

#include <array>

struct ParticlePreset {
    const char* name; // in English; ParticleName() gives it as the Particle menu shows it
    double mass;      // in electron masses
};

inline constexpr std::array<ParticlePreset, 3> ParticlePresets{{
    {QT_TRANSLATE_NOOP("Particles", "Electron"), 1.0},
    {QT_TRANSLATE_NOOP("Particles", "GaAs conduction-band electron"), 0.067},
    {QT_TRANSLATE_NOOP("Particles", "GaAs heavy hole"), 0.51},
}};

inline constexpr double LightestMass = 0.01;
inline constexpr double HeaviestMass = 10.0;

bool IsElectron(double mass);
// The preset's name in the user's language.
QString ParticleName(const ParticlePreset& p);
// "GaAs heavy hole, 0.51 mₑ", or "particle of 0.2 mₑ" for a mass no preset has.
QString ParticleText(double mass);
// The mass as a number of electron masses: "0.067 mₑ".
QString MassText(double mass);
