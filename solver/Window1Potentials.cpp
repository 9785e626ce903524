// The choice of potential and its parameter sliders.
#include "graph/Graph.h"
#include "platform/NumberText.h"
#include "solver/Window1.h"
#include "solver/core/PotentialRows.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>

namespace {

QString text(std::string_view s) {
    return QString::fromLatin1(s.data(), qsizetype(s.size()));
}

// A slider value as the slider's labels show it: in nm or eV, without trailing zeros.
QString inUnits(const SliderInfo& info, int value) {
    return Str(double(value) / info.perUnit);
}

} // namespace

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

QString Window1::sliderTitle(int n) const {
    const SliderInfo& info = RowOf(row()).sliders[std::size_t(n - 1)];
    if (!info.titleShowsValue) return text(info.title);
    return text(info.title) + inUnits(info, group(n).slider->value()) + ' ' + text(info.unit);
}

void Window1::setUpRowControls() {
    const RowInfo& r = RowOf(row());
    // Ranges and values first, then the texts from the values read back.
    for (int n = 1; n <= r.sliderCount; ++n) {
        const SliderInfo& info = r.sliders[std::size_t(n - 1)];
        QSlider* slider = group(n).slider;
        slider->setMinimum(info.min);
        slider->setMaximum(info.maxFollowsSlider1 ? Slider1->value() : info.max);
        slider->setPageStep(1);
        slider->setValue(info.start);
    }
    for (int n = 1; n <= r.sliderCount; ++n) {
        const SliderInfo& info = r.sliders[std::size_t(n - 1)];
        const SliderGroup g = group(n);
        g.title->setText(sliderTitle(n));
        g.left->setText(info.leftText.empty() ? inUnits(info, g.slider->minimum())
                                              : text(info.leftText));
        g.right->setText(info.rightText.empty() ? inUnits(info, g.slider->maximum())
                                                : text(info.rightText));
    }
    for (int n = 1; n <= 3; ++n) {
        const SliderGroup g = group(n);
        const bool visible = n <= r.sliderCount;
        g.slider->setVisible(visible);
        g.title->setVisible(visible);
        g.left->setVisible(visible);
        g.right->setVisible(visible);
    }
    PMSymmetric->setVisible(r.hasParity);
}

void Window1::buildPotential() {
    switch (row()) {
    case RowWell:
        DrawWell(Slider1->value());
        break;
    case RowSymmetricWell:
        DrawDoubleWell(Slider1->value(), Slider2->value());
        break;
    case RowUneven:
        DrawUnevenWell(Slider1->value(), Slider2->value(), Slider3->value());
        break;
    case RowRamp:
        DrawRamp(Slider1->value(), Slider2->value());
        break;
    case RowOscillator:
        DrawOscillator(OscillatorStrength(Slider1->value()));
        break;
    case RowHydrogen:
        DrawHydrogen();
        break;
    case RowDraw:
        DrawGraph();
        break;
    default:
        break;
    }
}

void Window1::DrawGraph() {
    solver.DrawFlat();
    Graph1->SetColor({255, 0, 0});
    Graph1->DrawShape(-1.75, solver.PEGraph[0], 5);
    Graph1->DrawShape(1.75, solver.PEGraph[GridLast], 5);
    Graph1->SetColor({0, 0, 0});
    DrawEta();
    DrawEtaToScreen();
}

void Window1::PopupMenu1_Change() {
    beingChanged = true;
    if (row() != RowDraw) {
        Drawing = false;
        StaticText1->hide();
    }
    if (row() != RowHydrogen) {
        Graph1->DefineGraph(-1.8, 1.8, 0, 20);
        Graph2->DefineGraph(-1.8, 1.8, -1, 1);
    }
    solver.NCrossings = 0;

    setUpRowControls();
    if (row() == RowHydrogen) {
        Graph1->DefineGraph(-0.05, 3.55, -20, 0);
        Graph2->DefineGraph(-0.05, 3.55, -1, 1);
    }
    if (row() == RowDraw) {
        Drawing = true;
        StaticText1->show();
    }
    buildPotential();

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
    emit changed();
}

void Window1::redrawAfterParameterChange() {
    DrawEta();
    DrawEtaToScreen();
    Graph1->ReDrawAll();
    Graph1->UpdateScreen();
    Graph2->ReDrawAll();
    Graph2->UpdateScreen();
    emit changed();
}

void Window1::sliderMoved(int n) {
    if (beingChanged) return;
    if (n <= RowOf(row()).sliderCount) {
        if (n == 1 && row() == RowSymmetricWell) {
            // Each well fits within the centre-to-centre distance. Lowering the maximum may move
            // Slider2, whose own handler then rebuilds and redraws first.
            Slider2->setMaximum(Slider1->value());
            STRight2->setText(inUnits(RowOf(row()).sliders[1], Slider2->maximum()));
        }
        group(n).title->setText(sliderTitle(n));
        buildPotential();
    }
    redrawAfterParameterChange();
}

void Window1::Slider1_ValueChanged() {
    sliderMoved(1);
}

void Window1::Slider2_ValueChanged() {
    sliderMoved(2);
}

void Window1::Slider3_ValueChanged() {
    sliderMoved(3);
}

void Window1::PMSymmetric_Change() {
    solver.symmetric = PMSymmetric->currentIndex() == 0;
    DrawEta();
    DrawEtaToScreen();
    Graph2->ReDrawAll();
    Graph2->UpdateScreen();
    emit changed();
}
