// The choice of potential and its parameter sliders.
#include "graph/Graph.h"
#include "platform/NumberText.h"
#include "solver/Window1.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>

#include <algorithm>

namespace {

QString nm(int sliderValue) {
    return Str(sliderValue / 100.0);
}

} // namespace

void Window1::setUpSlider(QSlider* slider, int minimum, int maximum, int value) {
    slider->setMinimum(minimum);
    slider->setMaximum(maximum);
    slider->setPageStep(1);
    slider->setValue(value);
}

Window1::SliderGroup Window1::group(int n) const {
    switch (n) {
    case 1:
        return {Slider1, STTitle1, STLeft1, STRight1};
    case 2:
        return {Slider2, STTitle2, STLeft2, STRight2};
    default:
        return {Slider3, STTitle3, STLeft3, STRight3};
    }
}

void Window1::showGroup(int n, bool visible) {
    const SliderGroup g = group(n);
    g.slider->setVisible(visible);
    g.title->setVisible(visible);
    g.left->setVisible(visible);
    g.right->setVisible(visible);
}

void Window1::showControls(bool group1, bool group2, bool group3, bool parity) {
    showGroup(1, group1);
    showGroup(2, group2);
    showGroup(3, group3);
    PMSymmetric->setVisible(parity);
}

void Window1::setGroupTexts(int n, const QString& title, const QString& left,
                            const QString& right) {
    const SliderGroup g = group(n);
    g.title->setText(title);
    g.left->setText(left);
    g.right->setText(right);
}

void Window1::DrawGraph() {
    solver.DrawFlat();
    // Bound states lie below both outer levels: the drawn potential gets its own search limit.
    solver.fMaxE = std::min(solver.MinGraph, solver.MaxGraph);
    Graph1->SetColor({255, 0, 0});
    Graph1->DrawShape(-1.75, solver.PEGraph[0], 5);
    Graph1->DrawShape(1.75, solver.PEGraph[GridLast], 5);
    Graph1->SetColor({0, 0, 0});
    DrawEta();
    DrawEtaToScreen();
}

void Window1::PopupMenu1_Change() {
    beingChanged = true;
    Reshaped = false;
    if (row() != RowDraw) {
        Drawing = false;
        StaticText1->hide();
    }
    if (row() != RowHydrogen) {
        Graph1->DefineGraph(-1.8, 1.8, 0, 20);
        Graph2->DefineGraph(-1.8, 1.8, -1, 1);
    }
    solver.NCrossings = 0;

    // Ranges and values first, then the texts from the values read back, the visible controls,
    // and last the potential from the sliders.
    switch (row()) {
    case RowWell:
        setUpSlider(Slider1, 0, 350, 100);
        setGroupTexts(1, "Width = " + nm(Slider1->value()) + " nm", nm(Slider1->minimum()),
                      nm(Slider1->maximum()));
        showControls(true, false, false, false);
        DrawWell(Slider1->value());
        break;
    case RowSymmetricWell:
        setUpSlider(Slider1, 0, 350, 100);
        setUpSlider(Slider2, 0, Slider1->value(), 50);
        setGroupTexts(1, "Ctr to Ctr = " + nm(Slider1->value()) + " nm", nm(Slider1->minimum()),
                      nm(Slider1->maximum()));
        setGroupTexts(2, "Well Width = " + nm(Slider2->value()) + " nm", nm(Slider2->minimum()),
                      nm(Slider2->maximum()));
        showControls(true, true, false, true);
        DrawDoubleWell(Slider1->value(), Slider2->value());
        break;
    case RowUneven:
        setUpSlider(Slider1, 0, 350, 100);
        setUpSlider(Slider2, 0, 15, 10);
        setUpSlider(Slider3, 0, 15, 10);
        setGroupTexts(1, "Width = " + nm(Slider1->value()) + " nm", nm(Slider1->minimum()),
                      nm(Slider1->maximum()));
        setGroupTexts(2, "Left Height = " + Str(Slider2->value()) + " eV", Str(Slider2->minimum()),
                      Str(Slider2->maximum()));
        setGroupTexts(3, "Right Height = " + Str(Slider3->value()) + " eV", Str(Slider3->minimum()),
                      Str(Slider3->maximum()));
        showControls(true, true, true, false);
        DrawUnevenWell(Slider1->value(), Slider2->value(), Slider3->value());
        break;
    case RowRamp:
        setUpSlider(Slider1, 4, 100, 4);
        setUpSlider(Slider2, 0, 15, 10);
        setGroupTexts(1, QStringLiteral("Slope"), Str(Slider1->minimum()), QStringLiteral("inf"));
        setGroupTexts(2, "Height = " + Str(Slider2->value()) + " eV", Str(Slider2->minimum()),
                      Str(Slider2->maximum()));
        showControls(true, true, false, false);
        DrawRamp(Slider1->value(), Slider2->value());
        break;
    case RowOscillator:
        setUpSlider(Slider1, 1, 20, 1);
        setGroupTexts(1, QStringLiteral("Narrowness"), QStringLiteral("Wd"), QStringLiteral("Nw"));
        showControls(true, false, false, false);
        DrawOscillator(Slider1->value() / 1000.0);
        break;
    case RowHydrogen:
        showControls(false, false, false, false);
        Graph1->DefineGraph(-0.05, 3.55, -20, 0);
        Graph2->DefineGraph(-0.05, 3.55, -1, 1);
        DrawHydrogen();
        break;
    case RowDraw:
        showControls(false, false, false, false);
        Drawing = true;
        StaticText1->show();
        DrawGraph();
        break;
    default:
        break;
    }

    if (row() == RowHydrogen) {
        solver.Energy = -13.6;
        CalculateEnergy();
        EFEnergy->setText(Format(solver.Energy, QStringLiteral("-#.###########")));
    } else {
        solver.Energy = 0.01;
        CalculateEnergy();
    }

    DrawEta();
    DrawEtaToScreen();
    Graph1->ReDrawAll();
    Graph2->ReDrawAll();
    Graph1->UpdateScreen();
    Graph2->UpdateScreen();
    beingChanged = false;
}

void Window1::redrawAfterParameterChange() {
    Reshaped = false; // the slider's builder replaced any reshaped potential
    DrawEta();
    DrawEtaToScreen();
    Graph1->ReDrawAll();
    Graph1->UpdateScreen();
    Graph2->ReDrawAll();
    Graph2->UpdateScreen();
}

void Window1::Slider1_ValueChanged() {
    if (beingChanged) return;
    const int s1 = Slider1->value();
    switch (row()) {
    case RowWell:
        STTitle1->setText("Width = " + nm(s1) + " nm");
        DrawWell(s1);
        break;
    case RowSymmetricWell:
        // Each well fits within the centre-to-centre distance. Lowering the maximum may move
        // Slider2, whose own handler then rebuilds and redraws first.
        Slider2->setMaximum(s1);
        STRight2->setText(nm(Slider2->maximum()));
        STTitle1->setText("Ctr to Ctr = " + nm(s1) + " nm");
        DrawDoubleWell(s1, Slider2->value());
        break;
    case RowUneven:
        STTitle1->setText("Width = " + nm(s1) + " nm");
        DrawUnevenWell(s1, Slider2->value(), Slider3->value());
        break;
    case RowRamp:
        DrawRamp(s1, Slider2->value());
        break;
    case RowOscillator:
        DrawOscillator(s1 / 1000.0);
        break;
    default:
        break;
    }
    redrawAfterParameterChange();
}

void Window1::Slider2_ValueChanged() {
    if (beingChanged) return;
    const int s2 = Slider2->value();
    switch (row()) {
    case RowSymmetricWell:
        STTitle2->setText("Well Width = " + nm(s2) + " nm");
        DrawDoubleWell(Slider1->value(), s2);
        break;
    case RowUneven:
        STTitle2->setText("Left Height = " + Str(s2) + " eV");
        DrawUnevenWell(Slider1->value(), s2, Slider3->value());
        break;
    case RowRamp:
        STTitle2->setText("Height = " + Str(s2) + " eV");
        DrawRamp(Slider1->value(), s2);
        break;
    default:
        break;
    }
    redrawAfterParameterChange();
}

void Window1::Slider3_ValueChanged() {
    if (beingChanged) return;
    if (row() == RowUneven) {
        const int s3 = Slider3->value();
        STTitle3->setText("Right Height = " + Str(s3) + " eV");
        DrawUnevenWell(Slider1->value(), Slider2->value(), s3);
    }
    redrawAfterParameterChange();
}

void Window1::PMSymmetric_Change() {
    solver.symmetric = PMSymmetric->currentIndex() == 0;
    DrawEta();
    DrawEtaToScreen();
    Graph2->ReDrawAll();
    Graph2->UpdateScreen();
}
