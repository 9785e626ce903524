#pragma once

// The momentum-space wave function phi(k) of a state on the grid, by FFT:
// phi(k) = (2 pi)^-1/2 sum_i psi(x_i) exp(-i k x_i) dx over grid indices 0 ... 1000, at the
// wave numbers of the state zero-padded to MomentumPoints, so the curve is smooth. Parseval makes
// the integral of |phi|^2 dk (a sum times the k step) equal the sum of |psi|^2 dx exactly.
// The FFTW plan and its buffers live as long as the object, so each transform costs only the FFT.

#include <complex>
#include <span>
#include <vector>

// Points of the padded transform: about four times the grid, so k steps by 2 pi / (4096 dx),
// about 0.15 nm^-1, and the curve is drawn between close samples.
inline constexpr int MomentumPoints = 4096;

class MomentumSpace {
  public:
    MomentumSpace();
    ~MomentumSpace();
    MomentumSpace(const MomentumSpace&) = delete;
    MomentumSpace& operator=(const MomentumSpace&) = delete;
    // A moved-from object may only be assigned to or destroyed.
    MomentumSpace(MomentumSpace&& other) noexcept;
    MomentumSpace& operator=(MomentumSpace&& other) noexcept;

    // Transforms psi in nm^-1/2 on grid indices 0 ... GridLast (exactly GridLast + 1 values;
    // otherwise throws std::invalid_argument). A real state (a bound state's psi) goes in as is.
    void Transform(std::span<const std::complex<double>> psi);
    void Transform(std::span<const double> psi);

    // MomentumPoints wave numbers in nm^-1, ascending, k[MomentumPoints / 2] = 0, spaced by
    // KStep(); phi(k) in nm^1/2 and |phi(k)|^2 in nm at each.
    const std::vector<double>& k() const { return k_; }
    const std::vector<std::complex<double>>& phi() const { return phi_; }
    const std::vector<double>& density() const { return density_; }
    static double KStep();

    // Of the last transform: the integral of |phi|^2 dk, and <k> and
    // Delta k = sqrt(<k^2> - <k>^2) in nm^-1 of the state normalised to 1 (0 for a zero state).
    // Delta x Delta k, the state's spread in x times SpreadK(), is at least 1/2.
    double Norm() const { return norm_; }
    double MeanK() const { return meanK_; }
    double SpreadK() const { return spreadK_; }

  private:
    void run(); // the FFT of the filled input, then phi, |phi|^2 and the moments
    void release();

    void* plan_ = nullptr;               // fftw_plan
    std::complex<double>* in_ = nullptr; // FFTW-aligned, MomentumPoints each
    std::complex<double>* out_ = nullptr;
    std::vector<double> k_;
    std::vector<std::complex<double>> phase_; // exp(-i k x(0)) dx / sqrt(2 pi): x(0) = -5 nm
    std::vector<std::complex<double>> phi_;
    std::vector<double> density_;
    double norm_ = 0, meanK_ = 0, spreadK_ = 0;
};

// <k> and Delta k alone of real states (bound states), for tables of many: the transform of a
// real state is symmetric in k, so FFTW computes only its half, and phi is not kept. Agrees
// with MomentumSpace's moments of the same state to rounding.
class RealMomentum {
  public:
    RealMomentum();
    ~RealMomentum();
    RealMomentum(const RealMomentum&) = delete;
    RealMomentum& operator=(const RealMomentum&) = delete;

    struct Moments {
        double meanK = 0, spreadK = 0; // nm^-1, of the state normalised to 1 (0 for a zero state)
    };
    // psi as MomentumSpace::Transform takes it: GridLast + 1 values, or std::invalid_argument.
    Moments Of(std::span<const double> psi);

  private:
    void* plan_ = nullptr;                // fftw_plan
    double* in_ = nullptr;                // FFTW-aligned, MomentumPoints
    std::complex<double>* out_ = nullptr; // MomentumPoints / 2 + 1
};
