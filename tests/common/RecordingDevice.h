#pragma once

// A paint device that records each shape and text painted on it, in device coordinates.

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
    enum class Kind { Line, Rect, Ellipse, Polygon, Path, Image, Text };
    Kind kind = Kind::Line;
    QColor pen;     // invalid when drawn without a pen
    QColor fill;    // invalid when drawn without a brush
    QLineF line;    // Line
    QRectF rect;    // Rect, Ellipse, Image (target); the bounds of a Polygon, Path or Text
    QPolygonF poly; // Polygon
    QPointF at;     // Text: start of its baseline
    QString text;   // Text
    QFont font;     // Text

    bool Filled() const { return fill.isValid(); }
};

class RecordingEngine;

class RecordingDevice : public QPaintDevice {
  public:
    RecordingDevice(int width, int height);
    ~RecordingDevice() override;

    QPaintEngine* paintEngine() const override;

    const std::vector<Recorded>& Items() const { return items_; }
    void Clear() { items_.clear(); }

  protected:
    int metric(PaintDeviceMetric m) const override;

  private:
    int width_;
    int height_;
    std::vector<Recorded> items_;
    std::unique_ptr<RecordingEngine> engine_;
};
