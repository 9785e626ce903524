#include "platform/Picture.h"

#include <cmath>
#include <cstring>

namespace {

// Larger pictures are refused rather than risk an allocation that cannot be met.
constexpr int kMaxSide = 16384;
constexpr double kMaxRatio = 4.0; // no screen is denser

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

Picture::Picture(int width, int height, int depth, double ratio)
    : width_(width), height_(height),
      image_(int(std::ceil(width * ratio)), int(std::ceil(height * ratio)), formatFor(depth)),
      depth_(depth) {
    if (image_.isNull()) return;
    image_.setDevicePixelRatio(ratio);
    if (depth == 1) image_.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    image_.fill(QColor(Qt::white));
    graphics_ = std::make_unique<Graphics>(&image_);
}

Picture::~Picture() {
    graphics_.reset();
} // end painting before the image goes

std::unique_ptr<Picture> Picture::Make(int width, int height, int depth, double ratio) {
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return nullptr;
    if (!(ratio >= 1.0 && ratio <= kMaxRatio)) ratio = 1.0;
    std::unique_ptr<Picture> p(new Picture(width, height, depth, ratio));
    if (p->image_.isNull() || !p->graphics_ || !p->graphics_->IsActive()) return nullptr;
    return p;
}

bool Picture::Restore(const QImage& snapshot) {
    if (snapshot.size() != image_.size() || snapshot.format() != image_.format() ||
        snapshot.bytesPerLine() != image_.bytesPerLine())
        return false;
    // The image is painted on, so no copy of it shares its pixels (QImage copies them while a
    // painter is active): writing them detaches nothing, and the painter goes on drawing here.
    std::memcpy(image_.bits(), snapshot.constBits(), std::size_t(image_.sizeInBytes()));
    return true;
}
