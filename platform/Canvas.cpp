#include "platform/Canvas.h"

#include <QMouseEvent>
#include <QPainter>

Canvas::Canvas(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true); // MouseMove also with the button up
    setAttribute(Qt::WA_OpaquePaintEvent);
}

Canvas::~Canvas() {
    screenGraphics_.reset();
}

bool Canvas::ensureScreen() {
    // At the screen's resolution: twice the pixels each way on a high-density screen.
    const double ratio = devicePixelRatioF();
    const QSize want(std::max(1, width()), std::max(1, height()));
    if (screenGraphics_ && screen_.deviceIndependentSize().toSize() == want &&
        screen_.devicePixelRatio() == ratio)
        return false;
    screenGraphics_.reset(); // stop painting before the image is replaced
    screen_ = QImage(want * ratio, QImage::Format_RGB32);
    screen_.setDevicePixelRatio(ratio);
    screen_.fill(Qt::white);
    screenGraphics_ = std::make_unique<Graphics>(&screen_);
    return true;
}

Graphics& Canvas::ScreenGraphics() {
    const bool remade = ensureScreen();
    if (remade || stale_) {
        stale_ = false; // first: Event_Paint may draw through ScreenGraphics itself
        Event_Paint(*screenGraphics_);
    }
    return *screenGraphics_;
}

void Canvas::MarkScreenStale() {
    stale_ = true;
    update();
}

const QImage& Canvas::ScreenImage() {
    ScreenGraphics();
    return screen_;
}

void Canvas::Event_Paint(Graphics&) {}

void Canvas::paintEvent(QPaintEvent*) {
    ScreenGraphics();
    QPainter p(this);
    p.drawImage(0, 0, screen_);
}

void Canvas::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (tracking_) return; // a second button while dragging changes nothing
    tracking_ = MouseDown && MouseDown(at.x(), at.y());
}

void Canvas::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (tracking_) {
        if (MouseDrag) MouseDrag(at.x(), at.y());
    } else if (event->buttons() == Qt::NoButton) {
        if (MouseMove) MouseMove(at.x(), at.y());
    }
}

void Canvas::mouseReleaseEvent(QMouseEvent* event) {
    if (!tracking_) return;
    tracking_ = false;
    const QPoint at = event->position().toPoint();
    if (MouseUp) MouseUp(at.x(), at.y());
}

void Canvas::enterEvent(QEnterEvent*) {
    if (MouseEnter) MouseEnter();
}

void Canvas::leaveEvent(QEvent*) {
    if (MouseExit) MouseExit();
}
