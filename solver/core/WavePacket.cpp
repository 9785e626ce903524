#include "solver/core/WavePacket.h"

#include "solver/core/Constants.h"

#include <complex>
// LAPACKE's complex types as C++'s, not C99's _Complex.
#define lapack_complex_float std::complex<float>
#define lapack_complex_double std::complex<double>
#include <lapacke.h>
// BLAS's banded triangular solves, for the factors that did not pivot.
#include <cblas.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>
#include <type_traits>

namespace {

constexpr std::size_t kPoints = GridLast + 1;
constexpr int kOrigin = 500; // grid index of x = 0
constexpr std::complex<double> I(0, 1);

static_assert(std::is_same_v<lapack_int, int>, "the pivots are stored as int");

double position(int i) {
    return double(i - kOrigin) * phys::Dx;
}

void requireFinite(double v, const char* name) {
    if (!std::isfinite(v)) throw std::invalid_argument(std::string(name) + ": not a finite number");
}

void check(const PacketStart& s) {
    requireFinite(s.x0, "x0");
    requireFinite(s.sigma, "sigma");
    requireFinite(s.energy, "energy");
    if (!(s.sigma >= PacketSigmaSteps * phys::Dx))
        throw std::invalid_argument("sigma: at least " + std::to_string(PacketSigmaSteps) +
                                    " grid steps (0.03 nm) are needed");
    const double lo = position(AbsorberLeftEdge), hi = position(AbsorberRightEdge);
    if (!(s.x0 - PacketReach * s.sigma >= lo && s.x0 + PacketReach * s.sigma <= hi))
        throw std::invalid_argument(
            "x0: the packet (x0 +- 4 sigma) must lie between the absorbers at +-3.5 nm");
}

} // namespace

double GridWaveNumber(double energy, double mass) {
    requireFinite(energy, "energy");
    if (energy < 0) throw std::invalid_argument("energy: a kinetic energy is at least 0");
    const double c = 1 - phys::StepFactorFor(mass) * energy / 2;
    if (c < -1) throw std::invalid_argument("energy: above the grid's highest kinetic energy");
    return std::acos(c) / phys::Dx;
}

double AbsorberAt(int i) {
    const int depth = i < AbsorberLeftEdge    ? AbsorberLeftEdge - i
                      : i > AbsorberRightEdge ? i - AbsorberRightEdge
                                              : 0;
    const double u = double(depth) / double(AbsorberLeftEdge);
    return AbsorberPeak * u * u * u;
}

WavePacket::WavePacket(const std::array<double, 1004>& potential, double mass, PacketStart start,
                       double step)
    : mass_(mass), psi_(kPoints), mid_(kPoints), lower_(kPoints - 1), diagonal_(kPoints),
      upper_(kPoints - 1), upper2_(kPoints - 2), pivots_(kPoints), absorber_(kPoints), step_(step) {
    if (!(std::isfinite(mass) && mass > 0))
        throw std::invalid_argument("mass: a positive, finite number of electron masses");
    if (!(std::isfinite(step) && step > 0))
        throw std::invalid_argument("step: a positive, finite time step");
    for (std::size_t i = 0; i < kPoints; ++i)
        if (!std::isfinite(potential[i]))
            throw std::invalid_argument("potential: not finite at grid index " + std::to_string(i));

    // H = -c D2 + V - i W with c = hbar^2 / (2 m dx^2); a = dt / (2 hbar).
    const double c = phys::KineticFor(mass) / (phys::Dx * phys::Dx);
    const double a = step / (2 * phys::Hbar);
    for (std::size_t i = 0; i < kPoints; ++i) {
        absorber_[i] = AbsorberAt(int(i));
        const std::complex<double> h(2 * c + potential[i], -absorber_[i]);
        diagonal_[i] = 1.0 + I * a * h;
    }
    std::fill(lower_.begin(), lower_.end(), -I * a * c);
    std::fill(upper_.begin(), upper_.end(), -I * a * c);
    const lapack_int info =
        LAPACKE_zgttrf_work(lapack_int(kPoints), lower_.data(), diagonal_.data(), upper_.data(),
                            upper2_.data(), pivots_.data());
    // The matrix's Hermitian part, 1 + W dt / 2 hbar, is positive definite, so it is never
    // singular; a failure here is a fault.
    if (info != 0) throw std::runtime_error("the Crank-Nicolson matrix could not be factored");

    // With no interchange (pivot i is row i, counted from 1) the factors are L (unit, with
    // `lower_` below) and U (`diagonal_`, `upper_`; `upper2_` is zero). U = D U1 with U1 unit,
    // stored as bands of width 2 by columns: the one entry off the diagonal, and the diagonal.
    banded_ = true;
    for (std::size_t i = 0; i < kPoints; ++i) banded_ = banded_ && pivots_[i] == int(i) + 1;
    if (banded_) {
        lowerBand_.assign(2 * kPoints, 1.0);
        upperBand_.assign(2 * kPoints, 1.0);
        inverseDiagonal_.resize(kPoints);
        for (std::size_t j = 0; j < kPoints; ++j) {
            inverseDiagonal_[j] = 1.0 / diagonal_[j];
            lowerBand_[2 * j + 1] = j + 1 < kPoints ? lower_[j] : 0.0;
            upperBand_[2 * j] = j > 0 ? upper_[j - 1] / diagonal_[j - 1] : 0.0;
        }
    }

    Restart(start);
}

void WavePacket::Restart(PacketStart start) {
    check(start);
    const double k0 = GridWaveNumber(start.energy, mass_);
    const double quarterOverVariance = 1 / (4 * start.sigma * start.sigma);
    double sum = 0;
    for (std::size_t i = 0; i < kPoints; ++i) {
        const double x = position(int(i));
        psi_[i] =
            std::polar(std::exp(-(x - start.x0) * (x - start.x0) * quarterOverVariance), k0 * x);
        sum += std::norm(psi_[i]);
    }
    const double scale = 1 / std::sqrt(sum * phys::Dx);
    for (auto& z : psi_) z *= scale;
    start_ = start;
    k0_ = k0;
    steps_ = 0;
    absorbedLeft_ = absorbedRight_ = 0;
}

void WavePacket::Advance(int steps) {
    // With A = 1 + i H dt / 2 hbar the step's right side is (2 - A) Psi, so the midpoint
    // (Psi + Psi') / 2 = A^-1 Psi costs one solve and no multiplication, and Psi' = 2 mid - Psi.
    // What W removes in the step, (2 dt / hbar) sum W |mid|^2 dx, is exactly the change of the
    // norm under Crank-Nicolson.
    const double rate = 2 * step_ / phys::Hbar * phys::Dx;
    for (int s = 0; s < steps; ++s) {
        std::copy(psi_.begin(), psi_.end(), mid_.begin());
        solve(mid_);
        double left = 0, right = 0;
        for (std::size_t i = 0; i < std::size_t(AbsorberLeftEdge); ++i)
            left += absorber_[i] * std::norm(mid_[i]);
        for (std::size_t i = AbsorberRightEdge + 1; i < kPoints; ++i)
            right += absorber_[i] * std::norm(mid_[i]);
        absorbedLeft_ += rate * left;
        absorbedRight_ += rate * right;
        for (std::size_t i = 0; i < kPoints; ++i) psi_[i] = 2.0 * mid_[i] - psi_[i];
        ++steps_;
    }
}

void WavePacket::solve(std::vector<std::complex<double>>& b) {
    const auto n = int(kPoints);
    if (!banded_) {
        LAPACKE_zgttrs_work(LAPACK_COL_MAJOR, 'N', n, 1, lower_.data(), diagonal_.data(),
                            upper_.data(), upper2_.data(), pivots_.data(), b.data(), n);
        return;
    }
    cblas_ztbsv(CblasColMajor, CblasLower, CblasNoTrans, CblasUnit, n, 1, lowerBand_.data(), 2,
                b.data(), 1);
    for (std::size_t i = 0; i < kPoints; ++i) b[i] *= inverseDiagonal_[i];
    cblas_ztbsv(CblasColMajor, CblasUpper, CblasNoTrans, CblasUnit, n, 1, upperBand_.data(), 2,
                b.data(), 1);
}

PacketObservables WavePacket::Observe() {
    PacketObservables o;
    o.t = Time();
    double sum = 0, sumX = 0, sumX2 = 0, left = 0;
    for (std::size_t i = 0; i < kPoints; ++i) {
        const double p = std::norm(psi_[i]);
        const double x = position(int(i));
        sum += p;
        sumX += p * x;
        sumX2 += p * x * x;
        if (i < std::size_t(kOrigin)) left += p;
    }
    o.norm = sum * phys::Dx;
    if (sum > 0) {
        o.meanX = sumX / sum;
        o.spreadX = std::sqrt(std::max(0.0, sumX2 / sum - o.meanX * o.meanX));
    }
    momentum_.Transform(psi_);
    o.meanK = momentum_.MeanK();
    o.spreadK = momentum_.SpreadK();
    o.left = left * phys::Dx + absorbedLeft_;
    o.right = (sum - left) * phys::Dx + absorbedRight_;
    return o;
}
