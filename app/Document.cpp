#include "app/Document.h"

#include "platform/NumberText.h"
#include "solver/core/PotentialRows.h"
#include "solver/core/Setup.h"

Document CaptureDocument(const Setup& v) {
    Document d;
    d.row = v.row;
    for (std::size_t n = 0; n < std::size_t(RowOf(d.row).sliderCount); ++n)
        d.sliders.push_back(v.sliders[n]);
    d.even = v.even;
    if (v.reshape) {
        Solver built;
        BuildPotential(v, built);
        for (int k = 0; k <= HandleLast; ++k)
            if ((*v.reshape)[std::size_t(k)] != NoHandle)
                d.handles.push_back({k, (*v.reshape)[std::size_t(k)]});
        d.potential.assign(built.PEGraph.begin() + WindowFirst,
                           built.PEGraph.begin() + WindowLast + 1);
    }
    d.energy = QString::fromStdString(v.energyText);
    d.mass = v.mass;
    return d;
}

Setup SetupOf(const Document& d) {
    Setup v;
    v.row = d.row;
    for (std::size_t n = 0; n < d.sliders.size() && n < v.sliders.size(); ++n)
        v.sliders[n] = d.sliders[n];
    v.even = d.even;
    if (d.Reshaped()) {
        Handles points;
        points.fill(NoHandle);
        for (const Document::Handle& h : d.handles) points[std::size_t(h.index)] = h.value;
        v.reshape = points;
    }
    v.energyText = d.energy.toStdString();
    v.energy = Val(d.energy);
    v.mass = d.mass;
    return v;
}
