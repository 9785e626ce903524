#include "graph/Scale.h"

#include "platform/NumberText.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <limits>

namespace scale {

namespace {

const double kInvLog10 = 1.0 / std::log(10.0);

// Tick indices beyond this cannot be told apart in a double; such an axis gets no ticks.
constexpr double kMaxIndex = 1e15;
// More ticks than this on one axis only happens with absurd numbers; they would be unreadable.
constexpr std::int64_t kMaxTicks = 20000;

// 10^p, exact for the powers the axes use (|p| <= 22) and correctly rounded beyond.
double Pow10(int p) {
    p = std::clamp(p, -400, 400); // beyond, the result is 0 or infinite anyway
    return p >= 0 ? std::pow(10.0, p) : 1.0 / std::pow(10.0, -p);
}

// Tick indices far beyond any double's 1-2-5 step; keeps n + 2 and the series' arithmetic
// defined whatever was written into the tick fields.
int SaneIndex(int n) {
    return std::clamp(n, -1000, 1000);
}

// ceil/floor of an index, or nothing when it cannot be an exact integer.
bool ToIndex(double v, std::int64_t& out) {
    if (!std::isfinite(v) || std::fabs(v) > kMaxIndex) return false;
    out = static_cast<std::int64_t>(v);
    return true;
}

} // namespace

int RoundToInt(double v) {
    if (std::isnan(v)) return 0;
    const double r = std::round(v);
    if (r <= static_cast<double>(INT_MIN)) return INT_MIN;
    if (r >= static_cast<double>(INT_MAX)) return INT_MAX;
    return static_cast<int>(r);
}

double TickSize(int n) {
    static constexpr double mantissa[3] = {1, 2, 5};
    n = SaneIndex(n);
    const int q = n >= 0 ? n / 3 : -((-n + 2) / 3); // floor(n / 3)
    const int r = n - 3 * q;
    // Dividing by an exact power of ten keeps 0.1, 0.2, 0.5 ... correctly rounded.
    return q >= 0 ? mantissa[r] * std::pow(10.0, q) : mantissa[r] / std::pow(10.0, -q);
}

QString TickFormat(double step) {
    if (step >= 1) return QStringLiteral("-#0");
    if (step >= 0.1) return QStringLiteral("-#0.0");
    if (step >= 0.01) return QStringLiteral("-#0.00");
    if (step >= 0.001) return QStringLiteral("-#0.000");
    return QStringLiteral("-#0.0000");
}

int TickPower(double span) {
    if (span > 0.01 && span < 10000) return 0;
    return 3 * RoundToInt(std::floor(std::log(span) / std::log(1000.0) + 0.00001));
}

int TickIndex(double span, int tixPix, int pixels, int power) {
    const double ratio = span * tixPix / pixels / Pow10(power);
    return SaneIndex(RoundToInt(std::ceil(3 * (std::log(ratio) * kInvLog10) - 0.15)));
}

bool UsableRange(double min, double max, int pixels) {
    const double span = max - min;
    return std::isfinite(span) && span > 0 && pixels > 0 && std::isfinite(pixels / span);
}

AxisScale ScaleAxis(double min, double max, int pixels, int flags) {
    AxisScale a;
    const double span = max - min;
    a.power = TickPower(span);
    const double f = Pow10(a.power);
    // The setters keep TixPix in 3 ... 31; flags written directly may hold less.
    a.tickN = TickIndex(span, std::max(flags & kTixPix, 3), pixels, a.power);
    a.min = min;
    a.max = max;
    if (flags & kAdjust) {
        const double s = TickSize(a.tickN + 2);
        const double g = s * f;
        const double lo = s * std::floor(min / g + 0.05) * f;
        const double hi = s * std::ceil(max / g - 0.05) * f;
        // Near the largest doubles the rounded limits can overflow; keep the requested ones.
        if (UsableRange(lo, hi, pixels)) {
            a.min = lo;
            a.max = hi;
        }
    }
    a.vToPix = pixels / (a.max - a.min);
    return a;
}

std::vector<Tick> Ticks(double min, double max, int tickN, int power, bool minor) {
    std::vector<Tick> ticks;
    tickN = SaneIndex(tickN);
    const double minorStep = TickSize(tickN);
    const double majorStep = TickSize(tickN + 2);
    const std::int64_t ratio = std::max(1, RoundToInt(majorStep / minorStep)); // 5, 5 or 4
    const double f = Pow10(power);

    std::int64_t first = 0;
    std::int64_t last = 0;
    std::int64_t next = 0;
    if (!ToIndex(std::ceil(min / (minorStep * f) - 0.05), first) ||
        !ToIndex(std::floor(max / (minorStep * f) + 0.05), last) ||
        !ToIndex(std::ceil(min / (majorStep * f) - 0.05), next) || last - first > kMaxTicks)
        return ticks;
    next *= ratio;
    // The labelled allowance is a fraction of the labelled step, so with unadjusted limits the
    // first labelled index can fall before the first tick; then no tick would ever match it.
    if (next < first) next += (first - next + ratio - 1) / ratio * ratio;

    const QString format = TickFormat(majorStep);
    ticks.reserve(static_cast<std::size_t>(std::max<std::int64_t>(0, last - first + 1)));
    for (std::int64_t i = first; i <= last; ++i) {
        const double units = static_cast<double>(i) * minorStep;
        if (i == next) {
            next += ratio;
            ticks.push_back({units * f, true, next > last, Format(units, format)});
        } else if (minor) {
            ticks.push_back({units * f, false, false, {}});
        }
    }
    return ticks;
}

OuterLabels TickWidthLabels(double min, double max, int tickN, int power) {
    const double s = TickSize(SaneIndex(tickN) + 2);
    const double g = s * Pow10(power);
    const QString format = TickFormat(s);
    const double a = s * std::ceil(min / g - 0.05); // -0 for min 0: Format shows "0"
    const double b = s * std::floor(max / g + 0.05);
    return {Format(a, format), Format(b, format)};
}

int TopMargin(int titleHeight) {
    return titleHeight + 16;
}

int BottomMargin(int xLabelHeight, bool xTicks) {
    int b = xLabelHeight;
    if (b > 0) b += 8;
    if (xTicks) b += 14;
    return b + 8 == 8 ? 16 : b + 8;
}

int LeftMargin(int yLabelWidth, bool yTicks, int yTickWidth) {
    int l = yLabelWidth;
    if (yTicks) l += yTickWidth + 8;
    if (l > 0) l += 8;
    return l + 8 == 8 ? 16 : l + 8;
}

Mapped ToPixel(double v, double min, double max, double vToPix, int pixels) {
    // Infinities are tested on their own: near the largest doubles the allowance overflows.
    constexpr double inf = std::numeric_limits<double>::infinity();
    const double edge = static_cast<double>(pixels);
    if (std::isnan(v) || v == -inf || v < min - std::fabs(min) * 0.00001) return {0, true, 0.0};
    if (v == inf || v > max + std::fabs(max) * 0.00001) return {pixels, true, edge};
    // The allowance beyond a limit is relative to its magnitude: on a narrow axis far from zero
    // it spans many pixels, which must still land on the frame.
    const double exact = std::clamp((v - min) * vToPix, 0.0, edge);
    return {RoundToInt(std::clamp(std::round(exact), 0.0, edge)), false, exact};
}

Unmapped ToValue(double offset, double min, double max, double vToPix) {
    const double v = offset / vToPix + min;
    if (min - std::fabs(min) * 0.00001 < v && v < max + std::fabs(max) * 0.00001) return {v, false};
    return {0, true};
}

} // namespace scale
