// Seeded random use of the public methods: random markup and absurd values (NaN, infinities,
// the largest doubles, huge and tiny spans). Nothing may crash or hang, only GraphError may be
// raised, and every shape drawn must lie inside the picture.

#include "tests/graph/GraphSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace {

class Random {
  public:
    explicit Random(unsigned seed) : rng_(seed) {}

    int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    bool Chance(double p) { return std::bernoulli_distribution(p)(rng_); }

    double Value() {
        static const double special[] = {std::numeric_limits<double>::quiet_NaN(),
                                         std::numeric_limits<double>::infinity(),
                                         -std::numeric_limits<double>::infinity(),
                                         1e308,
                                         -1e308,
                                         std::numeric_limits<double>::max(),
                                         0,
                                         1e-300,
                                         -1e-300,
                                         5e-324,
                                         1e15};
        switch (Int(0, 3)) {
        case 0:
            return special[Int(0, std::size(special) - 1)];
        case 1: // anywhere in the double range
            return (Chance(0.5) ? -1 : 1) * std::pow(10.0, Int(-300, 300) + Real());
        default: // a sensible plot
            return Int(-20, 20) + Real();
        }
    }

    QString Markup() {
        static const QStringList pieces = {"^",        "_",
                                           "$",        "!",
                                           "\\",       "|",
                                           "~",        "&",
                                           "@",        "#",
                                           " ",        "a",
                                           "E",        "2",
                                           "x10",      "#14#",
                                           "#1e9#",    "#-3#",
                                           "#nan#",    "@Courier@",
                                           "@Symbol@", QString::fromUtf8("αΩ€")};
        QString s;
        const int n = Chance(0.01) ? 5000 : Int(0, 30);
        for (int i = 0; i < n; ++i) s += pieces[Int(0, pieces.size() - 1)];
        return s;
    }

  private:
    double Real() { return std::uniform_real_distribution<double>(0, 1)(rng_); }
    std::mt19937 rng_;
};

// Every item but text (which the painter clips) must lie inside the picture.
void ExpectInside(const Recording& rec, QRect area, int step) {
    const QRectF picture(area);
    for (const Recorded& r : rec.Items()) {
        switch (r.kind) {
        case Recorded::Kind::Text:
            break;
        case Recorded::Kind::Line:
            EXPECT_TRUE(picture.contains(r.line.p1()) && picture.contains(r.line.p2()))
                << "step " << step << " line " << r.line.x1() << "," << r.line.y1() << " "
                << r.line.x2() << "," << r.line.y2();
            break;
        case Recorded::Kind::Polygon:
            for (QPointF p : r.poly)
                EXPECT_TRUE(picture.contains(p)) << "step " << step << " polygon";
            break;
        default:
            EXPECT_TRUE(picture.contains(r.rect)) << "step " << step << " kind " << int(r.kind);
            break;
        }
    }
}

} // namespace

TEST(GraphRandom, NothingCrashesAndEverythingStaysInThePicture) {
    Random r(20261206);
    int defined = 0;
    for (auto [w, h] : {std::pair{450, 204}, std::pair{160, 140}, std::pair{900, 500}}) {
        auto g = OpenGraph(w, h);
        Recording rec(*g);
        for (int step = 0; step < 1500; ++step) {
            const Color color = g->GX->ForeColor();
            const QString font = g->GX->TextFont();
            const int size = g->GX->TextSize();
            bool styleMayChange = false;
            try {
                switch (r.Int(0, 9)) {
                case 0:
                    g->SetTitle(r.Chance(0.5) ? r.Markup() : QString());
                    break;
                case 1:
                    (r.Chance(0.5) ? g->XLabel : g->YLabel) =
                        g->SetSString(r.Chance(0.5) ? r.Markup() : QString());
                    break;
                case 2:
                    if (r.Chance(0.6)) // mostly a usable graph, so that the primitives run
                        g->DefineGraph(-r.Int(0, 9), r.Int(1, 9), -r.Int(0, 9), r.Int(1, 9));
                    else
                        g->DefineGraph(r.Value(), r.Value(), r.Value(), r.Value());
                    break;
                case 3:
                    g->DefSqGraph(r.Value(), r.Value());
                    break;
                case 4:
                    g->DrawSString(r.Markup(), r.Int(-100, w + 100), r.Int(-100, h + 100),
                                   r.Int(-1, 10));
                    break;
                case 5:
                    styleMayChange = true;
                    g->SetTickFontInfo(r.Chance(0.8) ? "Helvetica" : "",
                                       r.Int(-5, r.Chance(0.1) ? 300 : 20));
                    if (r.Chance(0.2))
                        g->SetFontInfo("Helvetica", r.Int(-5, 300), r.Chance(0.5), r.Chance(0.5));
                    g->SetGrid(r.Chance(0.5));
                    g->SetXZeroLn(r.Chance(0.5));
                    g->SetYZeroLn(r.Chance(0.5));
                    g->SetXTixPix(r.Int(-10, 40));
                    g->SetYMinTix(r.Chance(0.7));
                    g->SetXAdjust(r.Chance(0.7));
                    break;
                case 6:
                    g->ReDrawAll();
                    break;
                case 7:
                    g->XToVal(r.Int(INT_MIN, INT_MAX));
                    g->YToVal(r.Int(INT_MIN, INT_MAX));
                    break;
                default: {
                    const bool before = r.Chance(0.3);
                    g->RErr = before;
                    const int frameDefined = g->GWidth > 0 && g->GHeight > 0;
                    const double x = r.Value();
                    const double y = r.Value();
                    const int prim = r.Int(0, 6);
                    switch (prim) {
                    case 0:
                        g->DrawPoint(x, y);
                        break;
                    case 1:
                        g->CurveStart(r.Value(), r.Value());
                        g->CurveTo(x, y);
                        break;
                    case 2:
                        g->DrawShape(x, y, r.Int(-1, 11));
                        break;
                    case 3:
                        g->DrawVector(x, y, r.Value(), r.Value());
                        break;
                    case 4:
                        g->DrawBar(x, y, r.Value());
                        break;
                    case 5:
                        g->DrawXUBar(x, y, r.Value(), r.Value());
                        break;
                    default:
                        g->DrawYUBar(x, y, r.Value(), r.Value());
                        break;
                    }
                    // Only reached on a defined frame. The flag is sticky; a point that is not
                    // a finite number is out of range; markers and heads reach at most 12 pixels
                    // beyond the frame.
                    EXPECT_TRUE(frameDefined);
                    EXPECT_TRUE(!before || g->RErr) << step;
                    if (!std::isfinite(x) || !std::isfinite(y)) {
                        EXPECT_TRUE(g->RErr) << step << " " << x << " " << y << " prim " << prim;
                    }
                    ExpectInside(
                        rec, QRect(g->GLeft - 12, g->GTop - 12, g->GWidth + 25, g->GHeight + 25),
                        step);
                    break;
                }
                }
            } catch (const GraphError&) {
            }
            if (g->GWidth > 0 && g->GHeight > 0) {
                ++defined;
                // A defined graph has finite, increasing limits and finite positive scales.
                for (double v : {g->XMin, g->XMax, g->YMin, g->YMax, g->XVtoPix, g->YVToPix})
                    ASSERT_TRUE(std::isfinite(v)) << step;
                EXPECT_LT(g->XMin, g->XMax);
                EXPECT_LT(g->YMin, g->YMax);
                EXPECT_GT(g->XVtoPix, 0);
                EXPECT_GT(g->YVToPix, 0);
            }
            ExpectInside(rec, QRect(0, 0, w, h), step);
            if (!styleMayChange) {
                EXPECT_EQ(g->GX->ForeColor(), color) << step;
                EXPECT_EQ(g->GX->TextFont(), font) << step;
                EXPECT_EQ(g->GX->TextSize(), size) << step;
            }
            rec.Clear();
            if (HasFailure()) return;
        }
    }
    EXPECT_GT(defined, 1000) << defined; // the run spent a good part of its steps on defined graphs
}

TEST(GraphRandom, MarkupIsMeasuredAndDrawnWhateverItHolds) {
    Random r(7);
    auto g = OpenGraph(450, 204);
    Recording rec(*g);
    for (int step = 0; step < 2000; ++step) {
        const QString markup = r.Markup();
        const QString encoded = g->SetSString(markup);
        // The encoded form ends in the markup itself, after a header and the font prefix.
        EXPECT_TRUE(markup.isEmpty() ? encoded.isEmpty()
                                     : encoded.endsWith(markup) && encoded.size() > markup.size())
            << step;
        g->DrawSString(r.Chance(0.8) ? encoded : markup, r.Int(-1000, 1000), r.Int(-1000, 1000),
                       r.Int(-2, 11));
        EXPECT_EQ(g->GX->TextFont(), "Helvetica");
        EXPECT_EQ(g->GX->TextSize(), 10);
        EXPECT_FALSE(g->GX->Bold() || g->GX->Italic());
        rec.Clear();
        if (HasFailure()) return;
    }
}
