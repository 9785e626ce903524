#include "app/Document.h"

#include "solver/Window1.h"
#include "solver/core/PotentialRows.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSlider>

namespace {

QSlider* slider(const Window1& w, std::size_t n) {
    QSlider* const sliders[] = {w.Slider1, w.Slider2, w.Slider3};
    return sliders[n];
}

} // namespace

Document CaptureDocument(const Window1& w) {
    Document d;
    d.row = w.row();
    for (std::size_t n = 0; n < std::size_t(RowOf(d.row).sliderCount); ++n)
        d.sliders.push_back(slider(w, n)->value());
    d.even = w.PMSymmetric->currentIndex() == 0;
    if (w.Reshaped()) {
        for (int k = 0; k <= HandleLast; ++k)
            if (w.solver.Points[std::size_t(k)] != NoHandle)
                d.handles.push_back({k, w.solver.Points[std::size_t(k)]});
        d.potential.assign(w.solver.PEGraph.begin() + WindowFirst,
                           w.solver.PEGraph.begin() + WindowLast + 1);
    }
    d.energy = w.EFEnergy->text();
    return d;
}

void ApplyDocument(const Document& d, Window1& w) {
    // Choosing the row that is already chosen raises no change: run its handler all the same,
    // so the row starts afresh.
    if (w.PopupMenu1->currentIndex() == d.row)
        w.PopupMenu1_Change();
    else
        w.PopupMenu1->setCurrentIndex(d.row);
    // In the order a user would move them: the symmetric well's distance limits its widths.
    for (std::size_t n = 0; n < d.sliders.size() && n < 3; ++n)
        slider(w, n)->setValue(d.sliders[n]);
    w.PMSymmetric->setCurrentIndex(d.even ? 0 : 1);
    if (d.Reshaped()) {
        std::array<double, HandleLast + 1> points;
        points.fill(NoHandle);
        for (const Document::Handle& h : d.handles) points[std::size_t(h.index)] = h.value;
        w.RestoreHandles(points);
    }
    w.EFEnergy->setText(d.energy);
    w.PBDraw_Action();
}
