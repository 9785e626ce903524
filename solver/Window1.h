#pragma once

// The main window: the two plots on the left, the choice of potential, its parameter sliders
// and the energy controls on the right. Controls call the handlers named after them
// (`Slider1_ValueChanged`, `PBFind_Action`); the handlers change the solver state and ask the
// plots to redraw; the plots' content handlers read the state.

#include "solver/core/Solver.h"

#include <QMainWindow>
#include <QString>

#include <functional>

class Graph;
class Graphics;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QSlider;

class Window1 : public QMainWindow {
    Q_OBJECT
  public:
    // Builds the window with its controls, opens the two plots, then runs Event_Open, which
    // shows the lowest level of a 1 nm well. `menuBar`, if given, is installed first.
    explicit Window1(QMenuBar* menuBar = nullptr, QWidget* parent = nullptr);
    ~Window1() override;

    // --- Controls, in creation order.
    QComboBox* PMSymmetric = nullptr;
    QComboBox* PopupMenu1 = nullptr;
    QSlider* Slider1 = nullptr;
    QSlider* Slider2 = nullptr;
    QSlider* Slider3 = nullptr;
    QLabel* STTitle1 = nullptr;
    QLabel* STTitle2 = nullptr;
    QLabel* STTitle3 = nullptr;
    QLabel* STLeft3 = nullptr;
    QLabel* STRight3 = nullptr;
    QLabel* STLeft2 = nullptr;
    QLabel* STRight2 = nullptr;
    QLabel* STLeft1 = nullptr;
    QLabel* STRight1 = nullptr;
    Graph* Graph2 = nullptr;
    QLabel* STEquals = nullptr;
    QLineEdit* EFEnergy = nullptr;
    QPushButton* PBDraw = nullptr;
    QPushButton* PBFind = nullptr;
    Graph* Graph1 = nullptr;
    QLabel* StaticText1 = nullptr;
    QLabel* StaticText2 = nullptr;

    // --- State. The potential, the wave function and the energy live in the solver.
    Solver solver;
    bool BusyFindingEta = false; // an energy search is running
    bool beingChanged = false;   // a potential row is being set up: sliders stay quiet
    bool Drawing = false;        // the hand-drawn potential is selected
    bool dragging = false;       // a handle of the potential is being dragged
    int permX = 0;               // the handle being dragged

    // The failure signal of a search. Replaceable, so the command line can tell a failed
    // Find from a found level.
    std::function<void()> beep;

    // --- The solver's operations, with the GUI side added.
    void DrawWell(int w) { solver.DrawWell(w); }
    void DrawDoubleWell(int a, int b) { solver.DrawDoubleWell(a, b); }
    void DrawUnevenWell(int w, int hl, int hr) { solver.DrawUnevenWell(w, hl, hr); }
    void DrawRamp(int s, int h) { solver.DrawRamp(s, h); }
    void DrawOscillator(double k) { solver.DrawOscillator(k); }
    void DrawHydrogen() { solver.DrawHydrogen(); }
    void DrawGraph();
    void DrawEta() { solver.DrawEta(row()); }
    void DrawEtaToScreen() { solver.DrawEtaToScreen(); }
    double StepSize(int n) { return solver.StepSize(n); }
    // Searches for the next level; publishes it in the energy field, or beeps. Returns whether
    // a level was found.
    bool CalculateEnergy();

    // --- Menu commands.
    // Prints both plots on one page, the potential above the wave function. A cancelled print
    // dialog is silent.
    bool _FilePrint_Action();
    // The page that Print sends: both plots redrawn at their pictures' size, at (0, 0) and
    // (0, 220), as vectors on a PDF or SVG page.
    void PrintOn(Graphics& page);

    // --- Window events.
    void Event_Open();
    void Event_Close();

    // --- Energy controls.
    void EFEnergy_TextChange();
    void PBDraw_Action();
    void PBFind_Action();

    // --- Potential selection and sliders.
    void PopupMenu1_Change();
    void Slider1_ValueChanged();
    void Slider2_ValueChanged();
    void Slider3_ValueChanged();
    void PMSymmetric_Change();

    // --- The potential plot.
    void Graph1_Open();
    int Graph1_DepthQuery() { return 32; }
    void Graph1_DrawContent();
    bool Graph1_MouseDown(int x, int y);
    void Graph1_MouseDrag(int x, int y);
    void Graph1_MouseUp(int x, int y);
    void Graph1_MouseMove(int x, int y);
    void Graph1_MouseEnter();
    void Graph1_MouseExit();

    // --- The wave-function plot.
    void Graph2_Open();
    int Graph2_DepthQuery() { return 32; }
    void Graph2_DrawContent();

    // The selected potential row.
    int row() const;

    // Puts back the handles of a reshaped potential and rebuilds the potential from them, as
    // the last mouse edit left it.
    void RestoreHandles(const std::array<double, HandleLast + 1>& points);

    // Whether the potential was edited with the mouse: it is no longer what the row's builder
    // makes of the sliders.
    bool Reshaped() const;

    // An energy as the energy field shows a found level: eleven decimals.
    static QString EnergyText(double energy);

  signals:
    // The potential, the parity or the energy changed; emitted after the plots were redrawn,
    // so listeners read a settled state.
    void changed();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void Layout(QMenuBar* menuBar);
    void CreateControls();
    void _CreateControls0();

    // A slider with its title and end labels, 1 ... 3.
    struct SliderGroup {
        QSlider* slider;
        QLabel* title;
        QLabel* left;
        QLabel* right;
    };
    SliderGroup group(int n) const;
    // The selected row's sliders (ranges, start values, texts) and visible controls.
    void setUpRowControls();
    // Slider n's title for its current value.
    QString sliderTitle(int n) const;
    // The selected row's builder, called with the sliders' values.
    void buildPotential();
    // What a move of slider n does: retitle, rebuild, redraw.
    void sliderMoved(int n);
    void redrawAfterParameterChange();
    bool editingRow() const;
    // The fractional handle index under pixel column x of the potential plot.
    double handlePosition(int x);
    // Whether pixel (x, y) of the potential plot lies in its frame, edges included.
    bool inFrame(int x, int y) const;
    // The potential under pixel row y, held to the frame's range above and below it.
    double valueInFrame(int y);
};
