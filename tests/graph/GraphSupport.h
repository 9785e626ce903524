#pragma once

// Shared helpers of the Graph tests: an opened Graph, redrawing it onto a recording device, the
// drawn items as text, font metrics, and the message of a raised GraphError.

#include "graph/Graph.h"
#include "platform/GraphicsState.h"
#include "tests/common/PrintQt.h"
#include "tests/common/RecordingDevice.h"

#include <QImage>
#include <QStringList>

#include <functional>
#include <memory>

// A Graph of w x h pixels with a 32-bit picture, opened; `onOpen` runs as its Open event.
std::unique_ptr<Graph> OpenGraph(int w, int h, std::function<void(Graph&)> onOpen = {});
void NoTicks(Graph& g);

// Draws into a recording device of the picture's size while it lives: GX points at a context on
// it that starts with the picture context's colour and font, and is put back on destruction.
class Recording {
  public:
    explicit Recording(Graph& g);
    ~Recording() { g_.GX = saved_; }
    Recording(const Recording&) = delete;
    Recording& operator=(const Recording&) = delete;

    // One line per drawn item in the terms of the drawing calls: "line 1,2 3,4", "fill 1,2 3x4",
    // "oval"/"disc" (box), "poly"/"fill-poly" (corners), followed by the colour unless black;
    // "text T x,y size".
    QStringList Drawn(const QString& prefix = {}) const;
    // What `call` draws, and nothing before it, joined by "; ".
    QString By(const std::function<void()>& call);
    const Recorded* Text(const QString& text) const;
    const std::vector<Recorded>& Items() const { return device_.Items(); }
    void Clear() { device_.Clear(); }

  private:
    Graph& g_;
    Graphics* saved_;
    RecordingDevice device_;
    Graphics gx_;
};

// Text metrics as any drawing context reports them.
struct Metrics {
    QImage image{8, 8, QImage::Format_RGB32};
    Graphics g{&image};
    Metrics(const QString& font, int size, bool bold = false);
    int Width(const QString& text) { return qRound(g.StringWidth(text)); }
    int Height() const { return g.TextHeight(); }
};

// The message of the GraphError that `call` raises, or "" when it raises none.
QString ErrorOf(const std::function<void()>& call);
