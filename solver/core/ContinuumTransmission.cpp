#include "solver/core/ContinuumTransmission.h"

#include "solver/core/Constants.h"
#include "solver/core/Solver.h"

#include <algorithm>
#include <cmath>
#include <complex>

namespace {

using Complex = std::complex<double>;

// cosh of this much would still be far from overflowing; longer tunnelling is done in parts
// with psi and psi' renormalised in between.
constexpr double MaxDecayPerPart = 200;

double nm(int sliderValue) {
    return sliderValue / 100.0;
}

// Two wells or barriers of width `each` whose centres lie `separation` apart, merged into one
// where they overlap: the inner edges never cross.
FlatPieces twin(int separation, int each, double outside, double inside) {
    const double outer = (nm(separation) + nm(each)) / 2;
    const double inner = std::max(0.0, (nm(separation) - nm(each)) / 2);
    return {{-outer, -inner, inner, outer}, {outside, inside, outside, inside, outside}};
}

} // namespace

std::optional<TransmissionResult> ContinuumTransmission(const FlatPieces& pieces, double mass,
                                                        double energy) {
    const auto& edges = pieces.edges;
    const auto& levels = pieces.levels;
    if (levels.size() != edges.size() + 1 || !std::is_sorted(edges.begin(), edges.end()))
        return std::nullopt;
    const double kinetic = phys::KineticFor(mass);
    const auto waveNumber = [&](double level) {
        return std::sqrt(Complex(energy - level) / kinetic);
    };
    if (!(energy > levels.front() && energy > levels.back())) return std::nullopt;
    const double kLeft = waveNumber(levels.front()).real();
    const double kRight = waveNumber(levels.back()).real();

    // The outgoing wave exp(i kR x) at the last edge, carried leftwards piece by piece.
    Complex psi = 1, slope = Complex(0, kRight);
    int exponent = 0;
    for (std::size_t i = edges.size(); i-- > 1;) {
        const double width = edges[i] - edges[i - 1];
        const Complex k = waveNumber(levels[i]);
        const int parts =
            std::max(1, int(std::ceil(std::fabs(k.imag()) * width / MaxDecayPerPart)));
        const double d = width / parts;
        const Complex c = std::cos(k * d);
        const Complex sOverK = k == 0.0 ? Complex(d) : std::sin(k * d) / k;
        for (int p = 0; p < parts; ++p) {
            const Complex left = c * psi - sOverK * slope;
            slope = k * k * sOverK * psi + c * slope;
            psi = left;
            int e = 0;
            std::frexp(std::max(std::abs(psi), std::abs(slope)), &e);
            psi *= std::ldexp(1.0, -e);
            slope *= std::ldexp(1.0, -e);
            exponent += e;
        }
    }
    // exp(i kL x) and exp(-i kL x) at the first edge.
    const Complex derivative = slope / Complex(0, kLeft);
    const Complex a = (psi + derivative) / 2.0, b = (psi - derivative) / 2.0;
    const double t = std::ldexp(kRight / (kLeft * std::norm(a)), -2 * exponent);
    if (!std::isfinite(t)) return std::nullopt;
    return TransmissionResult{t, std::norm(b) / std::norm(a)};
}

namespace continuum {

FlatPieces Barrier(int width, int height) {
    return {{-nm(width) / 2, nm(width) / 2}, {0, double(height), 0}};
}

FlatPieces DoubleBarrier(int separation, int barrierWidth, int height) {
    return twin(separation, barrierWidth, 0, height);
}

FlatPieces Step(int height) {
    return {{0}, {0, double(height)}};
}

FlatPieces Well(int width) {
    return UnevenWell(width, WellWall, WellWall);
}

FlatPieces UnevenWell(int width, int left, int right) {
    return {{-nm(width) / 2, nm(width) / 2}, {double(left), 0, double(right)}};
}

FlatPieces SymmetricWell(int separation, int wellWidth) {
    return twin(separation, wellWidth, WellWall, 0);
}

} // namespace continuum

std::optional<FlatPieces> FlatPiecesOf(int row, int s1, int s2, int s3) {
    switch (row) {
    case RowWell:
        return continuum::Well(s1);
    case RowSymmetricWell:
        return continuum::SymmetricWell(s1, s2);
    case RowUneven:
        return continuum::UnevenWell(s1, s2, s3);
    case RowBarrier:
        return continuum::Barrier(s1, s2);
    case RowDoubleBarrier:
        return continuum::DoubleBarrier(s1, s2, s3);
    case RowStep:
        return continuum::Step(s1);
    default:
        return std::nullopt;
    }
}
