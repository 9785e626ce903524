// The square wells: one well between walls of two heights, and the symmetric double well.
//
// Both are solved in phase form. Inside a well the solution is sin(k x + phase); a wall or the
// barrier fixes the phase with which it enters or leaves, through an arctangent that has no
// poles. Level n is where the phases add up to (n + 1) pi: each matching function below is that
// sum minus (n + 1) pi, rises with the energy, and so lets the ladder of ExactMatching.h count and
// bracket the levels.

#include "solver/core/Constants.h"
#include "solver/core/ExactLevels.h"
#include "solver/core/ExactMatching.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace exact {

using detail::WaveNumber;
using std::numbers::pi;

std::vector<ExactLevel> FiniteWell(double width, double leftWall, double rightWall, double limit,
                                   int maxCount) {
    const double top = std::min({leftWall, rightWall, limit});
    maxCount = detail::Capped(maxCount);
    std::vector<ExactLevel> out;
    if (!(width > 0) || !(top > 0)) return out;
    // The solution enters the well from the left wall with phase atan(k / kappa_l) and must leave
    // it into the right wall with phase (n + 1) pi - atan(k / kappa_r).
    const auto matching = [&](int n, double e) {
        const double k = WaveNumber(e, 0);
        return k * width + std::atan2(k, WaveNumber(leftWall, e)) +
               std::atan2(k, WaveNumber(rightWall, e)) - (n + 1) * pi;
    };
    const std::vector<double> levels = detail::LevelLadder(matching, top, maxCount);
    for (std::size_t n = 0; n < levels.size(); ++n) out.push_back({int(n), levels[n], 0});
    return out;
}

std::vector<ExactLevel> DoubleWell(double wellWidth, double barrierWidth, double height,
                                   double limit, int maxCount) {
    const double top = std::min(height, limit);
    maxCount = detail::Capped(maxCount);
    std::vector<ExactLevel> out;
    if (!(wellWidth > 0) || !(top > 0)) return out;
    const double half = std::max(0.0, barrierWidth) / 2;

    // Integrated from the centre outward: in the barrier cosh (even) or sinh (odd), whose
    // logarithmic derivative g at the barrier's edge sets the phase atan2(k, g) with which the
    // solution enters the well; it leaves the well into the wall with phase pi - atan(k / kappa).
    const auto barrierSlope = [half](double kappa, bool even) {
        if (even) return kappa * std::tanh(kappa * half);
        if (half == 0) return std::numeric_limits<double>::infinity(); // odd: zero at the centre
        const double y = kappa * half;
        return y < 1e-8 ? 1 / half : kappa / std::tanh(y); // kappa coth(kappa half) -> 1 / half
    };
    const auto family = [&](bool even) {
        const auto matching = [&, even](int m, double e) {
            const double k = WaveNumber(e, 0);
            const double kappa = WaveNumber(height, e);
            return k * wellWidth + std::atan2(k, barrierSlope(kappa, even)) + std::atan2(k, kappa) -
                   (m + 1) * pi;
        };
        return detail::LevelLadder(matching, top, (maxCount + 1) / 2);
    };
    // In a symmetric well the levels alternate even, odd, even, ...: the m-th even level is
    // level 2m, the m-th odd one level 2m + 1, however close a pair lies. Behind a wide barrier
    // a pair splits by less than the tolerance, and may come out reversed by that much: such a
    // pair is equal to within the tolerance, and is given equal energies.
    const std::vector<double> even = family(true);
    const std::vector<double> odd = family(false);
    for (std::size_t m = 0; m < even.size(); ++m) {
        out.push_back({int(2 * m), even[m], +1});
        if (m < odd.size()) out.push_back({int(2 * m + 1), std::max(odd[m], even[m]), -1});
    }
    if (out.size() > std::size_t(maxCount)) out.resize(std::size_t(maxCount));
    return out;
}

} // namespace exact
