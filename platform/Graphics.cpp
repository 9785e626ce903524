#include "platform/Graphics.h"

#include "platform/Fonts.h"
#include "platform/Picture.h"

#include <QHash>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPolygon>
#include <QStaticText>

#include <algorithm>
#include <cmath>

namespace {

// Sizes beyond this only cost memory in the glyph cache; nothing the program draws needs them.
constexpr int kMaxTextSize = 500;

QColor qcolor(Color c) {
    return QColor(std::clamp(c.r, 0, 255), std::clamp(c.g, 0, 255), std::clamp(c.b, 0, 255));
}

// A rectangle given by a corner and signed sizes, as the box between its two corners.
QRect box(int x, int y, int w, int h) {
    if (w < 0) {
        x += w;
        w = -w;
    }
    if (h < 0) {
        y += h;
        h = -h;
    }
    return QRect(x, y, w, h);
}

// Round to nearest, halves away from zero, within the int range (NaN gives 0).
int whole(double v) {
    if (std::isnan(v)) return 0;
    return static_cast<int>(std::round(std::clamp(v, -2e9, 2e9)));
}

QPolygon polygon(const std::vector<Point>& corners) {
    QPolygon p;
    p.reserve(static_cast<int>(corners.size()));
    for (const Point& c : corners) p << QPoint(c.x, c.y);
    return p;
}

} // namespace

Graphics::Graphics(QPaintDevice* device, double scale) : device_(device), scale_(scale) {
    // Images count their own pixels; the painter scales to them by itself.
    if (device_ && device_->devType() == QInternal::Image) ratio_ = device_->devicePixelRatioF();
    if (device_ && painter_.begin(device_)) {
        if (scale_ != 1.0) painter_.scale(scale_, scale_);
        painter_.setRenderHint(QPainter::Antialiasing, false);
        painter_.setRenderHint(QPainter::TextAntialiasing, true);
        // The plots are line art: a PDF page keeps their pictures exact instead of JPEG-coding
        // them, which blurs their lines and loads a JPEG codec only to do so.
        painter_.setRenderHint(QPainter::LosslessImageRendering, true);
        const QPaintEngine::Type engine = painter_.paintEngine()->type();
        fine_ = ratio_ > 1.0 || scale_ > 1.0 || engine == QPaintEngine::SVG ||
                engine == QPaintEngine::Pdf;
    }
    SetForeColor(fore_);
    applyFont();
}

Graphics::Graphics(std::unique_ptr<QPaintDevice> device, double scale)
    : Graphics(device.get(), scale) {
    owned_ = std::move(device);
}

Graphics::~Graphics() {
    if (painter_.isActive()) painter_.end();
}

void Graphics::Translate(int dx, int dy) {
    painter_.translate(dx, dy);
}

bool Graphics::IsActive() const {
    return painter_.isActive();
}

void Graphics::SetForeColor(Color c) {
    fore_ = c;
    QPen pen(qcolor(c));
    pen.setWidth(1);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
}

void Graphics::SetTextFont(const QString& name) {
    fontName_ = name;
    applyFont();
}

void Graphics::SetTextSize(int size) {
    fontSize_ = std::clamp(size, 1, kMaxTextSize);
    applyFont();
}

void Graphics::SetBold(bool on) {
    bold_ = on;
    applyFont();
}

void Graphics::SetItalic(bool on) {
    italic_ = on;
    applyFont();
}

void Graphics::applyFont() {
    font_ = ResolveFont(fontName_, fontSize_, bold_, italic_);
    fontKey_ = font_.key() + QChar(0x1f) + fontName_;
    metrics_.emplace(font_);
    painter_.setFont(font_);
}

QString Graphics::textKey(const QString& text) const {
    return fontKey_ + QChar(0x1f) + text;
}

QString Graphics::shown(const QString& text) const {
    return fontName_.compare(QStringLiteral("Symbol"), Qt::CaseInsensitive) == 0
               ? SymbolToUnicode(text)
               : text;
}

void Graphics::DrawLine(int x1, int y1, int x2, int y2) {
    if (x1 == x2 && y1 == y2) {
        painter_.fillRect(x1, y1, 1, 1, qcolor(fore_));
        return;
    }
    const PixelCentred centred(*this);
    painter_.drawLine(x1, y1, x2, y2);
}

void Graphics::DrawLines(const std::vector<Point>& ends) {
    QList<QLine> lines;
    lines.reserve(qsizetype(ends.size() / 2));
    for (std::size_t i = 0; i + 1 < ends.size(); i += 2) {
        const Point a = ends[i], b = ends[i + 1];
        if (a.x == b.x && a.y == b.y)
            DrawLine(a.x, a.y, b.x, b.y);
        else
            lines.append(QLine(a.x, a.y, b.x, b.y));
    }
    if (lines.isEmpty()) return;
    const PixelCentred centred(*this);
    painter_.drawLines(lines);
}

void Graphics::DrawRect(int x, int y, int w, int h) {
    const QRect r = box(x, y, w, h);
    if (r.width() == 0 || r.height() == 0) return;
    // Four one-pixel bands: exactly the outline of the w x h box, at any scale.
    const QColor c = qcolor(fore_);
    painter_.fillRect(r.x(), r.y(), r.width(), 1, c);
    painter_.fillRect(r.x(), r.y() + r.height() - 1, r.width(), 1, c);
    painter_.fillRect(r.x(), r.y(), 1, r.height(), c);
    painter_.fillRect(r.x() + r.width() - 1, r.y(), 1, r.height(), c);
}

void Graphics::FillRect(int x, int y, int w, int h) {
    const QRect r = box(x, y, w, h);
    if (r.width() == 0 || r.height() == 0) return;
    painter_.fillRect(r, qcolor(fore_));
}

void Graphics::DrawOval(int x, int y, int w, int h) {
    const QRect r = box(x, y, w, h);
    if (r.width() == 0 || r.height() == 0) return;
    const PixelCentred centred(*this);
    painter_.drawEllipse(QRect(r.x(), r.y(), r.width() - 1, r.height() - 1));
}

void Graphics::FillOval(int x, int y, int w, int h) {
    const QRect r = box(x, y, w, h);
    if (r.width() == 0 || r.height() == 0) return;
    const PixelCentred centred(*this);
    painter_.save();
    painter_.setBrush(qcolor(fore_));
    painter_.drawEllipse(QRect(r.x(), r.y(), r.width() - 1, r.height() - 1));
    painter_.restore();
}

void Graphics::DrawPolygon(const std::vector<Point>& corners) {
    if (corners.empty()) return;
    const PixelCentred centred(*this);
    painter_.drawPolygon(polygon(corners));
}

void Graphics::FillPolygon(const std::vector<Point>& corners) {
    if (corners.empty()) return;
    const PixelCentred centred(*this);
    painter_.save();
    painter_.setBrush(qcolor(fore_));
    painter_.drawPolygon(polygon(corners));
    painter_.restore();
}

void Graphics::DrawString(const QString& text, int x, int baseline) {
    if (text.isEmpty()) return;
    // Plots draw the same tick numbers and labels on every redraw, and shaping them is most of
    // a frame's text: on pictures and screens each text is laid out once per font, drawn to
    // the same pixels. Printers and SVG get the text itself.
    if (painter_.paintEngine()->type() != QPaintEngine::Raster ||
        !painter_.worldTransform().isIdentity()) {
        painter_.drawText(QPoint(x, baseline), shown(text));
        return;
    }
    thread_local QHash<QString, QStaticText> laidOut;
    const QString key = textKey(text);
    auto found = laidOut.constFind(key);
    if (found == laidOut.constEnd()) {
        if (laidOut.size() > 5000) laidOut.clear();
        QStaticText t(shown(text));
        t.setTextFormat(Qt::PlainText);
        t.prepare(QTransform(), font_);
        found = laidOut.insert(key, t);
    }
    painter_.drawStaticText(QPointF(x, baseline - metrics_->ascent()), *found);
}

void Graphics::DrawFineLine(double x1, double y1, double x2, double y2) {
    if (!fine_) {
        DrawLine(whole(x1), whole(y1), whole(x2), whole(y2));
        return;
    }
    if (x1 == x2 && y1 == y2) {
        painter_.fillRect(QRectF(x1, y1, 1, 1), qcolor(fore_)); // the unit about the point
        return;
    }
    const PixelCentred centred(*this);
    painter_.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void Graphics::DrawFinePolyline(const std::vector<double>& xs, const std::vector<double>& ys) {
    const std::size_t n = std::min(xs.size(), ys.size());
    if (n == 0) return;
    if (n == 1) return DrawFineLine(xs[0], ys[0], xs[0], ys[0]);
    const PixelCentred centred(*this);
    if (fine_) {
        QPolygonF points(static_cast<qsizetype>(n));
        for (std::size_t i = 0; i < n; ++i) points[qsizetype(i)] = QPointF(xs[i], ys[i]);
        painter_.drawPolyline(points);
    } else {
        QPolygon points(static_cast<qsizetype>(n));
        for (std::size_t i = 0; i < n; ++i)
            points[qsizetype(i)] = QPoint(whole(xs[i]), whole(ys[i]));
        painter_.drawPolyline(points);
    }
}

void Graphics::FillFineDisc(double cx, double cy, int diameter) {
    if (diameter <= 0) return;
    const int half = diameter / 2;
    if (!fine_) {
        FillOval(whole(cx) - half, whole(cy) - half, diameter, diameter);
        return;
    }
    const PixelCentred centred(*this);
    painter_.save();
    painter_.setBrush(qcolor(fore_));
    // FillOval's ellipse, one unit smaller than its box for the pen, about the centre.
    painter_.drawEllipse(QRectF(cx - half, cy - half, diameter - 1, diameter - 1));
    painter_.restore();
}

double Graphics::StringWidth(const QString& text) const {
    if (text.isEmpty()) return 0.0;
    // Shaping text is slow, and plots measure the same tick numbers and labels on every
    // redraw: each width is measured once per font.
    thread_local QHash<QString, double> widths;
    const QString key = textKey(text);
    const auto found = widths.constFind(key);
    if (found != widths.constEnd()) return *found;
    if (widths.size() > 20000) widths.clear();
    const double w = metrics_->horizontalAdvance(shown(text));
    widths.insert(key, w);
    return w;
}

int Graphics::TextHeight() const {
    return static_cast<int>(std::ceil(metrics_->height()));
}

void Graphics::DrawPicture(const Picture& picture, int dx, int dy, int dw, int dh, int sx, int sy,
                           int sw, int sh) {
    if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return;
    const double r = picture.Image().devicePixelRatio(); // the source is in image pixels
    if (r == 1.0)
        painter_.drawImage(QRect(dx, dy, dw, dh), picture.Image(), QRect(sx, sy, sw, sh));
    else
        painter_.drawImage(QRectF(dx, dy, dw, dh), picture.Image(),
                           QRectF(sx * r, sy * r, sw * r, sh * r));
}

void Graphics::DrawPicture(const Picture& picture, int x, int y) {
    painter_.drawImage(QPoint(x, y), picture.Image());
}

int Graphics::Width() const {
    return device_ ? static_cast<int>(device_->width() / ratio_ / scale_) : 0;
}

int Graphics::Height() const {
    return device_ ? static_cast<int>(device_->height() / ratio_ / scale_) : 0;
}

Graphics::PixelCentred::PixelCentred(Graphics& g) : painter_(g.fine_ ? &g.painter_ : nullptr) {
    if (painter_) painter_->translate(0.5, 0.5);
}

Graphics::PixelCentred::~PixelCentred() {
    if (painter_) painter_->translate(-0.5, -0.5);
}
