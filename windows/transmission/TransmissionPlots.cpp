// What the Transmission window's three plots show: the potential with the chosen energy, the
// scattering state at that energy, and T(E), R(E) with the continuum's T dashed.
#include "graph/Graph.h"
#include "model/Model.h"
#include "solver/core/Spectrum.h"
#include "windows/common/PlotRanges.h"
#include "windows/transmission/TransmissionText.h"
#include "windows/transmission/TransmissionWindow.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QTableWidget>

#include <algorithm>
#include <cmath>

namespace {

constexpr Color kBlack{0, 0, 0};
constexpr Color kChosen{255, 0, 0};
constexpr Color kSecond{0, 0, 200};       // |psi|^2, R
constexpr Color kContinuum{0, 150, 0};    // the continuum's T
constexpr int kDash = 5, kDashPeriod = 9; // pixels drawn, and drawn plus skipped
// The lowest decade the logarithmic axis goes down to.
constexpr double kLowestDecade = -99;

// The first grid index of the potential's curve: the visible window's; for hydrogen just past
// the nucleus, where the potential is infinite.
int firstShown(int row) {
    return row == RowHydrogen ? WindowFirst + 1 : WindowFirst;
}

// One curve through the points (x[i], y(i)) that y gives, which lie within the axes; a gap
// where it gives nothing. Points that share a pixel column are drawn as one line from their
// lowest to their highest, joined to the next column from the last: the same pixels as a line
// through each, with a few hundred lines for thousands of points.
template <typename Y> void curve(Graph& g, const std::vector<double>& x, Y&& y) {
    struct Column {
        int x, last, lo, hi;
    };
    std::optional<Column> column;
    const auto flush = [&] {
        if (column && column->lo != column->hi)
            g.GX->DrawLine(column->x, column->lo, column->x, column->hi);
    };
    for (std::size_t i = 0; i < x.size(); ++i) {
        const std::optional<double> v = y(i);
        if (!v) {
            flush();
            column.reset();
            continue;
        }
        const int px = g.XCoord(x[i]), py = g.YCoord(*v);
        if (column && column->x == px) {
            column->last = py;
            column->lo = std::min(column->lo, py);
            column->hi = std::max(column->hi, py);
            continue;
        }
        flush();
        if (column)
            g.GX->DrawLine(column->x, column->last, px, py);
        else
            g.GX->DrawLine(px, py, px, py); // a lone point is seen too
        column = Column{px, py, py, py};
    }
    flush();
}

// The same, dashed: kDash pixels on, the rest of each kDashPeriod off, along the curve.
template <typename Y> void dashedCurve(Graph& g, const std::vector<double>& x, Y&& y) {
    double phase = 0;
    std::optional<QPointF> previous;
    // Where the dash being drawn began; a plain point and flag (g++ sees an optional here as
    // possibly uninitialised).
    QPointF dashFrom;
    bool inDash = false;
    auto endDash = [&](QPointF at) {
        if (inDash)
            g.GX->DrawLine(int(std::lround(dashFrom.x())), int(std::lround(dashFrom.y())),
                           int(std::lround(at.x())), int(std::lround(at.y())));
        inDash = false;
    };
    for (std::size_t i = 0; i < x.size(); ++i) {
        const std::optional<double> v = y(i);
        if (!v) {
            if (previous) endDash(*previous);
            previous.reset();
            continue;
        }
        const QPointF p(g.XCoord(x[i]), g.YCoord(*v));
        if (previous) {
            const QPointF d = p - *previous;
            const double length = std::hypot(d.x(), d.y());
            const int steps = std::max(1, int(std::ceil(length)));
            for (int s = 1; s <= steps; ++s) {
                const QPointF at = *previous + d * (double(s) / steps);
                phase = std::fmod(phase + length / steps, double(kDashPeriod));
                if (phase < kDash) {
                    if (!inDash) dashFrom = at;
                    inDash = true;
                } else {
                    endDash(at);
                }
            }
        } else {
            dashFrom = p;
            inDash = true;
        }
        previous = p;
    }
    if (previous) endDash(*previous);
}

} // namespace

void TransmissionWindow::GraphPotential_DrawContent() {
    Graph& g = *GraphPotential;
    const auto& v = main_.Potential().PEGraph;
    const int row = stateRow_;
    g.CurveStart(SpectrumPosition(row, firstShown(row)), v[std::size_t(firstShown(row))]);
    for (int i = firstShown(row) + 1; i <= WindowLast; ++i)
        g.CurveTo(SpectrumPosition(row, i), v[std::size_t(i)]);
    if (energy_ >= g.YMin && energy_ <= g.YMax) {
        g.SetColor(kChosen);
        const int y = g.YCoord(energy_);
        g.GX->DrawLine(g.GLeft, y, g.GLeft + g.GWidth, y);
    }
    g.SetColor(kBlack);
}

void TransmissionWindow::defineStatePlot() {
    Graph& g = *GraphState;
    const PlotRange r = PotentialRange(stateRow_);
    g.SetYLabel(QStringLiteral("Re $y$, &|$y$&|^2^"));
    const QString at = QStringLiteral("E = ") + QString::number(energy_, 'g', 6) + " eV";
    if (!state_) {
        g.SetTitle(tr("No scattering state at %1").arg(at));
        g.DefineGraph(r.xMin, r.xMax, -1, 1);
        return;
    }
    double peak = 0;
    for (int i = WindowFirst; i <= WindowLast; ++i)
        peak = std::max({peak, std::fabs(state_->psi[std::size_t(i)].real()),
                         std::norm(state_->psi[std::size_t(i)])});
    const double top = 1.25 * (peak > 0 ? peak : 1); // room for the parts' labels
    g.SetTitle(tr("Scattering state at %1").arg(at));
    g.DefineGraph(r.xMin, r.xMax, -top, top);
}

void TransmissionWindow::GraphState_DrawContent() {
    if (!state_) return;
    Graph& g = *GraphState;
    const ScatteringState& s = *state_;
    const int row = stateRow_;
    std::vector<double> x;
    for (int i = WindowFirst; i <= WindowLast; ++i) x.push_back(SpectrumPosition(row, i));
    const auto psi = [&](std::size_t k) { return s.psi[std::size_t(WindowFirst) + k]; };
    g.SetColor(kSecond);
    curve(g, x, [&](std::size_t k) { return std::optional(std::norm(psi(k))); });
    g.SetColor(kBlack);
    curve(g, x, [&](std::size_t k) { return std::optional(psi(k).real()); });

    // The parts in the margins the range leaves: in and reflected top left, transmitted bottom
    // right.
    const PartLabels labels = PartLabelsOf(s);
    const int line = g.GX->TextHeight();
    g.GX->DrawString(labels.incoming, g.GLeft + 4, g.GTop + line);
    g.GX->DrawString(labels.reflected, g.GLeft + 4, g.GTop + 2 * line);
    const int right = g.GLeft + g.GWidth - 4;
    g.GX->DrawString(labels.transmitted,
                     right - int(std::ceil(g.GX->StringWidth(labels.transmitted))),
                     g.GTop + g.GHeight - 4);
}

void TransmissionWindow::defineCurvePlot() {
    Graph& g = *GraphCurve;
    const TransmissionCurve& c = curve_;
    const bool log = CBLog->isChecked();
    g.SetYLabel(log ? QStringLiteral("log_10_ T, log_10_ R") : QStringLiteral("T, R"));
    if (!c.HasRange()) {
        g.SetTitle(computed_ ? tr("No open energy") : tr("Computing…"));
        g.DefineGraph(0, std::max(EFTop->value(), 0.1), log ? -1 : 0, log ? 0 : 1);
        return;
    }
    g.SetTitle(c.continuum.empty() ? tr("T (black) and R (blue)")
                                   : tr("T (black) and R (blue), continuum's T (green, dashed)"));
    double bottom = 0;
    if (log) {
        double lowest = 0;
        for (const auto& r : c.scan.results)
            if (r && r->transmission > 0) lowest = std::min(lowest, std::log10(r->transmission));
        bottom = std::clamp(std::floor(lowest), kLowestDecade, -1.0);
    }
    g.DefineGraph(c.scan.energies.front(), c.scan.energies.back(), bottom, log ? 0 : 1);
}

void TransmissionWindow::GraphCurve_DrawContent() {
    Graph& g = *GraphCurve;
    const TransmissionCurve& c = curve_;
    if (!c.HasRange()) return;
    const bool log = CBLog->isChecked();
    // On the logarithmic axis a value below it, or 0, lies on its bottom edge.
    const auto shown = [&](double t) {
        return log ? (t > 0 ? std::max(std::log10(t), g.YMin) : g.YMin) : t;
    };
    const auto& results = c.scan.results;
    const auto& e = c.scan.energies;
    g.SetColor(kSecond);
    curve(g, e, [&](std::size_t i) {
        return results[i] ? std::optional(shown(results[i]->reflection)) : std::nullopt;
    });
    if (!c.continuum.empty()) {
        g.SetColor(kContinuum);
        dashedCurve(g, c.continuumEnergies, [&](std::size_t i) {
            return c.continuum[i] ? std::optional(shown(*c.continuum[i])) : std::nullopt;
        });
    }
    g.SetColor(kBlack);
    curve(g, e, [&](std::size_t i) {
        return results[i] ? std::optional(shown(results[i]->transmission)) : std::nullopt;
    });

    // The chosen energy as a line.
    if (energy_ >= g.XMin && energy_ <= g.XMax) {
        g.SetColor(kChosen);
        const int x = g.XCoord(energy_);
        g.GX->DrawLine(x, g.GTop, x, g.GTop + g.GHeight);
    }
    g.SetColor(kBlack);
}

bool TransmissionWindow::GraphCurve_MouseDown(int x, int y) {
    (void)y;
    Graph& g = *GraphCurve;
    if (!curve_.HasRange() || x < g.GLeft || x > g.GLeft + g.GWidth) return false;
    {
        const QSignalBlocker quiet(Table);
        Table->clearSelection();
        Table->setCurrentCell(-1, -1);
    }
    ChooseEnergy(g.XToVal(x));
    return false;
}
