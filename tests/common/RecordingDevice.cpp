#include "tests/common/RecordingDevice.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainterPath>
#include <QTextItem>
#include <QTransform>

// Qt routes the integer overloads, images and points to the calls recorded here.
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

    using QPaintEngine::drawEllipse;
    using QPaintEngine::drawLines;
    using QPaintEngine::drawPolygon;
    using QPaintEngine::drawRects;
    void drawLines(const QLineF* lines, int count) override {
        for (int i = 0; i < count; ++i) add(Recorded::Kind::Line).line = transform_.map(lines[i]);
    }
    void drawRects(const QRectF* rects, int count) override {
        for (int i = 0; i < count; ++i)
            add(Recorded::Kind::Rect).rect = transform_.mapRect(rects[i]);
    }
    void drawEllipse(const QRectF& rect) override {
        add(Recorded::Kind::Ellipse).rect = transform_.mapRect(rect);
    }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode) override {
        Recorded& r = add(Recorded::Kind::Polygon);
        for (int i = 0; i < count; ++i) r.poly << transform_.map(points[i]);
        r.rect = r.poly.boundingRect();
    }
    void drawPath(const QPainterPath& path) override {
        add(Recorded::Kind::Path).rect = transform_.map(path).boundingRect();
    }
    void drawPixmap(const QRectF& target, const QPixmap&, const QRectF&) override {
        add(Recorded::Kind::Image).rect = transform_.mapRect(target);
    }
    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        Recorded& r = add(Recorded::Kind::Text);
        r.at = transform_.map(p);
        r.text = item.text();
        r.font = item.font();
        r.rect = QRectF(r.at.x(), r.at.y() - item.ascent(), item.width(),
                        item.ascent() + item.descent());
    }

  private:
    Recorded& add(Recorded::Kind kind) {
        Recorded& r = out_.emplace_back();
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

int RecordingDevice::metric(PaintDeviceMetric m) const {
    // Answer as an image of the same size would, so that text is laid out the same way.
    static const QImage like(1, 1, QImage::Format_RGB32);
    struct Open : QImage {
        using QImage::metric;
    };
    if (m == PdmWidth) return width_;
    if (m == PdmHeight) return height_;
    return (like.*&Open::metric)(m);
}
