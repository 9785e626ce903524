// Axis drawing: title and labels, ticks, tick numbers, power notes, grid and zero lines. The
// ticks come from scale::Ticks; these methods only paint them.

#include "graph/Graph.h"

#include "graph/Scale.h"

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
    DrawAxis(false);
}

void Graph::zDrawYAxis() {
    DrawAxis(true);
}

void Graph::DrawAxis(bool vertical) {
    if (!GX) return;
    const int flags = vertical ? YFlags : XFlags;
    const int power = vertical ? YTPower : XTPower;
    const double min = vertical ? YMin : XMin;
    const double max = vertical ? YMax : XMax;
    const Color savedColor = GX->ForeColor();
    const QString savedFont = GX->TextFont();
    const int savedSize = GX->TextSize();
    const int bottom = GTop + GHeight;
    const int right = GLeft + GWidth;
    const std::vector<scale::Tick> ticks =
        scale::Ticks(min, max, vertical ? YTickN : XTickN, power, (flags & scale::kMinTix) != 0);
    auto at = [&](double v) { return vertical ? YCoord(v) : XCoord(v); };

    int inset = 0;
    if (flags & scale::kTicks) {
        SetFontInfo(TickFont, TickFSize);
        for (const scale::Tick& t : ticks) {
            const int p = at(t.value);
            const int length = t.major ? kMajorTick : kMinorTick;
            if (vertical)
                GX->DrawLine(GLeft, p, GLeft - length, p);
            else
                GX->DrawLine(p, bottom, p, bottom + length);
            if (!t.major) continue;
            if (vertical) {
                const int w = RoundToInt(GX->StringWidth(t.label));
                GX->DrawString(t.label, GLeft - w - kYNumberGap, p + kYNumberDrop);
            } else {
                const double w = GX->StringWidth(t.label);
                GX->DrawString(t.label, p - RoundToInt(w / 2), bottom + kXNumberBaseline);
            }
            if (t.lastMajor && power != 0) {
                const QString note = SetSString(PowerNote(power));
                if (vertical)
                    DrawSString(note, GLeft - kYNumberGap, p + kYPowerDrop, 3);
                else
                    DrawSString(note, p, bottom + kXPowerBaseline, 2);
            }
        }
        GX->SetTextFont(savedFont);
        GX->SetTextSize(savedSize);
        inset = 1;
    }

    if (HasGrid) {
        SetColor(CGrid);
        for (const scale::Tick& t : ticks) {
            if (!t.major) continue;
            const int p = at(t.value);
            if (vertical && p != GTop && p != bottom)
                GX->DrawLine(GLeft + inset, p, right - inset, p);
            else if (!vertical && p != GLeft && p != right)
                GX->DrawLine(p, bottom - inset, p, GTop + inset);
        }
        SetColor(savedColor);
    }

    if (min < 0 && 0 < max && (flags & scale::kZeroLn)) {
        SetColor(Color{0, 0, 0});
        const int p = at(0.0);
        if (vertical)
            GX->DrawLine(GLeft, p, right, p);
        else
            GX->DrawLine(p, bottom, p, GTop);
        SetColor(savedColor);
    }
}
