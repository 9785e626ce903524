#pragma once

#include "platform/Color.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class Picture;
class QPaintDevice;

struct Point {
    int x = 0;
    int y = 0;
};

// A drawing context over a paint device (a picture, a canvas' screen, a printer page).
// Integer pixels, y downwards, a one-pixel pen, no antialiasing for lines and shapes so that
// plots are crisp and can be compared pixel by pixel; text is antialiased.
//
// Pixel rules:
//   DrawLine      covers both end points.
//   DrawRect      outlines exactly the w x h box (x ... x+w-1, y ... y+h-1).
//   FillRect      fills exactly w x h pixels. Negative sizes extend left / up from (x, y).
//   DrawOval      outlines, FillOval fills, the ellipse inscribed in the w x h box.
//   DrawString    draws at x with its baseline on y; StringWidth is its advance.
//
// A fine device (a picture of more pixels than drawing units, a PDF or SVG page) can show more
// than whole units: DrawFineLine and FillFineDisc take fractional coordinates there, where a
// whole unit x stands for the unit's middle x + 0.5, as the integer rules cover it.
//
// Font names are logical: "Helvetica", "System" and "Symbol" resolve to installed fonts
// (see Fonts.h); "Symbol" draws Greek letters at the codes of Latin letters.
class Graphics {
  public:
    // Paints on `device`, which must outlive this context. `scale` is the number of device
    // units per drawing unit (1 for pictures and screens; a printer uses its dots per point).
    explicit Graphics(QPaintDevice* device, double scale = 1.0);
    // Paints on a device this context owns (a printer): the page is finished on destruction.
    Graphics(std::unique_ptr<QPaintDevice> device, double scale);
    ~Graphics();
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;

    Color ForeColor() const { return fore_; }
    void SetForeColor(Color c);
    const QString& TextFont() const { return fontName_; }
    void SetTextFont(const QString& name);
    int TextSize() const { return fontSize_; }
    void SetTextSize(int size);
    bool Bold() const { return bold_; }
    void SetBold(bool on);
    bool Italic() const { return italic_; }
    void SetItalic(bool on);

    void DrawLine(int x1, int y1, int x2, int y2);
    // Lines between ends[0] and ends[1], ends[2] and ends[3], ...: each as DrawLine draws it, in
    // one call.
    void DrawLines(const std::vector<Point>& ends);
    void DrawRect(int x, int y, int w, int h);
    void FillRect(int x, int y, int w, int h);
    void DrawOval(int x, int y, int w, int h);
    void FillOval(int x, int y, int w, int h);
    void DrawPolygon(const std::vector<Point>& corners);
    void FillPolygon(const std::vector<Point>& corners);
    void DrawString(const QString& text, int x, int baseline);
    double StringWidth(const QString& text) const;
    int TextHeight() const;

    // Whether fractional coordinates show (see above). On a plain picture or screen they would
    // only be rounded by the rasteriser in its own way, unlike the integer rules.
    bool IsFine() const { return fine_; }
    // A one-unit line between fractional points, its ends included as DrawLine's. Elsewhere than
    // on a fine device the points are rounded to whole units first.
    void DrawFineLine(double x1, double y1, double x2, double y2);
    // A filled disc about a fractional centre, as FillOval fills a `diameter` x `diameter` box
    // (rounded to whole units elsewhere than on a fine device).
    void FillFineDisc(double cx, double cy, int diameter);
    // Lines through consecutive points in one stroke, each as DrawFineLine draws it: a long
    // curve costs one call, not one per segment.
    void DrawFinePolyline(const std::vector<double>& xs, const std::vector<double>& ys);

    // Copies the source rectangle of `picture` into the destination rectangle.
    void DrawPicture(const Picture& picture, int dx, int dy, int dw, int dh, int sx, int sy, int sw,
                     int sh);
    // The whole picture at its own size with its top-left corner at (x, y).
    void DrawPicture(const Picture& picture, int x, int y);

    // Moves the origin by (dx, dy) drawing units: what follows is drawn that much further on.
    void Translate(int dx, int dy);

    // Whether the context can draw (false when the device could not be opened).
    bool IsActive() const;

    // Size of the target in drawing units.
    int Width() const;
    int Height() const;

  private:
    // On a fine device a one-unit pen is centred on the unit's middle rather than its corner,
    // so a stroke covers the same unit as on a plain picture (and is crisp in a vector page).
    class PixelCentred {
      public:
        explicit PixelCentred(Graphics& g);
        ~PixelCentred();
        PixelCentred(const PixelCentred&) = delete;
        PixelCentred& operator=(const PixelCentred&) = delete;

      private:
        QPainter* painter_;
    };

    void applyFont();
    QString shown(const QString& text) const;
    QString textKey(const QString& text) const; // a text in this font, for the text caches

    std::unique_ptr<QPaintDevice> owned_;
    QPaintDevice* device_ = nullptr;
    double scale_ = 1.0;
    double ratio_ = 1.0; // device pixels per unit of an image on a high-density screen
    bool fine_ = false;
    QPainter painter_;
    Color fore_{0, 0, 0};
    QString fontName_ = QStringLiteral("System");
    int fontSize_ = 12;
    bool bold_ = false;
    bool italic_ = false;
    QFont font_;
    QString fontKey_; // what tells the font apart, for the text caches
    std::optional<QFontMetricsF> metrics_;
};
