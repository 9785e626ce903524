#pragma once

#include "platform/Graphics.h"

#include <QImage>

#include <memory>

// An off-screen image with its own drawing context. Made once and drawn into many times.
class Picture {
  public:
    // A white picture of width x height pixels at the given bit depth (1, 2, 4, 8, 16 or 32),
    // or nullptr when it cannot be made (a size that is not positive or too large).
    static std::unique_ptr<Picture> Make(int width, int height, int depth);
    ~Picture();

    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    int Depth() const { return depth_; }
    Graphics* GetGraphics() { return graphics_.get(); }

    // The pixels. Take a copy (`Image().copy()`) to keep a snapshot: drawing goes on in place.
    const QImage& Image() const { return image_; }

  private:
    Picture(int width, int height, int depth);

    QImage image_;
    int depth_;
    std::unique_ptr<Graphics> graphics_;
};
