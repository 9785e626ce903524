// Axis drawing: title and labels, ticks, tick numbers, power notes, grid and zero lines. The
// ticks come from scale::Ticks; these methods only paint them.

#include "graph/Graph.h"

#include "graph/Scale.h"
#include "platform/GraphicsState.h"

namespace {

using scale::RoundToInt;

// Fixed distances in pixels.
constexpr int kMajorTick = 5;
constexpr int kMinorTick = 3;
constexpr int kXNumberBaseline = 15; // below the frame's bottom edge
constexpr int kXPowerBaseline = 25;
constexpr int kYNumberGap = 7;  // between a number's right end and the frame
constexpr int kYNumberDrop = 3; // number baseline below its tick
constexpr int kYPowerDrop = 13; // power note baseline below the last labelled tick

QString PowerNote(int power) {
    return QStringLiteral("!x10^") + QString::number(power) + QStringLiteral("^!");
}

} // namespace

void Graph::zDrawLabels() {
    const int cx = GLeft + RoundToInt(GWidth / 2.0);
    DrawSString(Title, cx, (GTop - 8) - RoundToInt(GetSSHeight(Title) / 2.0), 5);

    const int xBase = GTop + GHeight + ((XFlags & scale::kTicks) ? 22 : 8);
    DrawSString(XLabel, cx, xBase + RoundToInt(GetSSHeight(XLabel) / 2.0), 5);

    if (YLabel.isEmpty()) return; // spares measuring the tick labels
    const int cy = GTop + RoundToInt(GHeight / 2.0);
    const int yBase = (YFlags & scale::kTicks) ? GLeft - zYTickWidth() - 16 : GLeft - 8;
    DrawSString(YLabel, yBase - RoundToInt(GetSSWidth(YLabel) / 2.0), cy, 5);
}

void Graph::zDrawXAxis() {
    DrawAxis(Axis::X);
}

void Graph::zDrawYAxis() {
    DrawAxis(Axis::Y);
}

void Graph::DrawAxis(Axis axis) {
    if (!GX) return;
    const AxisFields a = Fields(axis);
    const bool vertical = axis == Axis::Y;
    const GraphicsStateKeeper keep(*GX);
    const int bottom = GTop + GHeight;
    // Across the axis: the frame side its ticks stand on, the way they point, the far side.
    const int base = vertical ? GLeft : bottom;
    const int outward = vertical ? -1 : 1;
    const int far = vertical ? GLeft + GWidth : GTop;
    // The lines of each colour go out in one call: an axis has dozens of ticks.
    std::vector<Point> lines;
    auto line = [&](int along1, int across1, int along2, int across2) {
        if (vertical)
            lines.insert(lines.end(), {Point{across1, along1}, Point{across2, along2}});
        else
            lines.insert(lines.end(), {Point{along1, across1}, Point{along2, across2}});
    };
    auto flush = [&] {
        GX->DrawLines(lines);
        lines.clear();
    };
    auto at = [&](double v) { return vertical ? YCoord(v) : XCoord(v); };
    const std::vector<scale::Tick> ticks =
        scale::Ticks(a.min, a.max, a.tickN, a.power, (a.flags & scale::kMinTix) != 0);

    int inset = 0;
    if (a.flags & scale::kTicks) {
        SetFontInfo(TickFont, TickFSize);
        for (const scale::Tick& t : ticks) {
            const int p = at(t.value);
            line(p, base, p, base + outward * (t.major ? kMajorTick : kMinorTick));
            if (!t.major) continue;
            // Numbers are centred under an x tick and right-aligned left of a y tick.
            const double w = GX->StringWidth(t.label);
            if (vertical)
                GX->DrawString(t.label, GLeft - RoundToInt(w) - kYNumberGap, p + kYNumberDrop);
            else
                GX->DrawString(t.label, p - RoundToInt(w / 2), bottom + kXNumberBaseline);
            if (t.lastMajor && a.power != 0) {
                const QString note = SetSString(PowerNote(a.power));
                if (vertical)
                    DrawSString(note, GLeft - kYNumberGap, p + kYPowerDrop, 3);
                else
                    DrawSString(note, p, bottom + kXPowerBaseline, 2);
            }
        }
        inset = 1;
    }
    flush();

    if (HasGrid) {
        SetColor(CGrid);
        for (const scale::Tick& t : ticks) {
            if (!t.major) continue;
            const int p = at(t.value);
            if (p != a.start && p != a.start + a.extent)
                line(p, base - outward * inset, p, far + outward * inset);
        }
        flush();
    }

    if (a.min < 0 && 0 < a.max && (a.flags & scale::kZeroLn)) {
        SetColor(Color{0, 0, 0});
        const int p = at(0.0);
        line(p, base, p, far);
        flush();
    }
}
