// The Graph's geometry: plot frame, axis scaling and the mapping between values and pixels.

#include "graph/Graph.h"

#include "graph/Scale.h"
#include "platform/GraphicsState.h"
#include "platform/NumberText.h"

#include <algorithm>
#include <cmath>

namespace {

// DefSqGraph shrinks the wider axis in steps of 3 % at each end; this many steps take any range
// far below a pixel, so the loop ends even when rounding stops it from shrinking.
constexpr int kMaxSquareSteps = 1000;

// How the failures of an axis' definition name it.
struct AxisNames {
    const char* routine;
    const char* extent;
    const char* letter;
};
constexpr AxisNames kXNames{"zDefineXAxis", "Width", "x"};
constexpr AxisNames kYNames{"zDefineYAxis", "Height", "y"};

} // namespace

Graph::AxisFields Graph::Fields(Axis axis) {
    if (axis == Axis::X) return {XMin, XMax, XVtoPix, XTickN, XTPower, XFlags, GLeft, GWidth};
    return {YMin, YMax, YVToPix, YTickN, YTPower, YFlags, GTop, GHeight};
}

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
    // Only the picture's own drawing is kept: a printer's page or another context draws anew.
    const bool own = GXP && GX == GXP->GetGraphics() && !Printing;
    std::optional<FrameKey> key;
    if (own) {
        const QImage& image = GXP->Image();
        key = FrameKey{
            SaveGeometry(), XFlags,   YFlags,       Title,        XLabel,
            YLabel,         TickFont, TickFSize,    HasGrid,      CBlack,
            CWhite,         CGrid,    StateOf(*GX), image.size(), image.devicePixelRatio()};
        if (RestoreFrame(*key)) return UpdateScreen();
    }
    ClearFrame();
    if (GX) {
        const GraphicsStateKeeper keep(*GX);
        SetColor(CBlack);
        // XCoord and YCoord reach from GLeft to GLeft + GWidth and from GTop to GTop + GHeight,
        // so the frame's lines are drawn on those pixels: what is clamped to an edge lies on it.
        GX->DrawRect(GLeft, GTop, GWidth + 1, GHeight + 1);
        zDrawLabels();
        DrawAxis(Axis::X);
        DrawAxis(Axis::Y);
    }
    if (key) KeepFrame(*key);
    UpdateScreen();
}

bool Graph::RestoreFrame(const FrameKey& key) {
    const auto kept = std::find_if(frameSnapshots_.begin(), frameSnapshots_.end(),
                                   [&key](const FrameSnapshot& f) { return f.key == key; });
    if (kept == frameSnapshots_.end() || !GXP->Restore(kept->pixels)) return false;
    std::rotate(frameSnapshots_.begin(), kept, kept + 1); // the newest first
    return true;
}

void Graph::KeepFrame(const FrameKey& key) {
    if (frameSnapshots_.size() == kKeptFrames) frameSnapshots_.pop_back();
    frameSnapshots_.insert(frameSnapshots_.begin(), FrameSnapshot{key, GXP->Image().copy()});
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
    defineAxis([&] { DefineAxis(Axis::Y, ymin, ymax); });
    const bool yTicks = (YFlags & scale::kTicks) != 0;
    const int left = std::max(MinLeftMargin, scale::LeftMargin(GetSSWidth(YLabel), yTicks,
                                                               yTicks ? TickWidth(Axis::Y) : 0));
    GLeft = left;
    GTop = top;
    GWidth = FWidth - left - std::max(16, MinRightMargin);
    if (GWidth < 100) {
        GLeft = GTop = GWidth = GHeight = 0;
        throw GraphError(QStringLiteral("zDefineGRect: Graph too small."));
    }
    defineAxis([&] { DefineAxis(Axis::X, xmin, xmax); });
}

void Graph::zDefineXAxis(double min, double max) {
    DefineAxis(Axis::X, min, max);
}

void Graph::zDefineYAxis(double min, double max) {
    DefineAxis(Axis::Y, min, max);
}

void Graph::DefineAxis(Axis axis, double min, double max) {
    const AxisFields f = Fields(axis);
    const AxisNames& name = axis == Axis::X ? kXNames : kYNames;
    const QString routine = QString::fromLatin1(name.routine) + QStringLiteral(": ");
    if (f.extent < 1)
        throw GraphError(routine + QStringLiteral("Graph ") + QString::fromLatin1(name.extent) +
                         QStringLiteral(" is undefined."));
    if (!scale::UsableRange(min, max, f.extent))
        throw GraphError(routine + QString::fromLatin1(name.letter) +
                         QStringLiteral(" axis range is ") + Str(max - min));
    const scale::AxisScale a = scale::ScaleAxis(min, max, f.extent, f.flags);
    f.power = a.power;
    f.tickN = a.tickN;
    f.min = a.min;
    f.max = a.max;
    f.vToPix = a.vToPix;
}

void Graph::DefSqGraph(double lo, double hi) {
    const Geometry before = SaveGeometry();
    zDefineGRect(lo, hi, lo, hi);
    try {
        // The axis with more pixels per unit is widened to the other's scale.
        const Axis widened = YVToPix < XVtoPix ? Axis::X : Axis::Y;
        const AxisFields w = Fields(widened);
        const AxisFields other = Fields(widened == Axis::X ? Axis::Y : Axis::X);

        // Widen the range about its ends so that at the narrower scale it spans the frame:
        // f = 0 for equal scales, and the widened span is r times the old one.
        const double r = w.vToPix / other.vToPix;
        const double f = (r - 1) * (w.max - w.min) / (std::fabs(w.max) + std::fabs(w.min));
        DefineAxis(widened, w.min - f * std::fabs(w.min), w.max + f * std::fabs(w.max));

        // The outward rounding may have made this scale the smaller one: shrink until it fits.
        if (w.flags & scale::kAdjust) {
            double a = w.max;
            double c = w.min;
            for (int step = 0; step < kMaxSquareSteps && w.vToPix < other.vToPix; ++step) {
                const double a0 = a;
                const double c0 = c;
                a = a - 0.03 * (a - c);
                c = c + 0.03 * (a - c);
                if (a == a0 && c == c0) break; // rounding has stopped the shrinking
                DefineAxis(widened, c, a);
            }
        }

        // The frame shrinks symmetrically about its old centre; it never grows.
        const int extent =
            std::clamp(scale::RoundToInt(other.vToPix * (w.max - w.min)), 0, w.extent);
        w.start += scale::RoundToInt(0.5 * (w.extent - extent));
        w.extent = extent;
        w.vToPix = other.vToPix;
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

int Graph::TickWidth(Axis axis) {
    if (!GX) return 0;
    const AxisFields a = Fields(axis);
    // Measured in the font the numbers are drawn in (the tick font, bold and italic as GX).
    const GraphicsStateKeeper keep(*GX);
    SetFontInfo(TickFont, TickFSize);
    const scale::OuterLabels labels = scale::TickWidthLabels(a.min, a.max, a.tickN, a.power);
    return std::max(scale::RoundToInt(GX->StringWidth(labels.first)),
                    scale::RoundToInt(GX->StringWidth(labels.last)));
}

int Graph::zXTickWidth() {
    return TickWidth(Axis::X);
}

int Graph::zYTickWidth() {
    return TickWidth(Axis::Y);
}

scale::Mapped Graph::MapX(double x) {
    if (GWidth <= 0) throw GraphError(QStringLiteral("XCoord: Graph not yet defined."));
    const scale::Mapped m = scale::ToPixel(x, XMin, XMax, XVtoPix, GWidth);
    if (m.outside) RErr = true;
    return m;
}

scale::Mapped Graph::MapY(double y) {
    if (GHeight <= 0) throw GraphError(QStringLiteral("YCoord: Graph not yet defined."));
    const scale::Mapped m = scale::ToPixel(y, YMin, YMax, YVToPix, GHeight);
    if (m.outside) RErr = true;
    return m;
}

int Graph::XCoord(double x) {
    return GLeft + MapX(x).offset;
}

int Graph::YCoord(double y) {
    return GTop + GHeight - MapY(y).offset;
}

double Graph::XCoordExact(double x) {
    return GLeft + MapX(x).exact;
}

double Graph::YCoordExact(double y) {
    return GTop + GHeight - MapY(y).exact;
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
