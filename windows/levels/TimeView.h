#pragma once

// The time view: a superposition of bound states evolving in time. The upper plot shows
// |Psi|^2, Re Psi and Im Psi (each behind a check box) with a marker at <x>(t); the lower plot
// traces <x>(t) over the last few beat periods. Play / Pause, Reset (t = 0) and a speed in fs
// of simulated time per second; the time and, for two levels, their beat period are shown.
// The basis is a spectrum computed elsewhere; nothing is solved again while the view plays.

#include "solver/core/Spectrum.h"
#include "solver/core/Superposition.h"

#include <QElapsedTimer>
#include <QWidget>

#include <optional>
#include <vector>

class Graph;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTimer;

class TimeView : public QWidget {
    Q_OBJECT
  public:
    explicit TimeView(QWidget* parent = nullptr);
    ~TimeView() override;

    // A new basis: stops the animation and goes back to t = 0. Chosen levels that the new
    // spectrum no longer has are dropped.
    void setBasis(const Spectrum& spectrum, int row);
    // The same with a new choice of levels at once (see setSelection).
    void setBasis(const Spectrum& spectrum, int row, std::vector<int> indices,
                  std::vector<double> amplitudes);
    // The chosen levels (indices into the spectrum's states) and their amplitudes, 0 ... 1 (a
    // missing amplitude counts as 1). Indices outside the spectrum and repeats are ignored.
    // The time goes on; with no amplitude above 0 there is nothing to show or play.
    void setSelection(std::vector<int> indices, std::vector<double> amplitudes);

    void play();
    void pause();
    void reset();
    // One step of `fs` femtoseconds and a redraw, as the timer makes on each frame.
    void advance(double fs);

    double time() const { return t_; }
    bool playing() const;
    // Simulated femtoseconds per second of wall time, as the speed control shows.
    double speed() const;
    // What is shown, if anything: the superposition of the chosen levels.
    const std::optional<Superposition>& superposition() const { return superposition_; }

    // --- Controls.
    Graph* GraphPsi = nullptr;   // |Psi|^2, Re Psi, Im Psi and the <x> marker
    Graph* GraphTrace = nullptr; // <x>(t)
    QCheckBox* CBDensity = nullptr;
    QCheckBox* CBReal = nullptr;
    QCheckBox* CBImag = nullptr;
    QPushButton* PBPlay = nullptr;
    QPushButton* PBReset = nullptr;
    QComboBox* PMSpeed = nullptr;
    QLabel* STTime = nullptr;
    QLabel* STBeat = nullptr;
    QTimer* Timer = nullptr; // one frame at the display's rate while playing

    // --- Handlers.
    void PBPlay_Action();
    void PBReset_Action();
    void CBCurve_Action();
    void Timer_Action();
    void GraphPsi_Open();
    void GraphPsi_DrawContent();
    void GraphTrace_Open();
    void GraphTrace_DrawContent();

  protected:
    void hideEvent(QHideEvent* event) override;

  private:
    void createControls();
    // The superposition of the chosen levels, the plots' ranges and the beat text.
    void rebuild();
    void redraw();
    // The stretch of the trace: a few of the longest beats.
    double traceSpan() const;
    // <x> at the trace's j-th sample time.
    double tracedMean(int j);

    Spectrum basis_;
    int row_ = 0;
    std::vector<int> indices_;
    std::vector<double> amplitudes_;
    std::optional<Superposition> superposition_;
    double t_ = 0;
    Wave wave_;                            // Psi at t_, drawn by GraphPsi
    Moments now_;                          // the moments at t_
    double psiLimit_ = 1;                  // |Psi| stays below this at every x and t
    double traceLow_ = -1, traceHigh_ = 1; // the range of <x>(t)
    QElapsedTimer frameClock_;
    // Worked out once per superposition, not per frame.
    std::size_t shownFirst_ = 0;          // the first grid index the plot shows
    std::vector<double> shownX_, shownY_; // its x, and a curve's values there
    double traceFrom_ = -1;               // where the trace's axes start, while they stand still
    double traceStep_ = 1;                // fs between the trace's samples
    std::vector<double> traceSamples_;    // <x> at 0, traceStep_, 2 traceStep_, ...
    std::vector<double> traceT_, traceY_; // the trace's points this frame
};
