#pragma once

// The Wave Packet window: a Gaussian packet flying through the model's potential, for the
// model's particle. Above, |Psi(x, t)|^2 (and Re Psi, if asked) riding on the line of its energy
// over the potential; below, |phi(k, t)|^2 with the potential's T(k); under them the
// probabilities left and right of x = 0 against t. Play / Pause / Reset, a speed, and fields
// for x0, sigma and the kinetic energy E0. Once the packet has left the grid, its transmitted
// probability stands beside the integral of |phi(k)|^2 T(k) dk that predicts it.
//
// It reads the model and never writes it: a change of the potential or the mass starts the
// packet afresh, only while the window is shown.

#include "solver/core/PacketTransmission.h"
#include "solver/core/WavePacket.h"

#include <QElapsedTimer>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>
#include <vector>

class Graph;
class Model;
class Picture;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

class PacketWindow : public QWidget {
    Q_OBJECT
  public:
    explicit PacketWindow(::Model& model, QWidget* parent = nullptr);
    ~PacketWindow() override;

    // The Wave Packet window of `owner` (the main window): the open one brought to the front,
    // or a new one. It belongs to `owner`; closing it destroys it.
    static PacketWindow* Show(::Model& model, QWidget* owner);

    void play();
    void pause();
    // Back to t = 0 with the fields' start.
    void reset();
    // `fs` more of simulated time, met by whole steps of the packet, and a redraw, as the timer
    // does on each frame. Playing stops once the packet has left.
    void advance(double fs);

    bool playing() const;
    double time() const;  // fs; 0 when there is no packet
    double speed() const; // fs of simulated time per second of wall time
    // The packet, when the potential and the fields allow one.
    const std::optional<WavePacket>& packet() const { return packet_; }
    const PacketObservables& now() const { return now_; }
    // Whether the packet has left the grid: less than 1e-3 of it remains.
    bool left() const;

    // --- Controls.
    Graph* GraphPsi = nullptr;      // the potential, the energy line, |Psi|^2 and Re Psi
    Graph* GraphMomentum = nullptr; // |phi(k)|^2 and T(k)
    Graph* GraphSides = nullptr;    // left and right against t
    QCheckBox* CBReal = nullptr;
    QLineEdit* EFX0 = nullptr;
    QLineEdit* EFSigma = nullptr;
    QLineEdit* EFEnergy = nullptr;
    QPushButton* PBPlay = nullptr;
    QPushButton* PBReset = nullptr;
    QComboBox* PMSpeed = nullptr;
    QLabel* STTime = nullptr;
    QLabel* STPredicted = nullptr;   // the integral of |phi|^2 T dk
    QLabel* STTransmitted = nullptr; // the packet's right part, once it has left
    QLabel* STMessage = nullptr;     // why there is no packet
    QTimer* Timer = nullptr;

    // --- Handlers.
    void Model_Changed();
    void Field_EditingFinished();
    void PBPlay_Action();
    void PBReset_Action();
    void Timer_Action();
    // Each draws the whole content; a frame redraws only what moves (see redraw).
    void GraphPsi_DrawContent();
    void GraphMomentum_DrawContent();
    void GraphSides_DrawContent();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void createControls();
    // A new packet when the model's potential or mass changed since the last one.
    void follow();
    // The packet afresh from the fields, in the potential and mass last followed.
    void restart();
    void observe();
    // The plots' ranges, and their backgrounds: the frames with what does not move.
    void defineRanges();
    void redraw();
    // What stays on the plots while the packet flies, and what moves.
    void drawPotential();
    void drawTransmission();
    void drawPacket();
    void drawMomentum();
    void drawSides(std::size_t from);
    void showResult();

    ::Model& model_;
    std::array<double, 1004> potential_{};
    double mass_ = 0;
    bool followed_ = false;
    std::optional<WavePacket> packet_;
    PacketObservables now_;
    PacketTransmission prediction_;
    double target_ = 0;     // the time asked for, which the packet meets to a step
    double level_ = 0;      // the packet's energy line: V(x0) + E0, in eV
    double scale_ = 1;      // eV of plot per nm^-1 of |Psi|^2
    double kReach_ = 10;    // the momentum plot shows -kReach_ ... kReach_
    double densityTop_ = 1; // and |phi|^2 from 0 to this
    struct Sides {
        double t, left, right;
    };
    std::vector<Sides> history_;
    std::size_t sidesDrawn_ = 0; // points of history_ on the sides plot
    // GraphPsi and GraphMomentum as defineRanges left them, each frame's starting point.
    std::unique_ptr<Picture> psiBackground_, momentumBackground_;
    QElapsedTimer frameClock_;
};
