// Plot primitives in data coordinates. Points outside the axes are left out (or clamped to the
// frame where stated) and reported through RErr, which no primitive clears for good.

#include "graph/Graph.h"

#include "graph/Scale.h"
#include "platform/GraphicsState.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

using scale::RoundToInt;

// The range-error protocol: remember RErr, clear it, map, and on leaving (also by an exception)
// set it to the remembered value OR whatever the mapping reported.
class RangeWatch {
  public:
    explicit RangeWatch(bool& flag) : flag_(flag), saved_(flag) { flag_ = false; }
    ~RangeWatch() { flag_ = saved_ || flag_; }
    RangeWatch(const RangeWatch&) = delete;
    RangeWatch& operator=(const RangeWatch&) = delete;

    // Whether a mapping since the last call reported a value outside; clears the report.
    bool Take() {
        const bool hit = flag_;
        flag_ = false;
        return hit;
    }
    // Leaves `hit` as the outcome reported on leaving.
    void Report(bool hit) { flag_ = hit; }

  private:
    bool& flag_;
    bool saved_;
};

} // namespace

void Graph::DrawPoint(double x, double y) {
    RangeWatch watch(RErr);
    if (GX && GX->IsFine()) {
        const double fx = XCoordExact(x);
        const double fy = YCoordExact(y);
        if (!RErr) GX->FillFineDisc(fx, fy, 5);
        return;
    }
    const int px = XCoord(x);
    const int py = YCoord(y);
    if (!RErr && GX) GX->FillOval(px - 2, py - 2, 5, 5);
}

void Graph::CurveStart(double x, double y) {
    // Both pens, so that a curve started before GX changes continues on either kind.
    const scale::Mapped mx = MapX(x);
    const scale::Mapped my = MapY(y);
    PrevCurvH = GLeft + mx.offset;
    PrevCurvV = GTop + GHeight - my.offset;
    PrevCurvX = GLeft + mx.exact;
    PrevCurvY = GTop + GHeight - my.exact;
}

void Graph::CurveTo(double x, double y) {
    RangeWatch watch(RErr);
    const scale::Mapped mx = MapX(x);
    const scale::Mapped my = MapY(y);
    const int px = GLeft + mx.offset;
    const int py = GTop + GHeight - my.offset;
    const double fx = GLeft + mx.exact;
    const double fy = GTop + GHeight - my.exact;
    if (!RErr && GX) {
        if (GX->IsFine())
            GX->DrawFineLine(PrevCurvX, PrevCurvY, fx, fy);
        else
            GX->DrawLine(PrevCurvH, PrevCurvV, px, py);
    }
    PrevCurvH = px;
    PrevCurvV = py;
    PrevCurvX = fx;
    PrevCurvY = fy;
}

void Graph::DrawCurve(const std::vector<double>& xs, const std::vector<double>& ys) {
    RangeWatch watch(RErr);
    bool anyOutside = false;
    const bool fine = GX && GX->IsFine();
    std::vector<double> px, py; // the stretch being gathered, in pixels
    auto flush = [&] {
        if (px.size() >= 2 && GX) GX->DrawFinePolyline(px, py);
        px.clear();
        py.clear();
    };
    const std::size_t n = std::min(xs.size(), ys.size());
    for (std::size_t i = 0; i < n; ++i) {
        const scale::Mapped mx = MapX(xs[i]);
        const scale::Mapped my = MapY(ys[i]);
        const bool outside = watch.Take();
        anyOutside = anyOutside || outside;
        // As CurveTo: the segment into a point outside is not drawn; the next starts there.
        if (outside) flush();
        px.push_back(GLeft + (fine ? mx.exact : double(mx.offset)));
        py.push_back(GTop + GHeight - (fine ? my.exact : double(my.offset)));
    }
    flush();
    watch.Report(anyOutside);
}

void Graph::DrawShape(double x, double y, int shape) {
    RangeWatch watch(RErr);
    const int px = XCoord(x);
    const int py = YCoord(y);
    if (RErr || !GX) return;
    auto diagonalCross = [&] {
        GX->DrawLine(px - 2, py - 2, px + 2, py + 2);
        GX->DrawLine(px - 2, py + 2, px + 2, py - 2);
    };
    auto uprightCross = [&] {
        GX->DrawLine(px, py - 3, px, py + 3);
        GX->DrawLine(px - 3, py, px + 3, py);
    };
    switch (shape) {
    case 1:
        GX->DrawOval(px - 2, py - 2, 5, 5);
        break;
    case 2:
        GX->FillRect(px - 2, py - 2, 5, 5);
        break;
    case 3:
        GX->DrawRect(px - 2, py - 2, 4, 4);
        break;
    case 4:
        diagonalCross();
        break;
    case 5:
        uprightCross();
        break;
    case 6:
        GX->DrawOval(px - 3, py - 3, 7, 7);
        diagonalCross();
        break;
    case 7:
        GX->DrawOval(px - 3, py - 3, 7, 7);
        uprightCross();
        break;
    case 8:
        GX->FillPolygon({{px - 4, py - 3}, {px, py + 4}, {px + 4, py - 3}});
        break;
    case 9:
        GX->DrawPolygon({{px - 3, py - 2}, {px, py + 3}, {px + 3, py - 2}});
        break;
    default:
        GX->FillOval(px - 2, py - 2, 5, 5);
        break;
    }
}

void Graph::DrawVector(double x, double y, double dx, double dy) {
    RangeWatch watch(RErr);
    const double pdx = dx * XVtoPix;
    const double pdy = dy * YVToPix;
    const double length = std::hypot(pdx, pdy); // NaN or infinite for such components
    const double s = length > 20 ? 10 / length : 0.5;
    if (length > 2) {
        const int x1 = XCoord(x);
        const int y1 = YCoord(y);
        const int x2 = XCoord(x + dx);
        const int y2 = YCoord(y + dy);
        if (GX) GX->DrawLine(x1, y1, x2, y2);
    }
    watch.Take(); // only the tip's range error counts
    const int tx = XCoord(x + dx);
    const int ty = YCoord(y + dy);
    const bool tipOutside = watch.Take();
    // The head reaches s x length (at most 10) pixels behind the tip, within the margins.
    if (length > 10 && std::isfinite(length) && !tipOutside && GX) {
        const Point b1{tx + RoundToInt(-s * pdx - 0.5 * s * pdy),
                       ty - RoundToInt(-s * pdy + 0.5 * s * pdx)};
        const Point b2{b1.x + RoundToInt(s * pdy), b1.y + RoundToInt(s * pdx)};
        GX->FillPolygon({{tx, ty}, b1, b2});
    }
    watch.Report(tipOutside);
}

void Graph::DrawBar(double x, double y, double width) {
    const int left = XCoord(x - width / 2);
    const int right = XCoord(x + width / 2);
    const int base = YCoord(0);
    const int top = YCoord(y);
    if (left == right || base == top || !GX) return;
    // The box between the two corners, both included, as the frame is drawn.
    const int bx = std::min(left, right);
    const int by = std::min(base, top);
    const int bw = std::abs(right - left) + 1;
    const int bh = std::abs(top - base) + 1;
    if (GX->ForeColor() == CBlack) {
        GX->DrawRect(bx, by, bw, bh);
        return;
    }
    const GraphicsStateKeeper keep(*GX);
    GX->FillRect(bx, by, bw, bh);
    SetColor(CBlack);
    GX->DrawRect(bx, by, bw, bh);
}

void Graph::DrawXUBar(double x, double y, double plus, double minus) {
    RangeWatch watch(RErr);
    XCoord(x); // not used, but an undefined graph raises here as before
    watch.Take();
    const int py = YCoord(y);
    if (watch.Take()) {
        watch.Report(true);
        return;
    }
    const int xl = XCoord(x - minus);
    const bool leftClipped = watch.Take();
    if (!leftClipped && GX) GX->DrawLine(xl, py + 3, xl, py - 3);
    const int xr = XCoord(x + plus);
    const bool rightClipped = watch.Take();
    if (!rightClipped && GX) GX->DrawLine(xr, py + 3, xr, py - 3);
    if (!(leftClipped && rightClipped && xl == xr) && GX) GX->DrawLine(xl, py, xr, py);
    watch.Report(leftClipped || rightClipped);
}

void Graph::DrawYUBar(double x, double y, double plus, double minus) {
    RangeWatch watch(RErr);
    YCoord(y); // not used, but an undefined graph raises here as before
    watch.Take();
    const int px = XCoord(x);
    if (watch.Take()) {
        watch.Report(true);
        return;
    }
    const int yl = YCoord(y - minus);
    const bool lowClipped = watch.Take();
    if (!lowClipped && GX) GX->DrawLine(px + 3, yl, px - 3, yl);
    const int yh = YCoord(y + plus);
    const bool highClipped = watch.Take();
    if (!highClipped && GX) GX->DrawLine(px + 3, yh, px - 3, yh);
    if (!(lowClipped && highClipped && yl == yh) && GX) GX->DrawLine(px, yl, px, yh);
    watch.Report(lowClipped || highClipped);
}
