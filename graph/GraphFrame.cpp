// The Graph's geometry: plot frame, axis scaling and the mapping between values and pixels.

#include "graph/Graph.h"

#include "graph/Scale.h"
#include "platform/NumberText.h"

#include <algorithm>
#include <cmath>

namespace {

// DefSqGraph shrinks the wider axis in steps of 3 % at each end; this many steps take any range
// far below a pixel, so the loop ends even when rounding stops it from shrinking.
constexpr int kMaxSquareSteps = 1000;

} // namespace

Graph::Geometry Graph::SaveGeometry() const {
    return {GLeft, GTop,    GWidth,  GHeight, XMin,    XMax,   YMin,
            YMax,  XVtoPix, YVToPix, XTickN,  XTPower, YTickN, YTPower};
}

void Graph::RestoreGeometry(const Geometry& g) {
    GLeft = g.left;
    GTop = g.top;
    GWidth = g.width;
    GHeight = g.height;
    XMin = g.xMin;
    XMax = g.xMax;
    YMin = g.yMin;
    YMax = g.yMax;
    XVtoPix = g.xVtoPix;
    YVToPix = g.yVToPix;
    XTickN = g.xTickN;
    XTPower = g.xTPower;
    YTickN = g.yTickN;
    YTPower = g.yTPower;
}

void Graph::DefineGraph(double xmin, double xmax, double ymin, double ymax) {
    zDefineGRect(xmin, xmax, ymin, ymax);
    DrawFrameAndAxes();
}

void Graph::DrawFrameAndAxes() {
    ClearFrame();
    if (GX) {
        const Color saved = GX->ForeColor();
        SetColor(CBlack);
        // XCoord and YCoord reach from GLeft to GLeft + GWidth and from GTop to GTop + GHeight,
        // so the frame's lines are drawn on those pixels: what is clamped to an edge lies on it.
        GX->DrawRect(GLeft, GTop, GWidth + 1, GHeight + 1);
        zDrawLabels();
        zDrawXAxis();
        zDrawYAxis();
        SetColor(saved);
    }
    UpdateScreen();
}

void Graph::zDefineGRect(double xmin, double xmax, double ymin, double ymax) {
    const Geometry before = SaveGeometry();
    // Limits that cannot be scaled leave the graph as it was, not half redefined.
    auto defineAxis = [&](auto define) {
        try {
            define();
        } catch (const GraphError&) {
            RestoreGeometry(before);
            throw;
        }
    };

    const int top = scale::TopMargin(GetSSHeight(Title));
    const int bottom = scale::BottomMargin(GetSSHeight(XLabel), (XFlags & scale::kTicks) != 0);
    GHeight = FHeight - top - bottom;
    if (GHeight < 100) {
        GHeight = 0;
        throw GraphError(QStringLiteral("zDefineGRect: Graph is not tall enough."));
    }

    // The y axis comes first: the left margin depends on its tick labels.
    defineAxis([&] { zDefineYAxis(ymin, ymax); });
    const bool yTicks = (YFlags & scale::kTicks) != 0;
    const int left = scale::LeftMargin(GetSSWidth(YLabel), yTicks, yTicks ? zYTickWidth() : 0);
    GLeft = left;
    GTop = top;
    GWidth = FWidth - left - 16;
    if (GWidth < 100) {
        GLeft = GTop = GWidth = GHeight = 0;
        throw GraphError(QStringLiteral("zDefineGRect: Graph too small."));
    }
    defineAxis([&] { zDefineXAxis(xmin, xmax); });
}

void Graph::zDefineXAxis(double min, double max) {
    if (GWidth < 1) throw GraphError(QStringLiteral("zDefineXAxis: Graph Width is undefined."));
    if (!scale::UsableRange(min, max, GWidth))
        throw GraphError(QStringLiteral("zDefineXAxis: x axis range is ") + Str(max - min));
    const scale::AxisScale a = scale::ScaleAxis(min, max, GWidth, XFlags);
    XTPower = a.power;
    XTickN = a.tickN;
    XMin = a.min;
    XMax = a.max;
    XVtoPix = a.vToPix;
}

void Graph::zDefineYAxis(double min, double max) {
    if (GHeight < 1) throw GraphError(QStringLiteral("zDefineYAxis: Graph Height is undefined."));
    if (!scale::UsableRange(min, max, GHeight))
        throw GraphError(QStringLiteral("zDefineYAxis: y axis range is ") + Str(max - min));
    const scale::AxisScale a = scale::ScaleAxis(min, max, GHeight, YFlags);
    YTPower = a.power;
    YTickN = a.tickN;
    YMin = a.min;
    YMax = a.max;
    YVToPix = a.vToPix;
}

void Graph::DefSqGraph(double lo, double hi) {
    const Geometry before = SaveGeometry();
    zDefineGRect(lo, hi, lo, hi);
    try {
        const bool widenX = YVToPix < XVtoPix;
        double& vMin = widenX ? XMin : YMin;
        double& vMax = widenX ? XMax : YMax;
        double& wideScale = widenX ? XVtoPix : YVToPix; // the axis with more pixels per unit
        double& narrowScale = widenX ? YVToPix : XVtoPix;
        int& start = widenX ? GLeft : GTop;
        int& extent = widenX ? GWidth : GHeight;
        const int flags = widenX ? XFlags : YFlags;
        auto define = [&](double min, double max) {
            if (widenX)
                zDefineXAxis(min, max);
            else
                zDefineYAxis(min, max);
        };

        // Widen the range about its ends so that at the narrower scale it spans the frame:
        // f = 0 for equal scales, and the widened span is r times the old one.
        const double r = wideScale / narrowScale;
        const double f = (r - 1) * (vMax - vMin) / (std::fabs(vMax) + std::fabs(vMin));
        define(vMin - f * std::fabs(vMin), vMax + f * std::fabs(vMax));

        // The outward rounding may have made this scale the smaller one: shrink until it fits.
        if (flags & scale::kAdjust) {
            double a = vMax;
            double c = vMin;
            for (int step = 0; step < kMaxSquareSteps && wideScale < narrowScale; ++step) {
                const double a0 = a;
                const double c0 = c;
                a = a - 0.03 * (a - c);
                c = c + 0.03 * (a - c);
                if (a == a0 && c == c0) break; // rounding has stopped the shrinking
                define(c, a);
            }
        }

        // The frame shrinks symmetrically about its old centre; it never grows.
        const int w = std::clamp(scale::RoundToInt(narrowScale * (vMax - vMin)), 0, extent);
        start += scale::RoundToInt(0.5 * (extent - w));
        extent = w;
        wideScale = narrowScale;
    } catch (const GraphError&) {
        RestoreGeometry(before);
        throw;
    }
    DrawFrameAndAxes();
}

double Graph::zTickSize(int n) const {
    return scale::TickSize(n);
}

QString Graph::zTickFormat(double step) const {
    return scale::TickFormat(step);
}

int Graph::TickLabelWidth(double min, double max, int tickN, int power) {
    if (!GX) return 0;
    const QString font = GX->TextFont();
    const int size = GX->TextSize();
    // Measured in the font the numbers are drawn in (the tick font, bold and italic as GX).
    SetFontInfo(TickFont, TickFSize);
    const scale::OuterLabels labels = scale::TickWidthLabels(min, max, tickN, power);
    const int width = std::max(scale::RoundToInt(GX->StringWidth(labels.first)),
                               scale::RoundToInt(GX->StringWidth(labels.last)));
    GX->SetTextFont(font);
    GX->SetTextSize(size);
    return width;
}

int Graph::zXTickWidth() {
    return TickLabelWidth(XMin, XMax, XTickN, XTPower);
}

int Graph::zYTickWidth() {
    return TickLabelWidth(YMin, YMax, YTickN, YTPower);
}

int Graph::XCoord(double x) {
    if (GWidth <= 0) throw GraphError(QStringLiteral("XCoord: Graph not yet defined."));
    const scale::Mapped m = scale::ToPixel(x, XMin, XMax, XVtoPix, GWidth);
    if (m.outside) RErr = true;
    return GLeft + m.offset;
}

int Graph::YCoord(double y) {
    if (GHeight <= 0) throw GraphError(QStringLiteral("YCoord: Graph not yet defined."));
    const scale::Mapped m = scale::ToPixel(y, YMin, YMax, YVToPix, GHeight);
    if (m.outside) RErr = true;
    return GTop + GHeight - m.offset;
}

double Graph::XToVal(int h) {
    if (GWidth <= 0) throw GraphError(QStringLiteral("XToVal: Graph is not defined."));
    const scale::Unmapped u = scale::ToValue(static_cast<double>(h) - GLeft, XMin, XMax, XVtoPix);
    if (u.outside) RErr = true;
    return u.value;
}

double Graph::YToVal(int v) {
    if (GHeight <= 0) throw GraphError(QStringLiteral("YToVal: Graph is not defined."));
    const scale::Unmapped u =
        scale::ToValue(static_cast<double>(GTop) + GHeight - v, YMin, YMax, YVToPix);
    if (u.outside) RErr = true;
    return u.value;
}
