#pragma once

// The whole spectrum of the grid's potential at once: every bound state below a limit, as the
// eigenpairs of the finite-difference matrix whose eigenvalues are exactly the energies where
// the integration's tail changes sign. Values in, values out; the buffers it keeps between
// calls (one set per thread) hold nothing a result depends on.

#include "solver/core/Constants.h"

#include "solver/core/Constants.h"

#include <array>
#include <vector>

struct BoundState {
    int n = 0;      // counted from 0; in the Hydrogen row from 1, the principal quantum number
    double energy;  // eV
    int nodes = 0;  // sign changes of psi
    int parity = 0; // Symmetric Well: +1 even, -1 odd; 0 elsewhere
    // psi on the grid (indices 0 ... 1000) in nm^-1/2, normalised so that the sum of
    // psi^2 SpectrumWeight is 1. Its sign makes the first significant value from the left
    // positive, as the integration starts.
    std::vector<double> psi;
    double meanX = 0;      // <x> in nm (the distance r from the nucleus in the Hydrogen row)
    double spreadX = 0;    // sqrt(<x^2> - <x>^2) in nm
    double meanV = 0;      // <V> in eV
    double meanT = 0;      // <T> = E - <V> in eV
    double pForbidden = 0; // probability of the region where V lies above E, 0 ... 1
};

struct Spectrum {
    std::vector<BoundState> states; // ascending in energy
};

inline constexpr int MaxSpectrumStates = 100;

// The lowest bound states of `potential` (grid indices 0 ... 1000, in eV) below `limit`, at most
// `maxStates`, for the potential row `row`: the same grid points and boundary conditions that
// the row's integration uses (the Symmetric Well's even and odd half-problems, the Hydrogen
// row's start at its centre). `mass` is the particle's in electron masses; it enters through the
// integration constant phys::StepFactorFor(mass).
Spectrum ComputeSpectrum(const std::array<double, 1004>& potential, int row, double limit,
                         int maxStates = MaxSpectrumStates, double mass = phys::ElectronMass);

// The weight of grid index i in the integrals over the states: dx, but 0 at the Symmetric
// Well's centre, which both mirrored halves share (there the even and odd half-problems are
// orthogonal only without it).
double SpectrumWeight(int row, int i);

// The position in nm that the spectrum gives grid index i in row `row`: x, or r for hydrogen.
double SpectrumPosition(int row, int i);
