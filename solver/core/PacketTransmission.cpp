#include "solver/core/PacketTransmission.h"

#include "solver/core/Constants.h"

#include <algorithm>
#include <cmath>
#include <optional>

PacketTransmission PredictTransmission(const MomentumSpace& m, const GridPotential& v, double mass,
                                       double level) {
    PacketTransmission out;
    const std::vector<double>& k = m.k();
    const std::vector<double>& density = m.density();
    const double peak = *std::max_element(density.begin(), density.end());
    std::vector<double> weights, energies;
    for (std::size_t j = 0; j < k.size(); ++j) {
        if (!(k[j] > 0 && density[j] > 1e-12 * peak)) continue;
        out.k.push_back(k[j]);
        weights.push_back(density[j] * MomentumSpace::KStep());
        energies.push_back(level + (2 - 2 * std::cos(k[j] * phys::Dx)) / phys::StepFactorFor(mass));
    }
    std::vector<std::optional<TransmissionResult>> results(energies.size());
    GridTransmissions(v, mass, energies, results);
    out.transmission.resize(results.size());
    for (std::size_t j = 0; j < results.size(); ++j) {
        out.transmission[j] = results[j] ? results[j]->transmission : 0.0;
        out.predicted += weights[j] * out.transmission[j];
    }
    return out;
}
