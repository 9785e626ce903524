#include "windows/transmission/TransmissionCurve.h"

#include <algorithm>
#include <cmath>

namespace {

bool samePieces(const std::optional<FlatPieces>& a, const std::optional<FlatPieces>& b) {
    if (!a || !b) return !a && !b;
    return a->edges == b->edges && a->levels == b->levels;
}

} // namespace

std::optional<FlatPieces> ContinuumPiecesOf(const Setup& s) {
    if (s.reshape) return std::nullopt;
    return FlatPiecesOf(s.row, s.sliders[0], s.sliders[1], s.sliders[2]);
}

GridPotential GridPotentialOf(const Setup& s) {
    Solver solver;
    BuildPotential(s, solver);
    return solver.PEGraph;
}

bool TransmissionCurve::IsFor(const Setup& s, double top_) const {
    return top == top_ && mass == s.mass && potential == GridPotentialOf(s) &&
           samePieces(pieces, ContinuumPiecesOf(s));
}

TransmissionCurve ComputeTransmissionCurve(const Setup& s, double top) {
    TransmissionCurve c;
    c.potential = GridPotentialOf(s);
    c.mass = s.mass;
    c.top = top;
    c.pieces = ContinuumPiecesOf(s);
    c.finite = std::all_of(c.potential.begin(), c.potential.begin() + GridLast + 1,
                           [](double v) { return std::isfinite(v); });
    c.open = OpenEnergiesOf(c.potential, c.mass);
    const double to = std::min(top, c.open.highest);
    if (!c.finite || !(to > c.open.lowest)) return c;

    c.scan = ScanGridTransmission(c.potential, c.mass, c.open.lowest, to, CurvePoints);
    c.resonances = GridResonances(c.potential, c.mass, c.scan);
    if (c.pieces) {
        for (std::size_t i = 0; i < c.scan.energies.size(); i += ContinuumEvery) {
            const double e = c.scan.energies[i];
            const auto r = ContinuumTransmission(*c.pieces, c.mass, e);
            c.continuumEnergies.push_back(e);
            c.continuum.push_back(r ? std::optional(r->transmission) : std::nullopt);
        }
    }
    return c;
}
