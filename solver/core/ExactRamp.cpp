// The ramp: a wall on the left, a linear rise, a flat top. On the rise the solutions are
// A Ai(z) + B Bi(z) with z = alpha (x - e / slope), alpha = (slope / Kinetic)^(1/3); on both sides
// they decay exponentially.
//
// The angle omega(z) of the point (Ai(z), Bi(z)) rises with z (its derivative is
// 1 / (pi (Ai^2 + Bi^2)) > 0); unwrapped with the help of the zeros of Ai it is a phase without
// poles or jumps. The solution whose logarithmic derivative in z is l at z has (A, B) at the angle
// omega(z) - atan(pi (Ai Ai' + Bi Bi' - l (Ai^2 + Bi^2))), modulo pi. The matching function is the
// angle the top asks for minus the one the wall asks for, minus n pi. With infinite walls it is
// omega(z1) - omega(z0) - pi: zero at the ground state, which vanishes at both ends with one
// half-turn between them. It crosses n pi once between level n - 1 and the top of the search,
// which is what the level ladder needs.

#include "solver/core/Constants.h"
#include "solver/core/ExactLevels.h"
#include "solver/core/ExactMatching.h"

#include <boost/math/special_functions/airy.hpp>
#include <boost/math/special_functions/bessel.hpp>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace exact {

namespace {

using std::numbers::pi;

// Beyond this z, Bi outweighs Ai by more than 1e20 and the angles there equal pi/2 to double
// precision; stopping there keeps Bi from overflowing under a high top.
constexpr double FarZ = 12;

// In double precision: Boost's default carries doubles to long double inside, which made each
// value several times slower for digits the levels do not need.
using InDouble = boost::math::policies::policy<boost::math::policies::promote_double<false>>;

struct AiryValues {
    double ai, aiPrime, bi, biPrime;
    explicit AiryValues(double z) {
        if (z < 0) {
            // Boost's own forms below the turning point, whose four Bessel functions it would
            // otherwise compute twice each, once for Ai and once for Bi.
            const double x = -z, p = 2 * x * std::sqrt(x) / 3;
            const double j1 = boost::math::cyl_bessel_j(1.0 / 3, p, InDouble());
            const double j2 = boost::math::cyl_bessel_j(-1.0 / 3, p, InDouble());
            const double j3 = boost::math::cyl_bessel_j(2.0 / 3, p, InDouble());
            const double j4 = boost::math::cyl_bessel_j(-2.0 / 3, p, InDouble());
            ai = std::sqrt(x) * (j1 + j2) / 3;
            bi = std::sqrt(x / 3) * (j2 - j1);
            aiPrime = x * (j3 - j4) / 3;
            biPrime = x * (j3 + j4) / std::numbers::sqrt3;
            return;
        }
        ai = boost::math::airy_ai(z, InDouble());
        aiPrime = boost::math::airy_ai_prime(z, InDouble());
        bi = boost::math::airy_bi(z, InDouble());
        biPrime = boost::math::airy_bi_prime(z, InDouble());
    }
    double modulus2() const { return ai * ai + bi * bi; }
    double halfModulus2Prime() const { return ai * aiPrime + bi * biPrime; }
};

// The unwrapped angle of (Ai(z), Bi(z)): pi/3 at z = 0, rising with z, and pi/2 - k pi at the
// k-th zero of Ai. `zeros` holds a_1 > a_2 > ... down past z.
double airyAngle(double z, const AiryValues& v, const std::vector<double>& zeros) {
    const auto k =
        std::partition_point(zeros.begin(), zeros.end(), [z](double a) { return a >= z; }) -
        zeros.begin();
    // Between a_(k+1) and a_k, (-1)^k (Ai, Bi) points at angle pi/2 - delta, delta in [0, pi).
    const double sign = k % 2 == 0 ? 1.0 : -1.0;
    double delta = std::atan2(sign * v.ai, sign * v.bi);
    if (delta < -pi / 2) delta += 2 * pi; // Ai's sign rounded off near a_(k+1)
    return pi / 2 - double(k) * pi - delta;
}

// The angle of (A, B) for the solution whose logarithmic derivative in z is `logSlope` at z.
double solutionAngle(double z, double logSlope, const std::vector<double>& zeros) {
    const AiryValues v(z);
    return airyAngle(z, v, zeros) -
           std::atan(pi * (v.halfModulus2Prime() - logSlope * v.modulus2()));
}

} // namespace

std::vector<ExactLevel> Ramp(double slope, double wall, double top, double limit, int maxCount) {
    std::vector<ExactLevel> out;
    maxCount = detail::Capped(maxCount);
    if (!(slope > 0) || !std::isfinite(slope) || maxCount == 0) return out;
    const double alpha = std::cbrt(slope / phys::Kinetic); // 1/nm
    const double unit = slope / alpha;                     // eV per unit of z
    // The potential lies nowhere above the same rise with an infinite wall and no top, whose
    // levels are -a_(n+1) unit: the first maxCount levels lie below -a_(maxCount+1) unit.
    const double airyCeiling = -boost::math::airy_ai_zero<double>(maxCount + 1) * unit;
    const double ceiling = std::min({wall, top, limit, airyCeiling});
    if (!(ceiling > 0)) return out;

    std::vector<double> zeros;
    const double zLowest = -ceiling / unit;
    for (int j = 1; zeros.empty() || zeros.back() >= zLowest; ++j)
        zeros.push_back(boost::math::airy_ai_zero<double>(j));

    const auto matching = [&](int n, double e) {
        const double z0 = -e / unit;                        // at the foot of the wall
        const double z1 = std::min((top - e) / unit, FarZ); // where the top begins
        const double left = detail::WaveNumber(wall, e) / alpha;
        const double right = detail::WaveNumber(top, e) / alpha;
        return solutionAngle(z1, -right, zeros) - solutionAngle(z0, left, zeros) - n * pi;
    };
    const std::vector<double> levels = detail::LevelLadder(matching, ceiling, maxCount);
    for (std::size_t n = 0; n < levels.size(); ++n) out.push_back({int(n), levels[n], 0});
    return out;
}

} // namespace exact
