#pragma once

// The Transmission window: the model's potential as a particle coming in from the left meets it.
// Left, the potential with a line at the chosen energy, and the scattering state at that energy
// (Re psi and |psi|^2, its parts and its flux); right, T(E) and R(E) of the grid up to a top the
// user sets, the continuum's T dashed beside them, and a table of the resonances. A click on the
// curve or a row of the table chooses the energy, which is this window's own: the model does not
// hold it.
//
// The window follows the model while shown. The state is one pass of the recurrence and is
// computed at once; the curve, the continuum's T and the resonances run off the UI thread, so a
// slider drag never waits for them. While one runs, the newest change waits; when it ends, its
// curve is shown and the waiting change starts, so a drag shows curves that trail it by at most
// one computation and the last one is always the model's.

#include "windows/transmission/TransmissionCurve.h"

#include <QFutureWatcher>
#include <QWidget>

#include <optional>

class Graph;
class Model;
class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QTableWidget;

inline constexpr double DefaultChosenEnergy = 3; // eV

class TransmissionWindow : public QWidget {
    Q_OBJECT
  public:
    explicit TransmissionWindow(::Model& model, QWidget* parent = nullptr);
    ~TransmissionWindow() override;

    // The Transmission window of `owner` (the main window): the open one brought to the front,
    // or a new one. It belongs to `owner`; closing it destroys it.
    static TransmissionWindow* Show(::Model& model, QWidget* owner);

    // --- Controls.
    Graph* GraphPotential = nullptr; // the potential and the chosen energy
    Graph* GraphState = nullptr;     // the scattering state at that energy
    Graph* GraphCurve = nullptr;     // T(E), R(E) and the continuum's T
    QDoubleSpinBox* EFTop = nullptr; // the curve's top, in eV
    QCheckBox* CBLog = nullptr;      // log10 T instead of T
    QLabel* STResult = nullptr;      // T and R at the chosen energy, or why they are undefined
    QLabel* STFlux = nullptr;        // the state's fluxes
    QLabel* STCurve = nullptr;       // what the curve shows, or why it shows nothing
    QTableWidget* Table = nullptr;   // the resonances

    double Energy() const { return energy_; }
    void ChooseEnergy(double energy);
    const TransmissionCurve& Curve() const { return curve_; }
    // The state at the chosen energy; none where T is undefined.
    const std::optional<ScatteringState>& State() const { return state_; }
    // The curve shown is the model's, up to the top shown, and nothing is being computed.
    bool UpToDate() const;
    // Brings the window up to date with the model: the state at once, the curve when the
    // potential or the top changed.
    void Refresh();

    // --- Handlers.
    void Model_Changed();
    bool GraphCurve_MouseDown(int x, int y);
    void GraphPotential_DrawContent();
    void GraphState_DrawContent();
    void GraphCurve_DrawContent();
    void EFTop_ValueChanged();
    void CBLog_Action();
    void Table_CellClicked(int row);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void startCurve();
    void curveDone();
    void showCurve();
    void fillTable();
    void updateState();
    void defineStatePlot();
    void defineCurvePlot();
    void redrawPlots(bool withCurve = true);

    ::Model& main_;
    TransmissionCurve curve_;
    bool computed_ = false;
    QFutureWatcher<TransmissionCurve>* watcher_;
    bool waiting_ = false; // a change came while the curve was computing
    double energy_ = DefaultChosenEnergy;
    std::optional<ScatteringState> state_;
    int stateRow_ = RowWell; // the row the state and the potential plot were drawn for
};
