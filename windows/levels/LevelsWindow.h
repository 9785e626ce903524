#pragma once

// The Levels window: every bound state of the model's potential at once. Above, the potential
// with a line at each level; below, the chosen state's psi or |psi|^2 with the classically
// forbidden regions shaded; under them a table of the levels. It reads the model; choosing a
// level is a change of the model (its parity and energy), which every window then shows. A box
// shows the chosen state's |phi(k)|^2 in momentum space in place of psi.
// Ticking two or more levels in the table shows their superposition moving in time in place
// of the chosen state.

#include "solver/core/MomentumSpace.h"
#include "windows/common/FittedColumns.h"
#include "windows/levels/LevelsModel.h"

#include <QFutureWatcher>
#include <QStringList>
#include <QWidget>

#include <vector>

class Graph;
class QCheckBox;
class QLabel;
class QTableWidget;
class QTableWidgetItem;
class Model;
class TimeView;

class LevelsWindow : public QWidget {
    Q_OBJECT
  public:
    explicit LevelsWindow(::Model& model, QWidget* parent = nullptr);
    ~LevelsWindow() override;

    // The Levels window of `owner` (the main window): the open one brought to the front, or a
    // new one when none is open. It belongs to `owner`; closing it destroys it.
    static LevelsWindow* Show(::Model& model, QWidget* owner);
    // The open one of `owner`, shown, or nullptr.
    static LevelsWindow* Open(QWidget* owner);

    // --- Controls.
    Graph* GraphLevels = nullptr;    // the potential and a line at each level
    Graph* GraphState = nullptr;     // the chosen state
    QCheckBox* CBDensity = nullptr;  // |psi|^2 instead of psi
    QCheckBox* CBMomentum = nullptr; // |phi(k)|^2 instead of either
    QTableWidget* Table = nullptr;
    QLabel* STNone = nullptr; // says so when there is no bound state
    QLabel* STNote = nullptr; // what the exact levels stand for, where that needs saying
    TimeView* Time = nullptr; // the superposition of the ticked levels

    const LevelsModel& Model() const { return model_; }
    // The chosen level, an index into the spectrum; -1 when there is none.
    int Chosen() const { return chosen_; }
    // Chooses level `index`: the model takes its parity and energy.
    void ChooseLevel(int index);
    // Brings the window up to date with the model: recomputes the spectrum only when the
    // potential changed since the last time. A drawn or reshaped potential's spectrum is worked
    // out off the user interface unless `wait`.
    void Refresh(bool wait = false);
    // A spectrum is being worked out off the user interface.
    bool Busy() const;
    // The ticked levels (indices into the spectrum) and their amplitudes, as the table holds them.
    std::vector<int> Ticked() const;
    std::vector<double> Amplitudes() const;
    // Ticks level `index` with amplitude `amplitude`, as a click on its box and an edit do.
    void Tick(int index, bool on, double amplitude = 1.0);

    // --- Handlers.
    void Model_Changed();
    bool GraphLevels_MouseDown(int x, int y);
    void GraphLevels_DrawContent();
    void GraphState_DrawContent();
    void CBDensity_Action();
    void CBMomentum_Action();
    void Table_CellClicked(int row);
    void Table_ItemChanged(QTableWidgetItem* item);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void fillTable();
    // What the two plots show, in words, for screen readers.
    QString levelsSummary() const;
    QString stateSummary() const;
    // The new spectrum in the table and the plots.
    void showLevels(LevelsModel m);
    void computeAside();
    void Computed();
    // The window's first size: the table's every column and several rows.
    void fitTable();
    // The level the model's energy and parity name, if the spectrum has it.
    void followModel();
    void defineStatePlot();
    // The chosen state in momentum space: its plot's range, then its curve.
    void defineMomentumPlot();
    void drawMomentum();
    void redrawPlots();
    // Shows the superposition when two or more levels are ticked, the chosen state otherwise;
    // `newSelection`: the ticks changed since the time view was last told.
    void showSuperposition(bool newSelection = true);
    int amplitudeColumn() const;

    ::Model& main_;
    LevelsModel model_;
    QFutureWatcher<LevelsModel> computing_;
    bool computed_ = false;
    bool sized_ = false;
    QStringList shownHeaders_; // the table's column titles as they stand
    FittedColumns columns_;    // their widths, as measured
    int alignedFor_ = -1;      // the row and plot kind the plots' margins were lined up for
    int chosen_ = -1;
    // Per level, kept across recomputations while the level still exists.
    std::vector<bool> ticked_;
    std::vector<double> amplitudes_;
    MomentumSpace momentum_; // the chosen state's phi(k), while CBMomentum is ticked
};
