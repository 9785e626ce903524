#include "solver/core/Transmission.h"

#include "solver/core/Constants.h"
#include "solver/core/PairVectors.h"
#include "solver/core/Solver.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

// The real and imaginary parts of psi in one register: the recurrence's coefficients are real,
// so both parts follow the same steps and the compiler can do them together.
using pairs::Pair;

// Energies interleaved in one pass: each step of one energy waits on its previous step, so
// independent energies fill the wait.
constexpr int Lanes = 4;

// psi grows by at most (|c| + 1) per step, c = 2 - K (E - V). Values are brought back near 1
// (by a power of two, exactly) after any run of steps that could have grown them by 2^600.
constexpr double GrowthBitsPerRun = 600;

struct Lead {
    double q, cosq, sinq;
};

std::optional<Lead> leadAt(double energy, double lead, double k) {
    // 2 - 2 cos q = K (E - V): with x = K (E - V) / 2, cos q = 1 - x, sin q = sqrt(x (2 - x)).
    const double x = k * (energy - lead) / 2;
    if (!(x > 0 && x < 2)) return std::nullopt;
    const double sinq = std::sqrt(x * (2 - x));
    return Lead{2 * std::asin(std::sqrt(x / 2)), 1 - x, sinq};
}

bool allFinite(const GridPotential& v) {
    return std::all_of(v.begin(), v.begin() + GridLast + 1,
                       [](double x) { return std::isfinite(x); });
}

// The number of steps after which the values are renormalised, for energies within
// [eLow, eHigh]: one bound on the growth per step over the whole grid.
int runLength(const GridPotential& v, double k, double eLow, double eHigh) {
    const auto [low, high] = std::minmax_element(v.begin(), v.begin() + GridLast + 1);
    const double c = 2 + k * std::max(std::fabs(eHigh - *low), std::fabs(eLow - *high));
    return std::max(1, int(GrowthBitsPerRun / std::log2(c + 1)));
}

double magnitude(Pair p) {
    return std::max(std::fabs(p[0]), std::fabs(p[1]));
}

// One pass for N energies: psi(1000) = 1, psi(999) = exp(-i qR), then psi(j - 1) from the
// three-point equation at j = 999 ... 1. Leaves psi(0), psi(1) and the power of two that was
// divided out of them; store(j, lane, psi(j), exponent) sees every value on the way.
template <int N, typename Store>
void pass(const GridPotential& v, double k, int run, const double* energy, const Lead* right,
          Pair* psi0, Pair* psi1, int* exponent, Store&& store) {
    Pair here[N], next[N];
    for (int l = 0; l < N; ++l) {
        next[l] = Pair{1, 0};
        here[l] = Pair{right[l].cosq, -right[l].sinq};
        exponent[l] = 0;
        store(GridLast, l, next[l], 0);
        store(GridLast - 1, l, here[l], 0);
    }
    for (int j = GridLast - 1; j > 0;) {
        for (const int end = std::max(0, j - run); j > end; --j) {
            const double vj = v[std::size_t(j)];
            for (int l = 0; l < N; ++l) {
                const double f = k * (energy[l] - vj);
                const Pair before = (2 * here[l] - next[l]) - f * here[l];
                next[l] = here[l];
                here[l] = before;
                store(j - 1, l, before, exponent[l]);
            }
        }
        for (int l = 0; l < N; ++l) {
            int e = 0;
            std::frexp(std::max(magnitude(here[l]), magnitude(next[l])), &e);
            if (e > 0) {
                const double scale = std::ldexp(1.0, -e);
                here[l] *= scale;
                next[l] *= scale;
                exponent[l] += e;
            }
        }
    }
    for (int l = 0; l < N; ++l) {
        psi0[l] = here[l];
        psi1[l] = next[l];
    }
}

struct Decomposed {
    std::complex<double> a, b; // amplitudes of exp(i qL j) and exp(-i qL j), times 2^-exponent
    TransmissionResult result;
};

// psi(j) = a exp(i qL j) + b exp(-i qL j) at j = 0, 1.
Decomposed decompose(Pair p0, Pair p1, int exponent, const Lead& left, const Lead& right) {
    const std::complex<double> psi0(p0[0], p0[1]), psi1(p1[0], p1[1]);
    const std::complex<double> e(left.cosq, left.sinq);
    const std::complex<double> twoIsin(0, 2 * left.sinq);
    const std::complex<double> a = (psi1 - psi0 * std::conj(e)) / twoIsin;
    const std::complex<double> b = (psi0 * e - psi1) / twoIsin;
    const double t = std::ldexp(right.sinq / (left.sinq * std::norm(a)), -2 * exponent);
    return {a, b, {t, std::norm(b) / std::norm(a)}};
}

} // namespace

std::optional<double> LeadWaveNumber(double energy, double lead, double mass) {
    const auto l = leadAt(energy, lead, phys::StepFactorFor(mass));
    if (!l) return std::nullopt;
    return l->q;
}

OpenEnergies OpenEnergiesOf(const GridPotential& v, double mass) {
    const double left = v[0], right = v[GridLast];
    return {std::max(left, right), std::min(left, right) + 4 / phys::StepFactorFor(mass)};
}

std::optional<TransmissionResult> GridTransmission(const GridPotential& v, double mass,
                                                   double energy) {
    std::optional<TransmissionResult> out;
    GridTransmissions(v, mass, std::span(&energy, 1), std::span(&out, 1));
    return out;
}

void GridTransmissions(const GridPotential& v, double mass, std::span<const double> energies,
                       std::span<std::optional<TransmissionResult>> out) {
    const double k = phys::StepFactorFor(mass);
    const std::size_t n = std::min(energies.size(), out.size());
    std::fill(out.begin(), out.begin() + std::ptrdiff_t(n), std::nullopt);
    if (!allFinite(v)) return;

    // The open energies, with their leads, in blocks of Lanes.
    std::vector<std::size_t> open;
    std::vector<Lead> lefts(n), rights(n);
    double low = std::numeric_limits<double>::infinity(), high = -low;
    for (std::size_t i = 0; i < n; ++i) {
        const auto l = leadAt(energies[i], v[0], k), r = leadAt(energies[i], v[GridLast], k);
        if (!l || !r) continue;
        lefts[i] = *l;
        rights[i] = *r;
        open.push_back(i);
        low = std::min(low, energies[i]);
        high = std::max(high, energies[i]);
    }
    if (open.empty()) return;
    const int steps = runLength(v, k, low, high);

    // Blocks of Lanes energies, then the rest one by one.
    const auto block = [&]<int N>(std::size_t first) {
        std::size_t index[N];
        double e[N];
        Lead right[N];
        for (int l = 0; l < N; ++l) {
            index[l] = open[first + std::size_t(l)];
            e[l] = energies[index[l]];
            right[l] = rights[index[l]];
        }
        Pair psi0[N], psi1[N];
        int exponent[N];
        pass<N>(v, k, steps, e, right, psi0, psi1, exponent, [](int, int, Pair, int) {});
        for (int l = 0; l < N; ++l)
            out[index[l]] =
                decompose(psi0[l], psi1[l], exponent[l], lefts[index[l]], right[l]).result;
    };
    std::size_t first = 0;
    for (; first + Lanes <= open.size(); first += Lanes) block.template operator()<Lanes>(first);
    for (; first < open.size(); ++first) block.template operator()<1>(first);
}

TransmissionScan ScanGridTransmission(const GridPotential& v, double mass, double from, double to,
                                      int count) {
    TransmissionScan scan;
    const std::size_t n = std::size_t(std::max(count, 0));
    scan.energies.resize(n);
    scan.results.resize(n);
    for (std::size_t i = 0; i < n; ++i)
        scan.energies[i] = n == 1 ? from : from + (to - from) * double(i) / double(n - 1);
    GridTransmissions(v, mass, scan.energies, scan.results);
    return scan;
}

std::optional<ScatteringState> GridScatteringState(const GridPotential& v, double mass,
                                                   double energy) {
    const double k = phys::StepFactorFor(mass);
    if (!allFinite(v)) return std::nullopt;
    const auto left = leadAt(energy, v[0], k), right = leadAt(energy, v[GridLast], k);
    if (!left || !right) return std::nullopt;

    ScatteringState s;
    std::array<int, 1004> exponents{};
    const auto store = [&](int j, int, Pair p, int exponent) {
        s.psi[std::size_t(j)] = {p[0], p[1]};
        exponents[std::size_t(j)] = exponent;
    };
    Pair psi0, psi1;
    int exponent = 0;
    pass<1>(v, k, runLength(v, k, energy, energy), &energy, &*right, &psi0, &psi1, &exponent,
            store);
    const Decomposed d = decompose(psi0, psi1, exponent, *left, *right);

    // Unit incoming amplitude: psi / a, each value with the scale it was computed at.
    for (int j = 0; j <= GridLast; ++j) {
        const int shift = exponents[std::size_t(j)] - exponent;
        s.psi[std::size_t(j)] = s.psi[std::size_t(j)] * std::ldexp(1.0, shift) / d.a;
    }
    s.qLeft = left->q;
    s.qRight = right->q;
    s.reflected = d.b / d.a;
    s.transmitted = s.psi[GridLast];
    s.result = d.result;
    s.fluxUnit = 2 * phys::KineticFor(mass) / (phys::Hbar * phys::Dx);
    s.incomingFlux = s.fluxUnit * left->sinq;
    s.reflectedFlux = s.incomingFlux * d.result.reflection;
    s.transmittedFlux = s.fluxUnit * right->sinq * std::norm(s.transmitted);
    s.flux = s.FluxAt(GridLast - 1);
    return s;
}

std::complex<double> ScatteringState::IncomingPart(int j) const {
    return incoming * std::polar(1.0, qLeft * j);
}

std::complex<double> ScatteringState::ReflectedPart(int j) const {
    return reflected * std::polar(1.0, -qLeft * j);
}

std::complex<double> ScatteringState::TransmittedPart(int j) const {
    return transmitted * std::polar(1.0, qRight * (j - GridLast));
}

double ScatteringState::FluxAt(int j) const {
    return fluxUnit * std::imag(std::conj(psi[std::size_t(j)]) * psi[std::size_t(j + 1)]);
}
