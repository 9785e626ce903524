#pragma once

// A paint device that draws nothing and records what is painted on it: lines, rectangles,
// ellipses, polygons, points, paths, images and texts with their device coordinates, pen and
// fill colours. Tests check the structure of a drawing with it, independent of rasterising.

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QPaintDevice>
#include <QPolygonF>
#include <QRectF>
#include <QString>

#include <memory>
#include <vector>

struct Recorded {
    enum class Kind { Line, Rect, Ellipse, Polygon, Point, Path, Image, Text };
    Kind kind = Kind::Line;
    QColor pen;     // invalid when drawn without a pen
    QColor fill;    // invalid when drawn without a brush
    QLineF line;    // Line
    QRectF rect;    // Rect, Ellipse, Image (target); the bounds of a Polygon, Path or Text
    QPolygonF poly; // Polygon, Point
    QPointF at;     // Text: start of its baseline
    QString text;   // Text
    QFont font;     // Text

    bool Filled() const { return fill.isValid(); }
    bool Outlined() const { return pen.isValid(); }
};

class RecordingEngine;

class RecordingDevice : public QPaintDevice {
  public:
    RecordingDevice(int width, int height);
    ~RecordingDevice() override;
    RecordingDevice(const RecordingDevice&) = delete;
    RecordingDevice& operator=(const RecordingDevice&) = delete;

    QPaintEngine* paintEngine() const override;

    const std::vector<Recorded>& Items() const { return items_; }
    std::vector<Recorded> OfKind(Recorded::Kind kind) const;
    void Clear() { items_.clear(); }

  protected:
    int metric(PaintDeviceMetric m) const override;

  private:
    int width_;
    int height_;
    std::vector<Recorded> items_;
    std::unique_ptr<RecordingEngine> engine_;
};
