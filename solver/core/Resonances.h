#pragma once

// The resonances of a transmission curve: the energies where T has a local maximum, each with
// its full width at half maximum and the lifetime hbar / width. A scan only brackets them: each
// maximum is then found by Brent's minimisation of -T within its bracket, and each half-height
// crossing by TOMS 748 root finding, so their precision does not depend on the scan's spacing.
// A maximum narrower than the scan's spacing between two low samples is not seen. T is flat to
// its own rounding (about 1e-14) within about 1e-7 of a peak's breadth from its top: that is how
// well the energy of a broad maximum is known; a narrow one is found to that part of its width.

#include "solver/core/ContinuumTransmission.h"
#include "solver/core/Transmission.h"

#include <functional>
#include <limits>
#include <optional>
#include <span>
#include <vector>

struct Resonance {
    double energy = 0;           // eV, where T peaks
    double peakTransmission = 0; // T there
    // The width exists only where T falls to half its peak on both sides inside the scanned
    // range, before it rises towards another maximum. Otherwise hasWidth is false and width and
    // lifetime are not numbers.
    bool hasWidth = false;
    double width = std::numeric_limits<double>::quiet_NaN();    // Gamma in eV
    double lifetime = std::numeric_limits<double>::quiet_NaN(); // hbar / Gamma in fs
};

// The scan points of the grid's resonance search when none is given.
inline constexpr int DefaultResonanceScan = 2000;

// T at an energy; nothing where it is undefined.
using TransmissionAt = std::function<std::optional<double>(double)>;

// The interior maxima of `scanned` (T at ascending `energies`; nothing where closed), refined
// with `transmission`, ascending in energy.
std::vector<Resonance> FindResonances(const TransmissionAt& transmission,
                                      std::span<const double> energies,
                                      std::span<const std::optional<double>> scanned);

// The grid's resonances within a scan the caller already has (the transmission curve), or
// within from ... to, scanned at `scanCount` points.
std::vector<Resonance> GridResonances(const GridPotential& v, double mass,
                                      const TransmissionScan& scan);
std::vector<Resonance> GridResonances(const GridPotential& v, double mass, double from, double to,
                                      int scanCount = DefaultResonanceScan);

// The continuum's resonances for flat pieces, within from ... to.
std::vector<Resonance> ContinuumResonances(const FlatPieces& pieces, double mass, double from,
                                           double to, int scanCount = DefaultResonanceScan);
