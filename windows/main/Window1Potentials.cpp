// The choice of potential and its parameter sliders, and how the window shows the model.
#include "graph/Graph.h"
#include "model/EnergyText.h"
#include "model/Model.h"
#include "model/Particles.h"
#include "platform/NumberText.h"
#include "solver/core/PotentialRows.h"
#include "windows/common/PlotRanges.h"
#include "windows/common/RowTexts.h"
#include "windows/main/Window1.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolTip>

#include <algorithm>

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
    if (!info.titleShowsValue) return RowText(info.title);
    return RowText(info.title) + inUnits(info, group(n).slider->value()) + ' ' + text(info.unit);
}

QString Window1::sliderValueText(int n) const {
    const SliderInfo& info = RowOf(row()).sliders[std::size_t(n - 1)];
    const QString value = inUnits(info, group(n).slider->value());
    return info.unit.empty() ? value : value + ' ' + text(info.unit);
}

void Window1::showRowControls() {
    const Setup& v = model_.Value();
    const RowInfo& r = RowOf(v.row);
    const QSignalBlocker quietRow(PopupMenu1), quietParity(PMSymmetric);
    const QSignalBlocker quiet1(Slider1), quiet2(Slider2), quiet3(Slider3);
    PopupMenu1->setCurrentIndex(v.row);
    // Ranges and values first, then the texts from the values read back.
    for (int n = 1; n <= r.sliderCount; ++n) {
        const SliderInfo& info = r.sliders[std::size_t(n - 1)];
        QSlider* slider = group(n).slider;
        slider->setMinimum(info.min);
        slider->setMaximum(info.maxFollowsSlider1 ? v.sliders[0] : info.max);
        // A click in the groove, Page Up and Page Down move a tenth of the range.
        slider->setPageStep(std::max(1, (slider->maximum() - slider->minimum()) / 10));
        slider->setValue(v.sliders[std::size_t(n - 1)]);
    }
    for (int n = 1; n <= r.sliderCount; ++n) {
        const SliderInfo& info = r.sliders[std::size_t(n - 1)];
        const SliderGroup g = group(n);
        g.title->setText(sliderTitle(n));
        // The value with its unit, also where the title shows none (slope, narrowness).
        g.slider->setToolTip(sliderValueText(n));
        g.slider->setAccessibleName(RowText(info.what));
        g.left->setText(info.leftText.empty() ? inUnits(info, g.slider->minimum())
                                              : RowText(info.leftText));
        g.right->setText(info.rightText.empty() ? inUnits(info, g.slider->maximum())
                                                : RowText(info.rightText));
    }
    for (int n = 1; n <= 3; ++n) {
        const SliderGroup g = group(n);
        const bool visible = n <= r.sliderCount;
        g.slider->setVisible(visible);
        g.title->setVisible(visible);
        g.left->setVisible(visible);
        g.right->setVisible(visible);
    }
    PMSymmetric->setCurrentIndex(v.even ? 0 : 1);
    PMSymmetric->setVisible(r.hasParity);
}

void Window1::showRow() {
    const int r = model_.Value().row;
    const PlotRange potential = PotentialRange(r);
    const PlotRange psi = PsiRange(r);
    Graph1->DefineGraph(potential.xMin, potential.xMax, potential.yMin, potential.yMax);
    Graph2->DefineGraph(psi.xMin, psi.xMax, psi.yMin, psi.yMax);
    StaticText1->setVisible(r == RowDraw);
}

void Window1::showTitles() {
    const double mass = model_.Value().mass;
    const QString particle = IsElectron(mass) ? QString() : QStringLiteral(", ") + MassText(mass);
    Graph2->SetTitle(tr("Solution for Energy = ") + ShownEnergyText(solver.Energy) +
                     QStringLiteral(" eV") + particle);
}

void Window1::Model_Changed(int what) {
    const Setup& v = model_.Value();
    {
        const QScopedValueRollback quiet(beingChanged, true);
        if (what & (Model::RowChanged | Model::SlidersChanged | Model::ParityChanged))
            showRowControls();
        if (what & Model::RowChanged) showRow();
        // Only a new energy replaces the field's text: a slider move keeps what was typed.
        const QString energy = QString::fromStdString(v.energyText);
        if ((what & Model::EnergyChanged) && EFEnergy->text() != energy) {
            const QSignalBlocker quietField(EFEnergy);
            EFEnergy->setText(energy);
        }
    }
    BuildPotential(v, solver);
    // The energy shown, as the integration reads it.
    solver.Energy = Val(EFEnergy->text());
    DrawEta();
    DrawEtaToScreen();
    Graph1->ReDrawAll();
    Graph1->UpdateScreen();
    showTitles();
    Graph2->ReDrawAll();
    Graph2->UpdateScreen();
}

void Window1::PopupMenu1_Change() {
    if (beingChanged) return;
    if (!model_.ChooseRow(row()) && beep) beep();
}

void Window1::sliderMoved(int n) {
    if (beingChanged) return;
    if (n > RowOf(row()).sliderCount) return;
    const SliderGroup g = group(n);
    model_.MoveSlider(n, g.slider->value(), g.slider->isSliderDown());
    // While it moves, the value and its unit beside the thumb.
    if (g.slider->isSliderDown() || g.slider->hasFocus())
        QToolTip::showText(g.slider->mapToGlobal(QPoint(0, -g.slider->height())),
                           sliderValueText(n), g.slider);
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
    if (beingChanged) return;
    model_.SetParity(PMSymmetric->currentIndex() == 0);
}
