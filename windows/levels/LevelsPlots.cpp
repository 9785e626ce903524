// What the Levels window's two plots show: the potential with a line at each level, and the
// chosen state with its classically forbidden regions shaded, or its |phi(k)|^2.
#include "graph/Graph.h"
#include "model/EnergyText.h"
#include "model/Particles.h"
#include "windows/levels/LevelLabels.h"
#include "windows/levels/LevelsReport.h"
#include "windows/levels/LevelsWindow.h"

#include <QCheckBox>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr Color kBlack{0, 0, 0};
constexpr Color kChosen{255, 0, 0};
constexpr Color kLevel{0, 0, 200};
constexpr Color kForbidden{225, 225, 225};
// A press this close to a level's line, in pixels, chooses it.
constexpr int kPickDistance = 4;

// The first grid index of the potential's curve: the visible window's; for hydrogen just past
// the nucleus, where the potential is infinite.
int firstShown(int row) {
    return row == RowHydrogen ? WindowFirst + 1 : WindowFirst;
}

// A particle other than the electron is named after the numbers it changes.
QString particleSuffix(double mass) {
    return IsElectron(mass) ? QString() : QStringLiteral(", ") + MassText(mass);
}

} // namespace

void LevelsWindow::GraphLevels_DrawContent() {
    Graph& g = *GraphLevels;
    const int row = model_.row;
    const auto& v = model_.potential;
    g.CurveStart(SpectrumPosition(row, firstShown(row)), v[std::size_t(firstShown(row))]);
    for (int i = firstShown(row) + 1; i <= WindowLast; ++i)
        g.CurveTo(SpectrumPosition(row, i), v[std::size_t(i)]);

    const auto& states = model_.spectrum.states;
    auto shown = [&](int k) {
        const double e = states[std::size_t(k)].energy;
        return e >= g.YMin && e <= g.YMax;
    };
    // The chosen level last, so that a near-degenerate partner cannot paint over it.
    auto line = [&](int k) {
        const int y = g.YCoord(states[std::size_t(k)].energy);
        g.SetColor(k == chosen_ ? kChosen : kLevel);
        g.GX->DrawLine(g.GLeft, y, g.GLeft + g.GWidth, y);
    };
    for (int k = 0; k < int(states.size()); ++k)
        if (shown(k) && k != chosen_) line(k);
    if (chosen_ >= 0 && shown(chosen_)) line(chosen_);
    // Each level's n right of the frame; levels closer than a label's height share one label,
    // "0, 1" or "4–7", never printed over each other.
    for (const LevelLabel& l : LevelLabels(states, chosen_, g.YMin, g.YMax, g.GX->TextHeight(),
                                           [&g](double e) { return g.YCoord(e); })) {
        g.SetColor(l.chosen ? kChosen : kLevel);
        g.GX->DrawString(l.text, g.GLeft + g.GWidth + 2, l.y + 4);
    }
    g.SetColor(kBlack);
}

bool LevelsWindow::GraphLevels_MouseDown(int x, int y) {
    (void)x;
    Graph& g = *GraphLevels;
    int best = -1, bestDistance = kPickDistance + 1;
    const auto& states = model_.spectrum.states;
    for (std::size_t k = 0; k < states.size(); ++k) {
        const double e = states[k].energy;
        if (!(e >= g.YMin && e <= g.YMax)) continue;
        const int d = std::abs(g.YCoord(e) - y);
        if (d < bestDistance) {
            best = int(k);
            bestDistance = d;
        }
    }
    ChooseLevel(best);
    return false;
}

void LevelsWindow::defineStatePlot() {
    Graph& g = *GraphState;
    const double xmin = GraphLevels->XMin, xmax = GraphLevels->XMax;
    const bool density = CBDensity->isChecked();
    g.SetYLabel(density ? QStringLiteral("&|$y$&|^2^ (nm^-1^)") : QStringLiteral("$y$ (nm^-1/2^)"));
    if (chosen_ < 0) {
        g.SetTitle(model_.spectrum.states.empty() ? tr("No bound state") : tr("No level chosen"));
        g.DefineGraph(xmin, xmax, -1, 1);
        return;
    }
    const BoundState& s = model_.spectrum.states[std::size_t(chosen_)];
    double peak = 0;
    for (int i = firstShown(model_.row); i <= WindowLast; ++i)
        peak = std::max(peak, std::fabs(s.psi[std::size_t(i)]));
    if (!(peak > 0)) peak = 1;
    const double top = 1.1 * (density ? peak * peak : peak);
    g.SetTitle(tr("Level n = %1, E = %2 eV")
                   .arg(QString::number(s.n), EnergyText(PublishedEnergy(s.energy))) +
               particleSuffix(model_.mass));
    g.DefineGraph(xmin, xmax, density ? 0 : -top, top);
}

void LevelsWindow::defineMomentumPlot() {
    Graph& g = *GraphState;
    g.SetYLabel(QStringLiteral("&|$f$&|^2^ (nm)"));
    if (chosen_ < 0) {
        g.SetTitle(model_.spectrum.states.empty() ? tr("No bound state") : tr("No level chosen"));
        g.DefineGraph(-10, 10, 0, 1);
        return;
    }
    const BoundState& s = model_.spectrum.states[std::size_t(chosen_)];
    momentum_.Transform(s.psi);
    const std::vector<double>& k = momentum_.k();
    const std::vector<double>& d = momentum_.density();
    const double peak = *std::max_element(d.begin(), d.end());
    // Out to where |phi|^2 has fallen to a thousandth of its peak, the same on both sides.
    double reach = 1;
    for (std::size_t j = 0; j < k.size(); ++j)
        if (d[j] > 1e-3 * peak) reach = std::max(reach, std::fabs(k[j]));
    const StateMomentum& m = model_.momenta[std::size_t(chosen_)];
    g.SetTitle(tr("Level n = %1 in momentum space, $D$k = %2 nm^-1")
                   .arg(QString::number(s.n), QString::number(m.spreadK, 'f', 3)) +
               particleSuffix(model_.mass));
    g.DefineGraph(-1.1 * reach, 1.1 * reach, 0, peak > 0 ? 1.1 * peak : 1);
}

void LevelsWindow::drawMomentum() {
    Graph& g = *GraphState;
    const std::vector<double>& k = momentum_.k();
    const std::vector<double>& d = momentum_.density();
    bool started = false;
    for (std::size_t j = 0; j < k.size(); ++j) {
        if (k[j] < g.XMin || k[j] > g.XMax) continue;
        if (started)
            g.CurveTo(k[j], d[j]);
        else
            g.CurveStart(k[j], d[j]);
        started = true;
    }
}

void LevelsWindow::GraphState_DrawContent() {
    if (chosen_ < 0) return;
    if (CBMomentum->isChecked()) return drawMomentum();
    Graph& g = *GraphState;
    const int row = model_.row;
    const BoundState& s = model_.spectrum.states[std::size_t(chosen_)];
    const auto& v = model_.potential;
    const double half = 0.005;     // half a grid step in nm: each point's share of the axis
    const int first = WindowFirst; // psi is 0 at hydrogen's nucleus, and drawn from there

    // Where the potential lies above the energy, one band per run of grid points.
    g.SetColor(kForbidden);
    for (int i = firstShown(row); i <= WindowLast; ++i) {
        if (!(v[std::size_t(i)] > s.energy)) continue;
        int j = i;
        while (j + 1 <= WindowLast && v[std::size_t(j + 1)] > s.energy) ++j;
        const int left = std::max(g.GLeft, g.XCoord(SpectrumPosition(row, i) - half));
        const int right = std::min(g.GLeft + g.GWidth, g.XCoord(SpectrumPosition(row, j) + half));
        if (right > left) g.GX->FillRect(left, g.GTop + 1, right - left, g.GHeight - 1);
        i = j;
    }
    g.SetColor(kBlack);

    const bool density = CBDensity->isChecked();
    auto value = [&](int i) {
        const double p = s.psi[std::size_t(i)];
        return density ? p * p : p;
    };
    g.CurveStart(SpectrumPosition(row, first), value(first));
    for (int i = first + 1; i <= WindowLast; ++i) g.CurveTo(SpectrumPosition(row, i), value(i));
}
