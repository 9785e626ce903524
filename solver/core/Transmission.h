#pragma once

// The grid's scattering problem: a particle coming in from the left through the same three-point
// equation as the bound states, psi(j+1) = 2 psi(j) - psi(j-1) - K (E - V(j)) psi(j) with
// K = phys::StepFactorFor(mass). Grid point 0's potential continues to the left and point 1000's
// to the right: these are the leads, where the solutions are the grid's plane waves exp(+-i q j)
// with 2 - 2 cos q = K (E - V_lead).
//
// Each energy costs one pass of the recurrence, from the outgoing wave in the right lead
// leftwards, decomposed in the left lead. T = (sin q_R / sin q_L) |t|^2 and R = |r|^2 add up to
// 1 to about 1e-13 (the rounding of 1000 steps, relative to the largest |psi|).

#include <array>
#include <complex>
#include <optional>
#include <span>
#include <vector>

using GridPotential = std::array<double, 1004>; // V(j) in eV, grid indices 0 ... 1000

struct TransmissionResult {
    double transmission; // T
    double reflection;   // R
};

// The grid's wave number q in 0 ... pi of a lead at `lead` eV: nothing where the wave cannot
// travel there (E at or below the lead, or above the top of the grid's band, 2 - 2 cos q >= 4).
std::optional<double> LeadWaveNumber(double energy, double lead, double mass);

// The energies where both leads carry waves: above the higher lead, below the lower lead's band
// top. T is defined exactly for lowest < E < highest.
struct OpenEnergies {
    double lowest, highest;
};
OpenEnergies OpenEnergiesOf(const GridPotential& v, double mass);

// T and R at `energy`; nothing where a lead is closed or the potential is not finite (the
// hydrogen row's centre), never a made-up 0.
std::optional<TransmissionResult> GridTransmission(const GridPotential& v, double mass,
                                                   double energy);

// T and R at every energy of `energies` into `out` (the same length): the same values as
// GridTransmission, with several energies interleaved in each pass so that the passes do not
// wait on one another.
void GridTransmissions(const GridPotential& v, double mass, std::span<const double> energies,
                       std::span<std::optional<TransmissionResult>> out);

// T(E) and R(E) at `count` evenly spaced energies from `from` to `to` (both included), as the
// transmission curve shows them; closed energies hold nothing.
struct TransmissionScan {
    std::vector<double> energies;
    std::vector<std::optional<TransmissionResult>> results;
};
TransmissionScan ScanGridTransmission(const GridPotential& v, double mass, double from, double to,
                                      int count);

// The scattering state at one energy, normalised to unit incoming amplitude: psi(j) is
// exp(i qL j) + r exp(-i qL j) in the left lead (j <= 1) and t exp(i qR (j - 1000)) in the
// right one (j >= 999).
struct ScatteringState {
    std::array<std::complex<double>, 1004> psi{}; // grid indices 0 ... 1000
    double qLeft = 0, qRight = 0;                 // the leads' wave numbers per grid step
    std::complex<double> incoming = 1;            // amplitude of exp(i qL j)
    std::complex<double> reflected;               // r, of exp(-i qL j)
    std::complex<double> transmitted;             // t, of exp(i qR (j - 1000))
    // Probability fluxes in nm/fs: (hbar / (m dx)) Im(conj psi(j) psi(j+1)). For a plane wave of
    // unit amplitude this is its group velocity on the grid. `flux` is the net flux of the
    // state, the same at every j: incomingFlux - reflectedFlux = transmittedFlux.
    double incomingFlux = 0, reflectedFlux = 0, transmittedFlux = 0, flux = 0;
    TransmissionResult result{};

    std::complex<double> IncomingPart(int j) const;
    std::complex<double> ReflectedPart(int j) const;
    std::complex<double> TransmittedPart(int j) const;
    // The flux between grid points j and j + 1 (0 <= j < 1000), in nm/fs.
    double FluxAt(int j) const;
    double fluxUnit = 0; // hbar / (m dx) in nm/fs
};

// Nothing where GridTransmission gives nothing.
std::optional<ScatteringState> GridScatteringState(const GridPotential& v, double mass,
                                                   double energy);
