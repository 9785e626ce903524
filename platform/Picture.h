#pragma once

#include "platform/Graphics.h"

#include <QImage>

#include <memory>

// An off-screen image with its own drawing context. Made once and drawn into many times.
class Picture {
  public:
    // A white picture of width x height pixels at the given bit depth (1, 2, 4, 8, 16 or 32),
    // or nullptr when it cannot be made (a size that is not positive or too large). With a
    // device pixel ratio above 1 (a high-density screen) it holds that many image pixels per
    // drawing unit, so lines and text come out at the screen's own resolution.
    static std::unique_ptr<Picture> Make(int width, int height, int depth, double ratio = 1.0);
    ~Picture();

    // In drawing units.
    int Width() const { return width_; }
    int Height() const { return height_; }
    int Depth() const { return depth_; }
    Graphics* GetGraphics() { return graphics_.get(); }

    // The pixels. Take a copy (`Image().copy()`) to keep a snapshot: drawing goes on in place.
    const QImage& Image() const { return image_; }
    // Puts back every pixel of a snapshot of this picture (`Image().copy()`): a copy of memory,
    // where drawing the same again would take longer. False, and nothing changed, for a
    // snapshot of another size or format.
    bool Restore(const QImage& snapshot);

  private:
    Picture(int width, int height, int depth, double ratio);

    int width_, height_;
    QImage image_;
    int depth_;
    std::unique_ptr<Graphics> graphics_;
};
