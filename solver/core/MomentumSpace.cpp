#include "solver/core/MomentumSpace.h"

#include "solver/core/Constants.h"
#include "solver/core/Solver.h"

#include <fftw3.h>

#include <algorithm>
#include <cmath>
#include <mutex>
#include <numbers>
#include <stdexcept>
#include <tuple>
#include <utility>

namespace {

constexpr std::size_t kPadded = MomentumPoints;
constexpr std::size_t kGridPoints = GridLast + 1;
constexpr int kOrigin = 500; // grid index of x = 0

// FFTW's planner is not thread-safe, and windows compute off the UI thread: plans are made and
// destroyed under this lock. Executing a plan is safe without it.
std::mutex& plannerLock() {
    static std::mutex lock;
    return lock;
}

fftw_complex* raw(std::complex<double>* z) {
    return reinterpret_cast<fftw_complex*>(z);
}

// <k> and Delta k from the sums of |phi|^2, k |phi|^2 and k^2 |phi|^2 (0 for a zero state).
std::pair<double, double> meanAndSpread(double sum, double sumK, double sumK2) {
    if (!(sum > 0)) return {0, 0};
    const double mean = sumK / sum;
    return {mean, std::sqrt(std::max(0.0, sumK2 / sum - mean * mean))};
}

} // namespace

double MomentumSpace::KStep() {
    return 2 * std::numbers::pi / (double(kPadded) * phys::Dx);
}

MomentumSpace::MomentumSpace() : k_(kPadded), phase_(kPadded), phi_(kPadded), density_(kPadded) {
    {
        const std::lock_guard guard(plannerLock());
        in_ = reinterpret_cast<std::complex<double>*>(fftw_malloc(sizeof(fftw_complex) * kPadded));
        out_ = reinterpret_cast<std::complex<double>*>(fftw_malloc(sizeof(fftw_complex) * kPadded));
        if (!in_ || !out_) {
            fftw_free(in_);
            fftw_free(out_);
            throw std::bad_alloc();
        }
        // ESTIMATE picks the algorithm without timing trial runs: the same plan, and so the
        // same last digits, on every run; PRESERVE_INPUT keeps the zero padding written once.
        plan_ = fftw_plan_dft_1d(int(kPadded), raw(in_), raw(out_), FFTW_FORWARD,
                                 FFTW_ESTIMATE | FFTW_PRESERVE_INPUT);
    }
    if (!plan_) {
        release();
        throw std::runtime_error("FFTW could not plan the momentum-space transform");
    }
    std::fill(in_, in_ + kPadded, std::complex<double>());
    // Output m holds the wave number 2 pi m / (N dx) for m < N/2 and 2 pi (m - N) / (N dx)
    // above: stored shifted, so that k ascends. The grid starts at x(0) = -500 dx, so
    // exp(-i k x(0)) = exp(2 pi i m 500 / N), reduced modulo N before the angle is formed.
    const double scale = phys::Dx / std::sqrt(2 * std::numbers::pi);
    for (std::size_t j = 0; j < kPadded; ++j) {
        const long m = long(j) - long(kPadded / 2);
        k_[j] = double(m) * KStep();
        const long turns = ((m * kOrigin) % long(kPadded) + long(kPadded)) % long(kPadded);
        phase_[j] = std::polar(scale, 2 * std::numbers::pi * double(turns) / double(kPadded));
    }
}

MomentumSpace::~MomentumSpace() {
    release();
}

MomentumSpace::MomentumSpace(MomentumSpace&& other) noexcept
    : plan_(std::exchange(other.plan_, nullptr)), in_(std::exchange(other.in_, nullptr)),
      out_(std::exchange(other.out_, nullptr)), k_(std::move(other.k_)),
      phase_(std::move(other.phase_)), phi_(std::move(other.phi_)),
      density_(std::move(other.density_)), norm_(other.norm_), meanK_(other.meanK_),
      spreadK_(other.spreadK_) {}

MomentumSpace& MomentumSpace::operator=(MomentumSpace&& other) noexcept {
    if (this != &other) {
        release();
        plan_ = std::exchange(other.plan_, nullptr);
        in_ = std::exchange(other.in_, nullptr);
        out_ = std::exchange(other.out_, nullptr);
        k_ = std::move(other.k_);
        phase_ = std::move(other.phase_);
        phi_ = std::move(other.phi_);
        density_ = std::move(other.density_);
        norm_ = other.norm_;
        meanK_ = other.meanK_;
        spreadK_ = other.spreadK_;
    }
    return *this;
}

void MomentumSpace::release() {
    const std::lock_guard guard(plannerLock());
    if (plan_) fftw_destroy_plan(static_cast<fftw_plan>(plan_));
    fftw_free(in_);
    fftw_free(out_);
    plan_ = nullptr;
    in_ = out_ = nullptr;
}

void MomentumSpace::Transform(std::span<const std::complex<double>> psi) {
    if (psi.size() != kGridPoints)
        throw std::invalid_argument("psi: a state has one value per grid point");
    std::copy(psi.begin(), psi.end(), in_);
    run();
}

void MomentumSpace::Transform(std::span<const double> psi) {
    if (psi.size() != kGridPoints)
        throw std::invalid_argument("psi: a state has one value per grid point");
    std::copy(psi.begin(), psi.end(), in_);
    run();
}

void MomentumSpace::run() {
    fftw_execute(static_cast<fftw_plan>(plan_));
    // The FFT's output m sits at j = m + N/2 (mod N); for a power of two that is m ^ N/2.
    static_assert((kPadded & (kPadded - 1)) == 0);
    constexpr std::size_t half = kPadded / 2;
    double sum = 0, sumK = 0, sumK2 = 0;
    for (std::size_t j = 0; j < kPadded; ++j) {
        const std::complex<double> f = out_[j ^ half] * phase_[j];
        phi_[j] = f;
        const double p = std::norm(f);
        density_[j] = p;
        sum += p;
        sumK += p * k_[j];
        sumK2 += p * k_[j] * k_[j];
    }
    norm_ = sum * KStep();
    std::tie(meanK_, spreadK_) = meanAndSpread(sum, sumK, sumK2);
}

RealMomentum::RealMomentum() {
    const std::lock_guard guard(plannerLock());
    in_ = static_cast<double*>(fftw_malloc(sizeof(double) * kPadded));
    out_ = reinterpret_cast<std::complex<double>*>(
        fftw_malloc(sizeof(fftw_complex) * (kPadded / 2 + 1)));
    if (in_ && out_) plan_ = fftw_plan_dft_r2c_1d(int(kPadded), in_, raw(out_), FFTW_ESTIMATE);
    if (!plan_) {
        fftw_free(in_);
        fftw_free(out_);
        throw std::runtime_error("FFTW could not plan the momentum-space transform");
    }
    std::fill(in_, in_ + kPadded, 0.0); // the padding, written once: out of place keeps it
}

RealMomentum::~RealMomentum() {
    const std::lock_guard guard(plannerLock());
    fftw_destroy_plan(static_cast<fftw_plan>(plan_));
    fftw_free(in_);
    fftw_free(out_);
}

RealMomentum::Moments RealMomentum::Of(std::span<const double> psi) {
    if (psi.size() != kGridPoints)
        throw std::invalid_argument("psi: a state has one value per grid point");
    std::copy(psi.begin(), psi.end(), in_);
    fftw_execute(static_cast<fftw_plan>(plan_));
    // |phi(-k)| = |phi(k)|: each wave number below the highest pairs with its negative, whose
    // k cancel in <k>. The highest, -N/2 in MomentumSpace's order, has no partner. The phase
    // and scale of phi drop out of the moments.
    constexpr std::size_t half = kPadded / 2;
    const double step = MomentumSpace::KStep();
    double sum = std::norm(out_[0]), sumK2 = 0;
    for (std::size_t m = 1; m < half; ++m) {
        const double p = 2 * std::norm(out_[m]);
        const double k = double(m) * step;
        sum += p;
        sumK2 += p * k * k;
    }
    const double highest = std::norm(out_[half]), kHighest = -double(half) * step;
    sum += highest;
    sumK2 += highest * kHighest * kHighest;
    Moments out;
    std::tie(out.meanK, out.spreadK) = meanAndSpread(sum, highest * kHighest, sumK2);
    return out;
}
