#pragma once

// The Levels window: every bound state of the main window's potential at once. Above, the
// potential with a line at each level; below, the chosen state's psi or |psi|^2 with the
// classically forbidden regions shaded; under them a table of the levels. It reads the main
// window's state and never writes it: choosing a level types its energy into the main window's
// energy field and presses Draw, as a user would.

#include "levels/LevelsModel.h"

#include <QWidget>

class Graph;
class QCheckBox;
class QLabel;
class QTableWidget;
class Window1;

class LevelsWindow : public QWidget {
    Q_OBJECT
  public:
    explicit LevelsWindow(Window1& main, QWidget* parent = nullptr);
    ~LevelsWindow() override;

    // The main window's Levels window: the open one brought to the front, or a new one when
    // none is open. It belongs to the main window; closing it destroys it.
    static LevelsWindow* Show(Window1& main);

    // --- Controls.
    Graph* GraphLevels = nullptr;   // the potential and a line at each level
    Graph* GraphState = nullptr;    // the chosen state
    QCheckBox* CBDensity = nullptr; // |psi|^2 instead of psi
    QTableWidget* Table = nullptr;
    QLabel* STNone = nullptr; // says so when there is no bound state

    const LevelsModel& Model() const { return model_; }
    // The chosen level, an index into the spectrum; -1 when there is none.
    int Chosen() const { return chosen_; }
    // Chooses level `index` and puts it into the main window.
    void ChooseLevel(int index);
    // Brings the window up to date with the main window: recomputes the spectrum only when the
    // potential changed since the last time.
    void Refresh();

    // --- Handlers.
    void Main_Changed();
    bool GraphLevels_MouseDown(int x, int y);
    void GraphLevels_DrawContent();
    void GraphState_DrawContent();
    void CBDensity_Action();
    void Table_CellClicked(int row);

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void fillTable();
    void followMainWindow();
    void defineStatePlot();
    void redrawPlots();

    Window1& main_;
    LevelsModel model_;
    bool computed_ = false;
    int chosen_ = -1;
};
