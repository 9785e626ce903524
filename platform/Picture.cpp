#include "platform/Picture.h"

namespace {

// Larger pictures are refused rather than risk an allocation that cannot be met.
constexpr int kMaxSide = 16384;

QImage::Format formatFor(int depth) {
    switch (depth) {
    case 1:
        return QImage::Format_Mono;
    case 2:
    case 4:
    case 8:
        return QImage::Format_RGB444; // a coarse colour image: red stays red
    case 16:
        return QImage::Format_RGB16;
    default:
        return QImage::Format_RGB32;
    }
}

} // namespace

Picture::Picture(int width, int height, int depth)
    : image_(width, height, formatFor(depth)), depth_(depth) {
    if (image_.isNull()) return;
    if (depth == 1) image_.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    image_.fill(QColor(Qt::white));
    graphics_ = std::make_unique<Graphics>(&image_);
}

Picture::~Picture() {
    graphics_.reset();
} // end painting before the image goes

std::unique_ptr<Picture> Picture::Make(int width, int height, int depth) {
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return nullptr;
    std::unique_ptr<Picture> p(new Picture(width, height, depth));
    if (p->image_.isNull() || !p->graphics_ || !p->graphics_->IsActive()) return nullptr;
    return p;
}
