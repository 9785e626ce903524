// What the Wave Packet window's three plots show, and their ranges: fixed for a packet's whole
// flight, from its start, so that nothing jumps while it plays.
#include "graph/Graph.h"
#include "windows/packet/PacketWindow.h"

#include <QCheckBox>

#include <algorithm>
#include <cmath>

namespace {

constexpr Color kBlack{0, 0, 0};
constexpr Color kPotential{110, 110, 110};
constexpr Color kEnergy{0, 150, 0};
constexpr Color kReal{0, 0, 220};
constexpr Color kTransmission{170, 170, 170};
constexpr Color kLeftColor{0, 0, 220};
constexpr Color kRightColor{220, 0, 0};

// The packet's |Psi|^2 at the start is drawn this many eV tall above its energy line.
constexpr double kPacketHeight = 5;
constexpr double kShortestFlight = 10; // fs: the sides plot's first time span
constexpr double kDeepest = -20;       // eV: as deep as a potential plot goes (hydrogen's)

double position(int i) {
    return double(i - 500) * phys::Dx;
}

// Draws y(i) against x(i) for the grid points between the absorbers, skipping points where y
// is not finite (hydrogen's nucleus).
template <typename Y> void curve(Graph& g, Y&& y) {
    bool started = false;
    for (int i = AbsorberLeftEdge; i <= AbsorberRightEdge; ++i) {
        const double v = y(std::size_t(i));
        if (!std::isfinite(v)) {
            started = false;
            continue;
        }
        if (started)
            g.CurveTo(position(i), v);
        else
            g.CurveStart(position(i), v);
        started = true;
    }
}

} // namespace

void PacketWindow::defineRanges() {
    double low = 0, high = 20;
    for (int i = AbsorberLeftEdge; i <= AbsorberRightEdge; ++i) {
        const double v = potential_[std::size_t(i)];
        if (std::isfinite(v)) low = std::min(low, v);
    }
    low = std::max(low, kDeepest);
    GraphPsi->SetXLabel(QStringLiteral("x (nm)"));
    GraphPsi->SetYLabel(QStringLiteral("V (eV)"));
    GraphMomentum->SetXLabel(QStringLiteral("k (nm^-1^)"));
    GraphMomentum->SetYLabel(QStringLiteral("&|$f$&|^2^ (nm)"));
    GraphMomentum->SetTitle(tr("Momentum space: &|$f$(k,t)&|^2^, and T(k) in grey "
                               "(1 at the top)"));
    GraphSides->SetXLabel(QStringLiteral("t (fs)"));
    GraphSides->SetYLabel(tr("probability"));
    GraphSides->SetTitle(tr("Left of x = 0 (blue) and right (red), with what the "
                            "absorbers took"));
    if (packet_) {
        const std::vector<std::complex<double>>& psi = packet_->Psi();
        double peak = 0;
        for (const auto& z : psi) peak = std::max(peak, std::norm(z));
        scale_ = kPacketHeight / peak;
        high = std::max(high, 5 * std::ceil((level_ + 1.2 * kPacketHeight) / 5));
        GraphPsi->SetTitle(tr("&|$Y$(x,t)&|^2^ on the line of its energy (green) "
                              "over the potential"));
        const double spreadK = 1 / (2 * packet_->Start().sigma);
        kReach_ = std::max(5.0, 1.15 * (packet_->WaveNumber() + 5 * spreadK));
        const std::vector<double>& d = packet_->Momentum().density();
        densityTop_ = 1.15 * *std::max_element(d.begin(), d.end());
    } else {
        GraphPsi->SetTitle(tr("No wave packet"));
        kReach_ = 10;
        densityTop_ = 1;
    }
    // Each background is drawn once per start and copied under every frame.
    auto background = [](Graph& g, std::unique_ptr<Picture>& copy, auto&& draw) {
        draw();
        copy =
            Picture::Make(g.GXP->Width(), g.GXP->Height(), 32, g.GXP->Image().devicePixelRatio());
        if (copy) copy->GetGraphics()->DrawPicture(*g.GXP, 0, 0);
    };
    background(*GraphPsi, psiBackground_, [&] {
        GraphPsi->DefineGraph(position(AbsorberLeftEdge), position(AbsorberRightEdge), low, high);
        drawPotential();
    });
    background(*GraphMomentum, momentumBackground_, [&] {
        GraphMomentum->DefineGraph(-kReach_, kReach_, 0, densityTop_);
        drawTransmission();
    });
    GraphSides->DefineGraph(0, kShortestFlight, 0, 1);
    sidesDrawn_ = 0;
}

void PacketWindow::redraw() {
    // Each frame starts from the backgrounds, and draws only what moves on them.
    for (auto [g, copy] : {std::pair(GraphPsi, psiBackground_.get()),
                           std::pair(GraphMomentum, momentumBackground_.get())}) {
        if (copy)
            g->GX->DrawPicture(*copy, 0, 0);
        else
            g->ReDrawAll();
    }
    drawPacket();
    GraphPsi->UpdateScreen();
    drawMomentum();
    GraphMomentum->UpdateScreen();
    // The sides plot adds the new stretch of its curves; its time axis doubles whenever the
    // packet reaches its end, and the plot is then drawn afresh.
    double span = GraphSides->XMax;
    while (time() > span) span *= 2;
    if (span != GraphSides->XMax || sidesDrawn_ > history_.size()) {
        GraphSides->DefineGraph(0, span, 0, 1);
        sidesDrawn_ = 0;
    }
    drawSides(sidesDrawn_ == 0 ? 0 : sidesDrawn_ - 1);
    sidesDrawn_ = history_.size();
    GraphSides->UpdateScreen();
    showResult();
}

void PacketWindow::drawPotential() {
    Graph& g = *GraphPsi;
    g.SetColor(kPotential);
    curve(g, [this](std::size_t i) { return potential_[i]; });
    g.SetColor(kBlack);
}

void PacketWindow::drawPacket() {
    if (!packet_) return;
    Graph& g = *GraphPsi;
    const std::vector<std::complex<double>>& psi = packet_->Psi();
    if (CBReal->isChecked()) {
        g.SetColor(kReal);
        const double re = std::sqrt(scale_ * kPacketHeight);
        curve(g, [&](std::size_t i) { return level_ + re * psi[i].real(); });
    }
    g.SetColor(kBlack);
    curve(g, [&](std::size_t i) { return level_ + scale_ * std::norm(psi[i]); });
    // The energy line over the packet's foot, where |Psi|^2 has died away.
    g.SetColor(kEnergy);
    const int y = g.YCoord(level_);
    g.GX->DrawLine(g.GLeft, y, g.GLeft + g.GWidth, y);
    g.SetColor(kBlack);
}

void PacketWindow::GraphPsi_DrawContent() {
    drawPotential();
    drawPacket();
}

void PacketWindow::drawTransmission() {
    if (!packet_) return;
    Graph& g = *GraphMomentum;
    g.SetColor(kTransmission);
    for (std::size_t j = 0; j < prediction_.k.size(); ++j) {
        const double k = prediction_.k[j], t = prediction_.transmission[j] * densityTop_;
        if (k > g.XMax) break;
        if (j == 0)
            g.CurveStart(k, t);
        else
            g.CurveTo(k, t);
    }
    g.SetColor(kBlack);
}

void PacketWindow::drawMomentum() {
    if (!packet_) return;
    Graph& g = *GraphMomentum;
    const MomentumSpace& m = packet_->Momentum();
    g.SetColor(kBlack);
    bool started = false;
    for (std::size_t j = 0; j < m.k().size(); ++j) {
        if (m.k()[j] < g.XMin || m.k()[j] > g.XMax) continue;
        if (started)
            g.CurveTo(m.k()[j], m.density()[j]);
        else
            g.CurveStart(m.k()[j], m.density()[j]);
        started = true;
    }
}

void PacketWindow::GraphMomentum_DrawContent() {
    drawTransmission();
    drawMomentum();
}

void PacketWindow::drawSides(std::size_t from) {
    if (from >= history_.size()) return;
    Graph& g = *GraphSides;
    for (const bool right : {false, true}) {
        g.SetColor(right ? kRightColor : kLeftColor);
        const Sides& first = history_[from];
        g.CurveStart(first.t, right ? first.right : first.left);
        for (std::size_t j = from + 1; j < history_.size(); ++j)
            g.CurveTo(history_[j].t, right ? history_[j].right : history_[j].left);
    }
    g.SetColor(kBlack);
}

void PacketWindow::GraphSides_DrawContent() {
    drawSides(0);
}
