#pragma once

// Axis arithmetic of the Graph control: functions of the limits and the frame size that compute
// and return. Nothing here draws; the Graph's zDraw... methods paint what these hand them.

#include <QString>

#include <vector>

namespace scale {

// Option bits of an axis (Graph::XFlags, Graph::YFlags).
inline constexpr int kTixPix = 31;  // minimum pixels between minor ticks, 3 ... 31
inline constexpr int kAdjust = 32;  // round the limits outward to labelled ticks
inline constexpr int kMajTix = 64;  // labelled ticks with numbers
inline constexpr int kMinTix = 128; // minor ticks between them
inline constexpr int kZeroLn = 256; // line where the other coordinate is zero
inline constexpr int kTicks = kMajTix | kMinTix;

// Round to nearest, halves away from zero. NaN gives 0 and values beyond the int range are
// clamped, so that no double ever turns into an undefined integer.
int RoundToInt(double v);

// The n-th value of the 1-2-5 series: ... 0.5, 1, 2, 5, 10, 20 ...
double TickSize(int n);

// Number pattern for tick labels whose labelled step (in units of the power factor) is `step`.
QString TickFormat(double step);

// Power of ten (a multiple of 3) factored out of the tick labels of an axis of this span.
int TickPower(double span);

// Index of the minor tick step: the smallest 1-2-5 step at least about tixPix pixels apart.
int TickIndex(double span, int tixPix, int pixels, int power);

// Whether [min, max] can be scaled onto `pixels`: a finite span > 0 whose scale is finite too.
// A NaN or infinite limit always fails.
bool UsableRange(double min, double max, int pixels);

struct AxisScale {
    int power = 0;
    int tickN = 0;
    double min = 0;
    double max = 0;
    double vToPix = 0;
};

// The axis for [min, max] on `pixels` pixels with the option bits `flags`. Requires
// UsableRange(min, max, pixels). The outward rounding is skipped where it would overflow.
AxisScale ScaleAxis(double min, double max, int pixels, int flags);

struct Tick {
    double value = 0;       // in data units
    bool major = false;     // labelled
    bool lastMajor = false; // the last labelled tick: the power note goes under it
    QString label;          // number text of a labelled tick, in units of the power factor
};

// Ticks of an axis in ascending order: every labelled tick, and the minor ones between them when
// `minor` is set. Ticks within 5 % of a minor step beyond a limit are included. Empty when the
// numbers are too large to count ticks on.
std::vector<Tick> Ticks(double min, double max, int tickN, int power, bool minor);

// The first and last tick label texts; the wider one sizes the margin.
struct OuterLabels {
    QString first;
    QString last;
};
OuterLabels TickWidthLabels(double min, double max, int tickN, int power);

// Frame margins from the measured title and labels.
int TopMargin(int titleHeight);
int BottomMargin(int xLabelHeight, bool xTicks);
int LeftMargin(int yLabelWidth, bool yTicks, int yTickWidth);

// Value to pixel offset from the axis origin (0 ... pixels). A value beyond a limit (by more
// than 0.00001 of the limit's magnitude) or NaN is out of range and gets the nearer edge (NaN
// the origin); an in-range value never maps beyond the edges either. `exact` is the offset
// before rounding, within the same edges, for devices finer than a pixel.
struct Mapped {
    int offset = 0;
    bool outside = false;
    double exact = 0;
};
Mapped ToPixel(double v, double min, double max, double vToPix, int pixels);

// Pixel offset from the axis origin to value; outside the limits gives 0 and `outside`.
struct Unmapped {
    double value = 0;
    bool outside = false;
};
Unmapped ToValue(double offset, double min, double max, double vToPix);

} // namespace scale
