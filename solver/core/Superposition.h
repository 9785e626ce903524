#pragma once

// A superposition of bound states and its evolution in time:
// Psi(x, t) = sum c_n psi_n(x) exp(-i E_n t / hbar), the c_n scaled so that the integral of
// |Psi|^2 is 1. The basis is a spectrum already computed: nothing is solved again. What can
// be is worked out once, on construction: the moments <x>, <x^2> and the norm need only the
// states' overlap matrices, so they cost O(k^2) per instant for k states, and Psi on the grid
// O(k N) only when it is asked for.

#include "solver/core/Spectrum.h"

#include <vector>

// Expectation values at one instant.
struct Moments {
    double meanX = 0;   // <x> in nm (<r> in the Hydrogen row)
    double spreadX = 0; // sqrt(<x^2> - <x>^2) in nm
    double norm = 0;    // integral of |Psi|^2
};

// Psi on the grid (indices 0 ... 1000) at one instant, in nm^-1/2; density in nm^-1.
struct Wave {
    std::vector<double> re, im, density;
};

class Superposition {
  public:
    // `indices` into spectrum.states, each with its amplitude (0 ... 1) in `amplitudes`. Throws
    // std::invalid_argument when an index is outside the spectrum or given twice, when the
    // counts differ, when an amplitude lies outside 0 ... 1, or when all of them are 0.
    Superposition(const Spectrum& spectrum, int row, const std::vector<int>& indices,
                  const std::vector<double>& amplitudes);

    int size() const { return int(energies_.size()); }
    const std::vector<double>& energies() const { return energies_; }   // eV, per state
    const std::vector<double>& coefficients() const { return c_; }      // normalised c_n
    const std::vector<double>& positions() const { return positions_; } // x (or r) per index

    // t in fs.
    Moments MomentsAt(double t) const;
    // MomentsAt(t).meanX, without the spread: the time view samples it hundreds of times.
    double MeanX(double t) const;
    // Writes Psi at t into `out`, reusing its storage.
    void WaveAt(double t, Wave& out) const;

    // The longest period among the states' beats, h / |E_m - E_n| over all pairs with
    // weight; 0 for a single state (or states of equal energy), which does not move.
    double LongestBeat() const;
    // The shortest such period, the fastest that anything in it moves; 0 as above.
    double ShortestBeat() const;

  private:
    struct Beats {
        double shortest = 0, longest = 0;
    };
    Beats beats() const;
    // cos and sin of (E_n - reference) t / hbar per state.
    void phases(double t, double reference, std::vector<double>& cosines,
                std::vector<double>& sines) const;
    // sum_mn m_mn (cos_m cos_n + sin_m sin_n): the time-dependent quadratic form of a matrix.
    double form(const std::vector<double>& m, const std::vector<double>& cosines,
                const std::vector<double>& sines) const;

    std::vector<double> energies_;
    std::vector<double> c_;
    std::vector<double> positions_;
    std::vector<double> weighted_; // c_n psi_n(i), state after state, GridLast + 1 each
    // k x k matrices of sum_i w_i u_m(i) u_n(i) times 1, x_i and x_i^2, with u = c psi.
    std::vector<double> overlap_, x_, x2_;
};

// The beat period h / |e2 - e1| in fs of two levels in eV; infinity when they are equal.
double BeatPeriod(double e1, double e2);
