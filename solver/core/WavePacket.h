#pragma once

// A Gaussian wave packet in the grid's potential, Psi(x, 0) ~ exp(-(x - x0)^2 / (4 sigma^2)
// + i k0 x), moved in time by Crank-Nicolson on the grid's three-point Hamiltonian
// H = -(hbar^2 / 2m) D2 + V. The step solves (1 + i H dt / 2 hbar) Psi' = (1 - i H dt / 2 hbar)
// Psi: unitary and second order in dt. The complex tridiagonal matrix on the left is factored once,
// when the packet is made (LAPACK's zgttrf), and each step is one solve with the factors
// (BLAS's banded solves, or zgttrs where the factorisation pivoted).
//
// Open ends: in the outer 1.5 nm of each side H carries an absorbing potential -i W(x), so a
// packet leaves the grid instead of coming back from its ends. The probability that W removes is
// added up per side, exactly as the step removes it, so that what remains on the grid plus what
// was absorbed is 1 to rounding.

#include "solver/core/MomentumSpace.h"
#include "solver/core/Solver.h"

#include <array>
#include <complex>
#include <vector>

// The packet a user starts from: left of the centre, narrow enough to show its spreading within
// the view, at the height of a typical barrier. Its spread in k, 1 / (2 sigma) = 2.5 nm^-1
// around k0 = 11.4 nm^-1, leaves almost nothing below 1 nm^-1, where any absorber as thin as
// 1.5 nm reflects; a narrower or slower packet (0.15 nm at 3 eV) has about 1 % there, and a few
// tenths of a percent come back from the ends.
inline constexpr double DefaultPacketX0 = -1.0;    // nm
inline constexpr double DefaultPacketSigma = 0.2;  // nm
inline constexpr double DefaultPacketEnergy = 5.0; // eV
// The time step in fs: the default packet's phases stay accurate (E dt / hbar is about 0.05 at
// its mean energy), and an animation frame needs a handful of steps.
inline constexpr double DefaultPacketStep = 0.01;

// The absorbers fill grid indices 0 ... AbsorberLeftEdge and AbsorberRightEdge ... GridLast: the
// outer 1.5 nm of each side, outside the view's +-1.8 nm. W vanishes at the inner edges and rises
// smoothly, as the cube of the depth, to AbsorberPeak at the grid's ends: weak enough at its
// start to let slow parts in rather than reflect them, strong enough at the end that a 20 eV
// packet does not come back from the wall behind it.
inline constexpr int AbsorberLeftEdge = 150;
inline constexpr int AbsorberRightEdge = GridLast - AbsorberLeftEdge;
inline constexpr double AbsorberPeak = 8.0; // eV

// A packet fits when x0 +- PacketReach sigma lies between the absorbers' inner edges, and is
// resolved when sigma spans at least PacketSigmaSteps grid steps.
inline constexpr double PacketReach = 4;
inline constexpr int PacketSigmaSteps = 3;

struct PacketStart {
    double x0 = DefaultPacketX0;         // nm
    double sigma = DefaultPacketSigma;   // nm
    double energy = DefaultPacketEnergy; // kinetic energy in eV; 0 is a packet at rest
};

// What the packet shows at one instant.
struct PacketObservables {
    double t = 0;       // fs
    double norm = 0;    // the probability still on the grid
    double meanX = 0;   // <x> in nm of what is on the grid
    double spreadX = 0; // Delta x in nm of what is on the grid
    double meanK = 0;   // <k> in nm^-1, from momentum space
    double spreadK = 0; // Delta k in nm^-1
    // The probability at x < 0 and at x >= 0, each with its side's absorbed part: their sum is
    // 1 to rounding, and once the packet has left they are its reflected and transmitted parts.
    double left = 0, right = 0;
};

class WavePacket {
  public:
    // In `potential` (eV on grid indices 0 ... GridLast) for a particle of `mass` electron masses,
    // stepping by `step` fs. Throws std::invalid_argument naming the parameter (x0, sigma, energy,
    // mass, step, potential) when a value is not finite, the packet does not fit between the
    // absorbers, sigma is below PacketSigmaSteps grid steps, the energy is negative or above the
    // grid's highest kinetic energy, or the mass or step is not positive.
    WavePacket(const std::array<double, 1004>& potential, double mass, PacketStart start = {},
               double step = DefaultPacketStep);

    // Back to t = 0 with a new start, keeping the factorisation of the potential and step. Throws
    // as the constructor does and then leaves the packet as it was.
    void Restart(PacketStart start);
    // `steps` steps of TimeStep().
    void Advance(int steps = 1);

    double Time() const { return double(steps_) * step_; } // fs since the start
    double TimeStep() const { return step_; }
    const PacketStart& Start() const { return start_; }
    double WaveNumber() const { return k0_; } // k0 in nm^-1
    // Psi on grid indices 0 ... GridLast in nm^-1/2.
    const std::vector<std::complex<double>>& Psi() const { return psi_; }
    double AbsorbedLeft() const { return absorbedLeft_; }
    double AbsorbedRight() const { return absorbedRight_; }

    // The observables now. Transforms Psi to momentum space, which Momentum() then holds.
    PacketObservables Observe();
    const MomentumSpace& Momentum() const { return momentum_; }

  private:
    double mass_;
    std::vector<std::complex<double>> psi_, mid_;
    // zgttrf's factors of (1 + i H dt / 2 hbar).
    std::vector<std::complex<double>> lower_, diagonal_, upper_, upper2_;
    std::vector<int> pivots_;
    // Without row interchanges the factors are L D U with both L and U unit bidiagonal. BLAS
    // solves those two as bands with no division, which is cheaper than zgttrs; a factorisation
    // that pivoted (a well deep enough to cancel the kinetic diagonal makes one) keeps zgttrs.
    bool banded_ = false;
    std::vector<std::complex<double>> lowerBand_, upperBand_, inverseDiagonal_;
    void solve(std::vector<std::complex<double>>& b);
    std::vector<double> absorber_; // W(i) in eV
    PacketStart start_;
    double step_;
    double k0_ = 0;
    long steps_ = 0;
    double absorbedLeft_ = 0, absorbedRight_ = 0;
    MomentumSpace momentum_;
};

// The wave number in nm^-1 at which the grid's three-point kinetic energy is `energy` eV for
// `mass` electron masses: 2 - 2 cos(k dx) = StepFactorFor(mass) energy. Throws
// std::invalid_argument naming "energy" when it is negative, not finite or above the grid's
// highest kinetic energy 4 / StepFactorFor(mass).
double GridWaveNumber(double energy, double mass);

// The absorbing potential W in eV at grid index i (0 between the absorbers).
double AbsorberAt(int i);
