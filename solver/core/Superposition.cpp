#include "solver/core/Superposition.h"

#include "solver/core/Constants.h"
#include "solver/core/Solver.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

namespace {

constexpr std::size_t kPoints = GridLast + 1;

void check(const Spectrum& spectrum, const std::vector<int>& indices,
           const std::vector<double>& amplitudes) {
    if (indices.size() != amplitudes.size())
        throw std::invalid_argument("as many amplitudes as states are needed");
    bool any = false;
    for (std::size_t j = 0; j < indices.size(); ++j) {
        const int n = indices[j];
        if (n < 0 || std::size_t(n) >= spectrum.states.size())
            throw std::invalid_argument("no state " + std::to_string(n) + " in the spectrum");
        if (std::count(indices.begin(), indices.end(), n) > 1)
            throw std::invalid_argument("state " + std::to_string(n) + " is given twice");
        const double a = amplitudes[j];
        if (!(a >= 0 && a <= 1)) throw std::invalid_argument("an amplitude lies outside 0 ... 1");
        any = any || a > 0;
    }
    if (!any) throw std::invalid_argument("all amplitudes are 0");
}

// The phases of one time, kept between calls on each thread.
struct Phases {
    std::vector<double> cosines, sines;
};
Phases& phaseBuffers() {
    thread_local Phases p;
    return p;
}

} // namespace

Superposition::Superposition(const Spectrum& spectrum, int row, const std::vector<int>& indices,
                             const std::vector<double>& amplitudes) {
    check(spectrum, indices, amplitudes);
    const std::size_t k = indices.size();
    positions_.resize(kPoints);
    std::vector<double> weights(kPoints);
    for (std::size_t i = 0; i < kPoints; ++i) {
        positions_[i] = SpectrumPosition(row, int(i));
        weights[i] = SpectrumWeight(row, int(i));
    }

    weighted_.resize(k * kPoints);
    for (std::size_t m = 0; m < k; ++m) {
        const BoundState& s = spectrum.states[std::size_t(indices[m])];
        energies_.push_back(s.energy);
        std::copy_n(s.psi.begin(), std::min(s.psi.size(), kPoints),
                    weighted_.begin() + std::ptrdiff_t(m * kPoints));
    }

    // The matrices of the states themselves first; the amplitudes scale them afterwards.
    overlap_.assign(k * k, 0.0);
    x_.assign(k * k, 0.0);
    x2_.assign(k * k, 0.0);
    for (std::size_t m = 0; m < k; ++m) {
        for (std::size_t n = m; n < k; ++n) {
            const double* a = &weighted_[m * kPoints];
            const double* b = &weighted_[n * kPoints];
            double s = 0, sx = 0, sx2 = 0;
            for (std::size_t i = 0; i < kPoints; ++i) {
                const double p = weights[i] * a[i] * b[i];
                s += p;
                sx += p * positions_[i];
                sx2 += p * positions_[i] * positions_[i];
            }
            overlap_[m * k + n] = overlap_[n * k + m] = s;
            x_[m * k + n] = x_[n * k + m] = sx;
            x2_[m * k + n] = x2_[n * k + m] = sx2;
        }
    }

    // c = a / sqrt(a S a): the integral of |Psi|^2 at t = 0 is then 1 on this grid.
    double norm = 0;
    for (std::size_t m = 0; m < k; ++m)
        for (std::size_t n = 0; n < k; ++n)
            norm += amplitudes[m] * amplitudes[n] * overlap_[m * k + n];
    c_.resize(k);
    for (std::size_t m = 0; m < k; ++m) c_[m] = amplitudes[m] / std::sqrt(norm);

    for (std::size_t m = 0; m < k; ++m) {
        for (std::size_t i = 0; i < kPoints; ++i) weighted_[m * kPoints + i] *= c_[m];
        for (std::size_t n = 0; n < k; ++n) {
            const double cc = c_[m] * c_[n];
            overlap_[m * k + n] *= cc;
            x_[m * k + n] *= cc;
            x2_[m * k + n] *= cc;
        }
    }
}

void Superposition::phases(double t, double reference, std::vector<double>& cosines,
                           std::vector<double>& sines) const {
    cosines.resize(energies_.size());
    sines.resize(energies_.size());
    for (std::size_t n = 0; n < energies_.size(); ++n) {
        const double phase = (energies_[n] - reference) * t / phys::Hbar;
        cosines[n] = std::cos(phase);
        sines[n] = std::sin(phase);
    }
}

double Superposition::form(const std::vector<double>& m, const std::vector<double>& cosines,
                           const std::vector<double>& sines) const {
    const std::size_t k = energies_.size();
    double sum = 0;
    for (std::size_t a = 0; a < k; ++a) {
        double row = 0;
        for (std::size_t b = 0; b < k; ++b)
            row += m[a * k + b] * (cosines[a] * cosines[b] + sines[a] * sines[b]);
        sum += row;
    }
    return sum;
}

Moments Superposition::MomentsAt(double t) const {
    // Only differences of energies matter here; measured from the first state the phases stay
    // small, and so do their rounding errors at late times.
    auto& [cosines, sines] = phaseBuffers();
    phases(t, energies_.front(), cosines, sines);
    Moments out;
    out.norm = form(overlap_, cosines, sines);
    const double mean = form(x_, cosines, sines) / out.norm;
    const double square = form(x2_, cosines, sines) / out.norm;
    out.meanX = mean;
    out.spreadX = std::sqrt(std::max(0.0, square - mean * mean));
    return out;
}

double Superposition::MeanX(double t) const {
    auto& [cosines, sines] = phaseBuffers();
    phases(t, energies_.front(), cosines, sines); // as MomentsAt, so that the two agree exactly
    return form(x_, cosines, sines) / form(overlap_, cosines, sines);
}

void Superposition::WaveAt(double t, Wave& out) const {
    std::vector<double> cosines, sines;
    phases(t, 0.0, cosines, sines);
    out.re.assign(kPoints, 0.0);
    out.im.assign(kPoints, 0.0);
    out.density.resize(kPoints);
    double* re = out.re.data();
    double* im = out.im.data();
    for (std::size_t n = 0; n < energies_.size(); ++n) {
        // exp(-i phase) = cos(phase) - i sin(phase)
        const double c = cosines[n];
        const double s = -sines[n];
        const double* u = &weighted_[n * kPoints];
        for (std::size_t i = 0; i < kPoints; ++i) {
            re[i] += c * u[i];
            im[i] += s * u[i];
        }
    }
    for (std::size_t i = 0; i < kPoints; ++i) out.density[i] = re[i] * re[i] + im[i] * im[i];
}

Superposition::Beats Superposition::beats() const {
    const std::size_t k = energies_.size();
    Beats out;
    for (std::size_t m = 0; m < k; ++m) {
        for (std::size_t n = m + 1; n < k; ++n) {
            if (c_[m] == 0 || c_[n] == 0) continue;
            const double period = BeatPeriod(energies_[m], energies_[n]);
            if (!std::isfinite(period)) continue;
            out.longest = std::max(out.longest, period);
            out.shortest = out.shortest > 0 ? std::min(out.shortest, period) : period;
        }
    }
    return out;
}

double Superposition::LongestBeat() const {
    return beats().longest;
}

double Superposition::ShortestBeat() const {
    return beats().shortest;
}

double BeatPeriod(double e1, double e2) {
    const double gap = std::fabs(e2 - e1);
    return gap > 0 ? phys::Planck / gap : std::numeric_limits<double>::infinity();
}
