#pragma once

// Graph: a reusable plotting control. It draws everything into an off-screen picture (its own
// drawing context GX) and copies that picture to the screen. Its owner defines the axes, draws
// data through the plot primitives in data coordinates, and answers the control's events.
//
// Life cycle: the owner creates the control, sets its geometry and events, and calls
// Event_Open (picture, defaults, Open, first screen copy). A graph is undefined (GWidth 0) until
// DefineGraph or DefSqGraph succeeds; ReDrawAll then redraws it as often as needed, raising
// DrawContent for the data. Event_Close releases the picture.
//
// Failures raise GraphError; the control catches nothing. Values outside the axes are not
// errors: the mappings clamp them to the frame and set the sticky flag RErr.
//
// The methods live in Graph.cpp (object, life cycle, scrolling, printing, options),
// GraphFrame.cpp (frame, scaling, mapping), GraphAxes.cpp (axis drawing), GraphPrimitives.cpp
// (plot primitives) and GraphMarkup.cpp (formatted strings). The arithmetic they rely on is in
// Scale.h and Markup.h.

#include "platform/Canvas.h"
#include "platform/Color.h"
#include "platform/Graphics.h"
#include "platform/GraphicsState.h"
#include "platform/Picture.h"

#include <QByteArray>
#include <QString>

#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QScrollBar;

namespace scale {
struct Mapped;
}

// The exception of every failure of the Graph control; `msg` names the operation.
class GraphError : public std::exception {
  public:
    explicit GraphError(const QString& message);
    const char* what() const noexcept override;

    QString msg;

  private:
    QByteArray what_;
};

class Graph : public Canvas {
  public:
    explicit Graph(QWidget* parent = nullptr);
    ~Graph() override;

    // ---- Events the owner may implement; an unset one gives the default result. ----
    std::function<void()> Open;                // end of opening: title, labels, first definition
    std::function<QString()> Summary;          // what the plot shows, in words, for screen readers
    std::function<void()> Resized;             // after the picture followed a new size (below)
    std::function<void()> Close;               // after the picture was released
    std::function<int()> DepthQuery;           // picture bit depth: 1, 2, 4, 8, 16, 32 (else 1)
    std::function<int()> HeightQuery;          // virtual height, asked only with a vertical bar
    std::function<int()> WidthQuery;           // virtual width, asked only with a horizontal bar
    std::function<QScrollBar*()> ScrollQueryV; // the bar that scrolls vertically, or none
    std::function<QScrollBar*()> ScrollQueryH; // the bar that scrolls horizontally, or none
    std::function<void()> DrawContent;         // the owner draws its data (raised by GetContent)

    // ---- Properties ----
    QScrollBar* SBH = nullptr; // supplied by the owner, who forwards value changes to
    QScrollBar* SBV = nullptr; // HandleHScroll / HandleVScroll
    Color CBlack{0, 0, 0};
    Color CWhite{255, 255, 255};
    int FHeight = 0; // size of the picture (the virtual drawing area)
    int FWidth = 0;
    int GHeight = 0; // plot frame in picture pixels; GWidth 0 means not defined
    int GLeft = 0;
    int GTop = 0;
    int GWidth = 0;
    Graphics* GX = nullptr;       // where drawing goes: the picture's, or a printer's
    std::unique_ptr<Picture> GXP; // the off-screen picture
    bool Printing = false;        // true while PrintGraphOn redraws onto a page
    bool RErr = false;            // a mapping met a value outside the axes (sticky)
    int ScPixH = 0;               // picture pixel shown at the control's left edge
    int ScPixV = 0;               // ... and top edge
    QString Title;                // encoded (see Markup.h)
    // The least margins left and right of the frame, in pixels: plots that share an axis ask
    // for the larger of their margins, so their frames line up; labels beside a frame need room.
    int MinLeftMargin = 0;
    int MinRightMargin = 0;
    Color CGrid{180, 180, 180};
    QString XLabel; // encoded
    int XFlags = 0; // option bits, see Scale.h
    double XMax = 0;
    double XMin = 0;
    int YFlags = 0;
    QString YLabel; // encoded
    double YMax = 0;
    double YMin = 0;
    double XVtoPix = 0; // pixels per unit
    double YVToPix = 0;
    int XTickN = 0;  // index of the minor tick step in the 1-2-5 series
    int XTPower = 0; // power of ten factored out of the tick labels
    int YTickN = 0;
    int YTPower = 0;
    bool HasGrid = false;
    int PrevCurvV = 0; // curve pen
    int PrevCurvH = 0;
    double PrevCurvX = 0; // ... and where it is before rounding, for a fine GX
    double PrevCurvY = 0;
    QString TickFont;
    int TickFSize = 0;
    int FDepth = 1;

    // ---- Object and life cycle (Graph.cpp) ----
    void Event_Open();
    void Event_Close();
    void Event_Paint(Graphics& screen) override;
    void zSBHAdjust();
    void zSBVAdjust();
    void HandleHScroll(int position);
    void HandleVScroll(int position);
    void HandleResize();
    // When set, the picture follows the control's size by itself: a resize to another size (or
    // pixel ratio) makes a new picture, redraws it and then raises Resized. Owners that lay
    // their plots out set it; the fixed-size plots of the main window's own size never resize.
    bool PictureFollowsSize = false;
    void UpdateScreen();
    void ClearFrame();
    void GetContent();
    void ReDrawAll();
    // The frame and axes as they are defined, then the content: ReDrawAll without defining the
    // axes anew, for a plot whose data moves under axes that stand still (an animation).
    void ReDrawContent();
    // Shows the print dialog and, unless cancelled, prints the graph on the chosen page.
    void PrintGraph();
    // Redraws the graph onto `page` at picture pixels, then draws into the picture again.
    void PrintGraphOn(Graphics& page);

    // Options: they only store, and take effect at the next DefineGraph or ReDrawAll.
    void SetColor(Color c);
    void SetXAdjust(bool on);
    void SetYAdjust(bool on);
    void SetXMajTix(bool on);
    void SetYMajTix(bool on);
    void SetXMinTix(bool on);
    void SetYMinTix(bool on);
    void SetXZeroLn(bool on);
    void SetYZeroLn(bool on);
    void SetXTixPix(int pixels);
    void SetYTixPix(int pixels);
    void SetGrid(bool on);

    // ---- Frame, scaling and mapping (GraphFrame.cpp) ----
    void DefineGraph(double xmin, double xmax, double ymin, double ymax);
    void DefSqGraph(double lo, double hi);
    void zDefineGRect(double xmin, double xmax, double ymin, double ymax);
    void zDefineXAxis(double min, double max);
    void zDefineYAxis(double min, double max);
    double zTickSize(int n) const;
    QString zTickFormat(double step) const;
    int zXTickWidth();
    int zYTickWidth();
    int XCoord(double x);
    int YCoord(double y);
    // The same mappings before rounding to pixels (within the same edges, with the same RErr).
    double XCoordExact(double x);
    double YCoordExact(double y);
    double XToVal(int h);
    double YToVal(int v);

    // ---- Axis drawing (GraphAxes.cpp) ----
    void zDrawLabels();
    void zDrawXAxis();
    void zDrawYAxis();

    // ---- Plot primitives, in data coordinates (GraphPrimitives.cpp) ----
    // On a fine GX (a high-density picture, a PDF or SVG page) points and curves go through
    // their unrounded positions, so that slopes are smooth; elsewhere through whole pixels.
    void DrawPoint(double x, double y);
    void CurveStart(double x, double y);
    // The curve through (xs[i], ys[i]) in one stroke per stretch inside the axes: the points
    // CurveTo would join, without a call per segment. A point outside the axes ends a stretch.
    void DrawCurve(const std::vector<double>& xs, const std::vector<double>& ys);
    void CurveTo(double x, double y);
    void DrawShape(double x, double y, int shape);
    void DrawVector(double x, double y, double dx, double dy);
    void DrawBar(double x, double y, double width);
    void DrawXUBar(double x, double y, double plus, double minus);
    void DrawYUBar(double x, double y, double plus, double minus);

    // ---- Formatted strings (GraphMarkup.cpp) ----
    QString SetSString(const QString& markup);
    void DrawSString(const QString& encoded, int x, int y, int anchor);
    void DrawSString(const QString& encoded, int x, int y);
    int GetSSHeight(const QString& s) const;
    int GetSSWidth(const QString& s) const;
    QString GetSString(const QString& s) const;
    QString SetSSLineH(const QString& s, int height);
    void SetTitle(const QString& markup);
    void SetXLabel(const QString& markup);
    void SetYLabel(const QString& markup);
    void SetFontInfo(const QString& font, int size, bool bold, bool italic);
    void SetFontInfo(const QString& font, int size);
    void SetTickFontInfo(const QString& font, int size);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    // The frame and both axes, as one value: a definition rejected for its limits puts it back.
    struct Geometry {
        int left, top, width, height;
        double xMin, xMax, yMin, yMax, xVtoPix, yVToPix;
        int xTickN, xTPower, yTickN, yTPower;

        friend bool operator==(const Geometry&, const Geometry&) = default;
    };
    Geometry SaveGeometry() const;
    void RestoreGeometry(const Geometry& g);

    // One axis' fields and the frame's extent along it, so that what both axes do is written
    // once: their scaling, tick widths and drawing.
    enum class Axis { X, Y };
    struct AxisFields {
        double& min;
        double& max;
        double& vToPix;
        int& tickN;
        int& power;
        int& flags;
        int& start;  // GLeft or GTop
        int& extent; // GWidth or GHeight
    };
    AxisFields Fields(Axis axis);
    void DefineAxis(Axis axis, double min, double max);
    int TickWidth(Axis axis);
    void DrawAxis(Axis axis);

    // A value's offset along an axis, rounded and exact, reporting a value outside in RErr.
    scale::Mapped MapX(double x);
    scale::Mapped MapY(double y);

    // Steps shared by DefineGraph and DefSqGraph once the geometry is set.
    void DrawFrameAndAxes();

    // Everything the frame, labels and axes are drawn from. A plot redrawn for new data most
    // often keeps its axes: the picture they left is kept and copied back, pixel for pixel.
    struct FrameKey {
        Geometry geometry;
        int xFlags, yFlags;
        QString title, xLabel, yLabel, tickFont;
        int tickSize;
        bool grid;
        Color black, white, gridColor;
        GraphicsState state; // of GX: the labels' font and the colour it goes back to
        QSize pixels;        // of the picture, and its pixels per unit: the geometry is in units
        double ratio;
        friend bool operator==(const FrameKey&, const FrameKey&) = default;
    };
    struct FrameSnapshot {
        FrameKey key;
        QImage pixels;
    };
    // The frames last drawn, the newest first: a slider stepped there and back finds both.
    static constexpr std::size_t kKeptFrames = 2;
    std::vector<FrameSnapshot> frameSnapshots_;
    bool RestoreFrame(const FrameKey& key);
    void KeepFrame(const FrameKey& key);
    void MakePicture(const char* failPicture, const char* failContext);
};
