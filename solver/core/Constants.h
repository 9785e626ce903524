#pragma once

// The physical constants and the grid step, in eV, nm and fs. Every computation of the program
// (the integration, the spectrum, the exact levels, the time evolution) takes them from here.

namespace phys {

inline constexpr double Dx = 0.01;               // grid step in nm
inline constexpr double RestEnergy = 511003.0;   // the electron's m c^2 in eV
inline constexpr double HbarC = 197.33;          // hbar c in eV nm
inline constexpr double Coulomb = 1.44;          // e^2 / (4 pi eps0) in eV nm
inline constexpr double LightSpeed = 299.792458; // c in nm / fs

// 2 m dx^2 / hbar^2 in 1/eV: the grid's recurrence is
// psi(i+1) = 2 psi(i) - psi(i-1) - StepFactor (E - V(i)) psi(i). Evaluated left to right, as
// the published levels were computed, so they keep their last digits.
inline constexpr double StepFactor = ((2.0 * Dx) * Dx) * RestEnergy / HbarC / HbarC;

// hbar in eV fs, and Planck's h.
inline constexpr double Hbar = HbarC / LightSpeed;
inline constexpr double Planck = 2.0 * 3.14159265358979323846 * Hbar;

// hbar^2 / (2 m) in eV nm^2: the kinetic energy is -Kinetic d^2/dx^2.
inline constexpr double Kinetic = HbarC * HbarC / (2.0 * RestEnergy);

// The Rydberg energy of the Coulomb potential above: m (e^2/4 pi eps0)^2 / (2 hbar^2).
inline constexpr double Rydberg = Coulomb * Coulomb / (4.0 * Kinetic);

// A particle's mass in electron masses: the electron is 1, and every published level is the
// electron's. The integration constant, hbar^2/2m and the Rydberg energy scale with it; for the
// electron each is the plain constant exactly.
inline constexpr double ElectronMass = 1.0;
inline constexpr double StepFactorFor(double mass) {
    return mass == ElectronMass ? StepFactor : StepFactor * mass;
}
inline constexpr double KineticFor(double mass) {
    return mass == ElectronMass ? Kinetic : Kinetic / mass;
}
inline constexpr double RydbergFor(double mass) {
    return mass == ElectronMass ? Rydberg : Rydberg * mass;
}

} // namespace phys
