#pragma once

// The main window: the two plots on the left, the choice of potential, its parameter sliders
// and the energy controls on the right. Controls call the handlers named after them
// (`Slider1_ValueChanged`, `PBFind_Action`); each handler turns the user's edit into a change
// of the model. The model says what changed, and Model_Changed shows it: the controls take the
// model's value, the solver integrates the model's potential at its energy, the plots redraw.

#include "solver/core/Solver.h"

#include <memory>

#include <QMainWindow>
#include <QString>

#include <functional>

class Graph;
class Graphics;
class Model;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QSlider;

class Window1 : public QMainWindow {
    Q_OBJECT
  public:
    // Builds the window with its controls over `model`, opens the two plots, then runs
    // Event_Open, which shows the lowest level of a 1 nm well. `menuBar`, if given, is
    // installed first.
    explicit Window1(Model& model, QMenuBar* menuBar = nullptr, QWidget* parent = nullptr);
    // The same over a model of its own.
    explicit Window1(QMenuBar* menuBar = nullptr, QWidget* parent = nullptr);
    ~Window1() override;

    Model& model() const { return model_; }

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

    // --- State. The solver holds the model's potential and its integration at the energy
    // the field shows.
    Solver solver;
    bool BusyFindingEta = false; // an energy search is running
    bool beingChanged = false;   // the controls are taking the model's value: they stay quiet
    bool dragging = false;       // a handle of the potential is being dragged
    int permX = 0;               // the handle being dragged

    // The failure signal of a search. Replaceable, so the command line can tell a failed
    // Find from a found level.
    std::function<void()> beep;

    // --- The solver's operations, with the GUI side added.
    void DrawEta();
    void DrawEtaToScreen() { solver.DrawEtaToScreen(); }
    // Searches for the next level above the energy the field shows; publishes it through the
    // model, or beeps. Returns whether a level was found.
    bool CalculateEnergy();

    // --- Menu commands.
    // Prints both plots on one page, the potential above the wave function. A cancelled print
    // dialog is silent.
    bool _FilePrint_Action();
    // The page that Print sends: both plots redrawn at their pictures' size, the potential at
    // the top and the wave function PageGap below, as vectors on a PDF or SVG page.
    void PrintOn(Graphics& page);
    // The printed page's layout: the wave-function plot this far below the potential plot, and
    // the height both take.
    static constexpr int PageGap = 220;
    static constexpr int PageHeight = 424;

    // --- Window events.
    void Event_Open();
    void Event_Close();
    // The model changed (`what`: Model::Change flags): show its value.
    void Model_Changed(int what);

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

    // Whether the potential was edited with the mouse: it is no longer what the row's builder
    // makes of the sliders.
    bool Reshaped() const;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void Layout(QMenuBar* menuBar);
    void _CreateControls0();
    // The controls where they were placed, the plots growing with the window.
    void layOutControls();

    // A slider with its title and end labels, 1 ... 3.
    struct SliderGroup {
        QSlider* slider;
        QLabel* title;
        QLabel* left;
        QLabel* right;
    };
    SliderGroup group(int n) const;
    // The model's row, sliders (ranges, values, texts), parity and visible controls.
    void showRowControls();
    // Slider n's title for its current value.
    QString sliderTitle(int n) const;
    // Slider n's value in its unit: "1 nm", "4 eV/nm", "1".
    QString sliderValueText(int n) const;
    // Names and descriptions for screen readers, and the plots' summaries.
    void describeControls();
    QString potentialSummary() const;
    QString waveSummary() const;
    static QString spoken(double energy);
    // The plots' ranges and the note for the row.
    void showRow();
    // The window's and the plots' titles for the row's energy and the particle.
    void showTitles();
    // A move of slider n, as the model takes it.
    void sliderMoved(int n);
    bool editingRow() const;
    // The edited handles of a press or a drop, as a change of the model.
    void reshape(const Solver& edited, const QString& what);
    // The fractional handle index under pixel column x of the potential plot.
    double handlePosition(int x);
    // Whether pixel (x, y) of the potential plot lies in its frame, edges included.
    bool inFrame(int x, int y) const;
    // The potential under pixel row y, held to the frame's range above and below it.
    double valueInFrame(int y);

    std::unique_ptr<Model> ownModel_;
    Model& model_;
};
