#include "tests/common/RecordingDevice.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainterPath>
#include <QTextItem>
#include <QTransform>

class RecordingEngine : public QPaintEngine {
  public:
    explicit RecordingEngine(std::vector<Recorded>& out) : QPaintEngine(AllFeatures), out_(out) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }

    void updateState(const QPaintEngineState& state) override {
        const DirtyFlags dirty = state.state();
        if (dirty & DirtyPen) pen_ = state.pen();
        if (dirty & DirtyBrush) brush_ = state.brush();
        if (dirty & DirtyTransform) transform_ = state.transform();
    }

    void drawLines(const QLineF* lines, int count) override {
        for (int i = 0; i < count; ++i) {
            Recorded r = Make(Recorded::Kind::Line);
            r.line = transform_.map(lines[i]);
            out_.push_back(r);
        }
    }
    void drawLines(const QLine* lines, int count) override {
        for (int i = 0; i < count; ++i) {
            const QLineF l(lines[i]);
            drawLines(&l, 1);
        }
    }
    void drawRects(const QRectF* rects, int count) override {
        for (int i = 0; i < count; ++i) {
            Recorded r = Make(Recorded::Kind::Rect);
            r.rect = transform_.mapRect(rects[i]);
            out_.push_back(r);
        }
    }
    void drawRects(const QRect* rects, int count) override {
        for (int i = 0; i < count; ++i) {
            const QRectF f(rects[i]);
            drawRects(&f, 1);
        }
    }
    void drawEllipse(const QRectF& rect) override {
        Recorded r = Make(Recorded::Kind::Ellipse);
        r.rect = transform_.mapRect(rect);
        out_.push_back(r);
    }
    void drawEllipse(const QRect& rect) override { drawEllipse(QRectF(rect)); }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode) override {
        Recorded r = Make(Recorded::Kind::Polygon);
        for (int i = 0; i < count; ++i) r.poly << transform_.map(points[i]);
        r.rect = r.poly.boundingRect();
        out_.push_back(r);
    }
    void drawPolygon(const QPoint* points, int count, PolygonDrawMode mode) override {
        QPolygonF p;
        for (int i = 0; i < count; ++i) p << QPointF(points[i]);
        drawPolygon(p.constData(), count, mode);
    }
    void drawPoints(const QPointF* points, int count) override {
        for (int i = 0; i < count; ++i) {
            Recorded r = Make(Recorded::Kind::Point);
            r.poly << transform_.map(points[i]);
            r.rect = QRectF(r.poly[0], QSizeF(1, 1));
            out_.push_back(r);
        }
    }
    void drawPoints(const QPoint* points, int count) override {
        for (int i = 0; i < count; ++i) {
            const QPointF p(points[i]);
            drawPoints(&p, 1);
        }
    }
    void drawPath(const QPainterPath& path) override {
        Recorded r = Make(Recorded::Kind::Path);
        r.rect = transform_.map(path).boundingRect();
        out_.push_back(r);
    }
    void drawPixmap(const QRectF& target, const QPixmap&, const QRectF&) override {
        Recorded r = Make(Recorded::Kind::Image);
        r.rect = transform_.mapRect(target);
        out_.push_back(r);
    }
    void drawImage(const QRectF& target, const QImage&, const QRectF&,
                   Qt::ImageConversionFlags) override {
        Recorded r = Make(Recorded::Kind::Image);
        r.rect = transform_.mapRect(target);
        out_.push_back(r);
    }
    void drawTiledPixmap(const QRectF& target, const QPixmap&, const QPointF&) override {
        Recorded r = Make(Recorded::Kind::Image);
        r.rect = transform_.mapRect(target);
        out_.push_back(r);
    }
    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        Recorded r = Make(Recorded::Kind::Text);
        r.at = transform_.map(p);
        r.text = item.text();
        r.font = item.font();
        r.rect = QRectF(r.at.x(), r.at.y() - item.ascent(), item.width(),
                        item.ascent() + item.descent());
        out_.push_back(r);
    }

  private:
    Recorded Make(Recorded::Kind kind) const {
        Recorded r;
        r.kind = kind;
        if (pen_.style() != Qt::NoPen) r.pen = pen_.color();
        if (brush_.style() != Qt::NoBrush) r.fill = brush_.color();
        return r;
    }

    std::vector<Recorded>& out_;
    QPen pen_;
    QBrush brush_;
    QTransform transform_;
};

RecordingDevice::RecordingDevice(int width, int height)
    : width_(width), height_(height), engine_(std::make_unique<RecordingEngine>(items_)) {}

RecordingDevice::~RecordingDevice() = default;

QPaintEngine* RecordingDevice::paintEngine() const {
    return engine_.get();
}

std::vector<Recorded> RecordingDevice::OfKind(Recorded::Kind kind) const {
    std::vector<Recorded> out;
    for (const Recorded& r : items_)
        if (r.kind == kind) out.push_back(r);
    return out;
}

int RecordingDevice::metric(PaintDeviceMetric m) const {
    // Answer as an image of the same size would, so that text is laid out the same way.
    static const QImage like(1, 1, QImage::Format_RGB32);
    switch (m) {
    case PdmWidth:
        return width_;
    case PdmHeight:
        return height_;
    case PdmWidthMM:
        return qRound(width_ * 25.4 / like.logicalDpiX());
    case PdmHeightMM:
        return qRound(height_ * 25.4 / like.logicalDpiY());
    case PdmNumColors:
        return 0xffffff;
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmPhysicalDpiX:
        return like.logicalDpiX();
    case PdmDpiY:
    case PdmPhysicalDpiY:
        return like.logicalDpiY();
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return static_cast<int>(devicePixelRatioFScale());
    }
    return 0;
}
