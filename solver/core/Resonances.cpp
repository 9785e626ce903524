#include "solver/core/Resonances.h"

#include "solver/core/Constants.h"

#include <boost/math/tools/minima.hpp>
#include <boost/math/tools/toms748_solve.hpp>

#include <cmath>
#include <cstdint>

namespace {

// Brent's most: half the digits of a double, as near a minimum values are flat to rounding that
// close to it (Boost caps the request there).
constexpr int PeakBits = std::numeric_limits<double>::digits / 2;
constexpr std::uintmax_t MaxPeakIterations = 200;
constexpr std::uintmax_t MaxCrossingIterations = 100;

// T, with closed energies as 0 for the minimiser: they cannot be a maximum.
double valueOf(const TransmissionAt& transmission, double e) {
    const auto t = transmission(e);
    return t ? *t : 0.0;
}

// The energy between `below` (T <= half) and `above` (T > half) where T = half.
double halfCrossing(const TransmissionAt& transmission, double below, double above, double half) {
    const auto f = [&](double e) { return valueOf(transmission, e) - half; };
    double lo = std::min(below, above), hi = std::max(below, above);
    const double flo = f(lo), fhi = f(hi);
    if (flo == 0) return lo;
    if (fhi == 0) return hi;
    std::uintmax_t iterations = MaxCrossingIterations;
    const auto [a, b] = boost::math::tools::toms748_solve(
        f, lo, hi, flo, fhi, boost::math::tools::eps_tolerance<double>(), iterations);
    return (a + b) / 2;
}

} // namespace

std::vector<Resonance> FindResonances(const TransmissionAt& transmission,
                                      std::span<const double> energies,
                                      std::span<const std::optional<double>> scanned) {
    std::vector<Resonance> out;
    const std::size_t n = std::min(energies.size(), scanned.size());
    const auto t = [&](std::size_t i) { return *scanned[i]; };
    for (std::size_t i = 1; i + 1 < n; ++i) {
        if (!scanned[i - 1] || !scanned[i] || !scanned[i + 1]) continue;
        if (!(t(i) > t(i - 1) && t(i) >= t(i + 1))) continue;

        // In units of the scan's spacing about the sample: Brent's tolerance is relative to its
        // variable plus a fixed part, and an energy's own size says nothing about the peak's width.
        Resonance r;
        const double centre = energies[i], spacing = energies[i + 1] - energies[i];
        std::uintmax_t iterations = MaxPeakIterations;
        const auto [at, minus] = boost::math::tools::brent_find_minima(
            [&](double u) { return -valueOf(transmission, centre + u * spacing); },
            (energies[i - 1] - centre) / spacing, 1.0, PeakBits, iterations);
        r.energy = centre + at * spacing;
        r.peakTransmission = -minus;
        if (t(i) > r.peakTransmission) { // the minimiser can only improve on the sample
            r.energy = energies[i];
            r.peakTransmission = t(i);
        }

        // Walk outwards over the samples while T keeps falling and stays above half the peak.
        const double half = r.peakTransmission / 2;
        const auto crossing = [&](std::ptrdiff_t direction) -> std::optional<double> {
            std::size_t inner = i;
            for (auto k = std::ptrdiff_t(i) + direction; k >= 0 && std::size_t(k) < n;
                 k += direction) {
                const auto at = std::size_t(k);
                if (!scanned[at] || t(at) > t(inner)) return std::nullopt; // closed, or rising
                const double innerEnergy = inner == i ? r.energy : energies[inner];
                if (t(at) <= half)
                    return halfCrossing(transmission, energies[at], innerEnergy, half);
                inner = at;
            }
            return std::nullopt; // the range ends first
        };
        const auto left = crossing(-1), right = crossing(+1);
        if (left && right) {
            r.hasWidth = true;
            r.width = *right - *left;
            r.lifetime = phys::Hbar / r.width;
        }
        out.push_back(r);
    }
    return out;
}

std::vector<Resonance> GridResonances(const GridPotential& v, double mass,
                                      const TransmissionScan& scan) {
    std::vector<std::optional<double>> scanned(scan.results.size());
    for (std::size_t i = 0; i < scanned.size(); ++i)
        if (scan.results[i]) scanned[i] = scan.results[i]->transmission;
    const TransmissionAt at = [&](double e) -> std::optional<double> {
        const auto r = GridTransmission(v, mass, e);
        if (!r) return std::nullopt;
        return r->transmission;
    };
    return FindResonances(at, scan.energies, scanned);
}

std::vector<Resonance> GridResonances(const GridPotential& v, double mass, double from, double to,
                                      int scanCount) {
    return GridResonances(v, mass, ScanGridTransmission(v, mass, from, to, scanCount));
}

std::vector<Resonance> ContinuumResonances(const FlatPieces& pieces, double mass, double from,
                                           double to, int scanCount) {
    const TransmissionAt at = [&](double e) -> std::optional<double> {
        const auto r = ContinuumTransmission(pieces, mass, e);
        if (!r) return std::nullopt;
        return r->transmission;
    };
    const std::size_t n = std::size_t(std::max(scanCount, 0));
    std::vector<double> energies(n);
    std::vector<std::optional<double>> scanned(n);
    for (std::size_t i = 0; i < n; ++i) {
        energies[i] = n == 1 ? from : from + (to - from) * double(i) / double(n - 1);
        scanned[i] = at(energies[i]);
    }
    return FindResonances(at, energies, scanned);
}
