// Seeded random use with absurd values and titles: only GraphError is raised, every shape drawn
// lies inside the picture and the context's state is kept.

#include "tests/graph/GraphSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <random>

namespace {

struct Random {
    std::mt19937 rng{20261206};
    int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }
    bool Chance(double p) { return std::bernoulli_distribution(p)(rng); }
    double Real() { return std::uniform_real_distribution<double>(0, 1)(rng); }

    double Value() {
        static constexpr double special[] = {kNaN, kInf,   -kInf,   1e308,  -1e308, kMax,
                                             0,    1e-300, -1e-300, 5e-324, 1e15};
        const int kind = Int(0, 3);
        if (kind == 0) return special[Int(0, std::size(special) - 1)];
        if (kind == 1) return (Chance(0.5) ? -1 : 1) * std::pow(10.0, Int(-300, 300) + Real());
        return Int(-20, 20) + Real(); // a sensible plot
    }

    QString Markup() {
        static const QStringList pieces =
            QString::fromUtf8("^,_,$,!,\\,|,~,&,@,#, ,a,E,2,x10,#14#,#1e9#,#-3#,#nan#,@Courier@,"
                              "@Symbol@,αΩ€")
                .split(',');
        QString s;
        for (int i = 0, n = Chance(0.01) ? 5000 : Int(0, 30); i < n; ++i)
            s += pieces[Int(0, pieces.size() - 1)];
        return s;
    }
};

// Every item but text (which the painter clips) must lie inside `area`.
void ExpectInside(const Recording& rec, QRect area, int step) {
    const QRectF inside(area);
    const auto in = [&](QPointF p) { return inside.contains(p); };
    for (const Recorded& r : rec.Items()) {
        using K = Recorded::Kind;
        const bool ok = r.kind == K::Text ||
                        (r.kind == K::Line      ? in(r.line.p1()) && in(r.line.p2())
                         : r.kind == K::Polygon ? std::all_of(r.poly.begin(), r.poly.end(), in)
                                                : inside.contains(r.rect));
        EXPECT_TRUE(ok) << "step " << step << ": " << rec.Drawn().join("; ").toStdString();
    }
}

} // namespace

TEST(GraphRandom, NothingCrashesAndEverythingStaysInThePicture) {
    Random r;
    int defined = 0;
    for (const QSize size : {QSize(450, 204), QSize(160, 140), QSize(900, 500)}) {
        const int w = size.width(), h = size.height();
        auto g = OpenGraph(w, h);
        Recording rec(*g);
        bool styleMayChange = false;
        int step = 0;
        const std::function<void(double, double)> primitives[] = {
            [&](double x, double y) { g->DrawPoint(x, y); },
            [&](double x, double y) { g->CurveStart(r.Value(), r.Value()), g->CurveTo(x, y); },
            [&](double x, double y) { g->DrawShape(x, y, r.Int(-1, 11)); },
            [&](double x, double y) { g->DrawVector(x, y, r.Value(), r.Value()); },
            [&](double x, double y) { g->DrawBar(x, y, r.Value()); },
            [&](double x, double y) { g->DrawXUBar(x, y, r.Value(), r.Value()); },
            [&](double x, double y) { g->DrawYUBar(x, y, r.Value(), r.Value()); }};
        auto primitive = [&] {
            const bool before = r.Chance(0.3);
            g->RErr = before;
            const double x = r.Value(), y = r.Value();
            primitives[r.Int(0, 6)](x, y);
            // Only on a defined frame; the flag is sticky; marks reach 12 pixels beyond the frame.
            EXPECT_TRUE(g->GWidth > 0 && g->GHeight > 0);
            EXPECT_TRUE(g->RErr || (!before && std::isfinite(x) && std::isfinite(y))) << step;
            ExpectInside(rec, {g->GLeft - 12, g->GTop - 12, g->GWidth + 25, g->GHeight + 25}, step);
        };
        const std::function<void()> actions[] = {
            [&] { g->SetTitle(r.Chance(0.5) ? r.Markup() : QString()); },
            [&] { r.Chance(0.5) ? g->SetXLabel(r.Markup()) : g->SetYLabel(r.Markup()); },
            [&] {
                if (r.Chance(0.6)) // mostly a usable graph, so that the primitives run
                    g->DefineGraph(-r.Int(0, 9), r.Int(1, 9), -r.Int(0, 9), r.Int(1, 9));
                else
                    g->DefineGraph(r.Value(), r.Value(), r.Value(), r.Value());
            },
            [&] { g->DefSqGraph(r.Value(), r.Value()); },
            [&] {
                styleMayChange = true;
                g->SetTickFontInfo(r.Chance(0.8) ? "Helvetica" : "",
                                   r.Int(-5, r.Chance(0.1) ? 300 : 20));
                if (r.Chance(0.2))
                    g->SetFontInfo("Helvetica", r.Int(-5, 300), r.Chance(0.5), r.Chance(0.5));
                g->SetGrid(r.Chance(0.5));
                g->SetXZeroLn(r.Chance(0.5));
                g->SetXTixPix(r.Int(-10, 40));
                g->SetYMinTix(r.Chance(0.7));
                g->SetXAdjust(r.Chance(0.7));
            },
            [&] { g->ReDrawAll(); },
            [&] { g->XToVal(r.Int(INT_MIN, INT_MAX)), g->YToVal(r.Int(INT_MIN, INT_MAX)); },
            primitive,
            primitive};
        for (step = 0; step < 1500; ++step) {
            const GraphicsState state = StateOf(*g->GX);
            styleMayChange = false;
            try {
                actions[r.Int(0, std::size(actions) - 1)]();
            } catch (const GraphError&) {
            }
            if (g->GWidth > 0 && g->GHeight > 0) {
                ++defined;
                for (double v : {g->XMax - g->XMin, g->YMax - g->YMin, g->XVtoPix, g->YVToPix})
                    ASSERT_TRUE(std::isfinite(v) && v > 0) << step;
            }
            ExpectInside(rec, {0, 0, w, h}, step);
            if (!styleMayChange) {
                EXPECT_EQ(StateOf(*g->GX), state) << step;
            }
            rec.Clear();
            if (HasFailure()) return;
        }
    }
    EXPECT_GT(defined, 1000); // a good part of the steps ran on defined graphs
}
