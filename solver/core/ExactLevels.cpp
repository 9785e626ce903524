// The closed-form levels (oscillator, Coulomb) and the choice of exact problem for each row.

#include "solver/core/ExactLevels.h"

#include "solver/core/Constants.h"
#include "solver/core/ExactMatching.h"
#include "solver/core/PotentialRows.h"
#include "solver/core/Solver.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double WallHeight = WellWall;

// The spring constant in eV/nm^2 of V = spring x^2 / 2 for the oscillator builder's k per
// squared grid step.
double springOf(int narrowness) {
    return 2 * OscillatorStrength(narrowness) / (phys::Dx * phys::Dx);
}

constexpr const char* CoulombNote =
    "The exact values are those of the uncut Coulomb potential. The program's potential ends at "
    "the edge of the plot, which raises the upper levels and leaves only a few of them bound.";

} // namespace

namespace exact {

std::vector<ExactLevel> Oscillator(double spring, double limit, int maxCount) {
    std::vector<ExactLevel> out;
    if (!(spring > 0)) return out;
    const double quantum = phys::HbarC * std::sqrt(spring / phys::RestEnergy); // hbar omega
    for (int n = 0; n < detail::Capped(maxCount); ++n) {
        const double e = (n + 0.5) * quantum;
        if (!(e < limit)) break;
        out.push_back({n, e, 0});
    }
    return out;
}

std::vector<ExactLevel> Coulomb(double limit, int maxCount, double rydberg) {
    std::vector<ExactLevel> out;
    for (int n = 1; n <= detail::Capped(maxCount); ++n) {
        const double e = -rydberg / (double(n) * n);
        if (!(e < limit)) break;
        out.push_back({n, e, 0});
    }
    return out;
}

} // namespace exact

ExactLevels ExactLevelsOf(int row, int s1, int s2, int s3, double limit, int maxCount,
                          double mass) {
    ExactLevels result;
    if (row < RowWell || row >= RowDraw) return result;
    result.available = true;
    // A particle of m electron masses has the electron's levels in the potential stretched by
    // sqrt(m) along x: -hbar^2/2m d2/dx2 is the electron's operator in x' = sqrt(m) x.
    const double stretch = std::sqrt(mass);
    // Slider values in the units the row shows them in (nm, eV, eV/nm), lengths stretched.
    const auto units = [row, stretch](int slider, int value) {
        const SliderInfo& info = RowOf(row).sliders[std::size_t(slider)];
        const double v = double(value) / info.perUnit;
        if (info.unit == "nm") return v * stretch;
        if (info.unit == "eV/nm") return v / stretch;
        return v;
    };
    switch (row) {
    case RowWell:
        result.levels = exact::FiniteWell(units(0, s1), WallHeight, WallHeight, limit, maxCount);
        break;
    case RowSymmetricWell: {
        // Centres `separation` apart, each well `wells` wide; wider wells than their separation
        // merge into one, as the builder draws them.
        const double separation = units(0, s1), wells = units(1, s2);
        const double barrier = std::max(0.0, separation - wells);
        const double wellWidth = (separation + wells) / 2 - barrier / 2;
        result.levels = exact::DoubleWell(wellWidth, barrier, WallHeight, limit, maxCount);
        break;
    }
    case RowUneven:
        result.levels =
            exact::FiniteWell(units(0, s1), units(1, s2), units(2, s3), limit, maxCount);
        break;
    case RowRamp:
        result.levels = exact::Ramp(units(0, s1), units(1, s2), units(1, s2), limit, maxCount);
        break;
    case RowOscillator:
        result.levels = exact::Oscillator(springOf(s1) / mass, limit, maxCount);
        break;
    case RowHydrogen:
        result.levels = exact::Coulomb(limit, maxCount, phys::RydbergFor(mass));
        result.note = CoulombNote;
        break;
    }
    return result;
}
