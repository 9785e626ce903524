#pragma once

// Shared helpers of the Graph tests: an opened Graph of a given size, and redrawing it onto a
// recording device instead of its picture.

#include "graph/Graph.h"
#include "tests/common/RecordingDevice.h"

#include <QColor>

#include <functional>
#include <memory>
#include <ostream>

// Readable failure messages for QString comparisons.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

inline void PrintTo(const QColor& c, std::ostream* os) {
    *os << c.name().toStdString();
}

// A Graph of w x h pixels with a 32-bit picture, opened; `onOpen` runs as its Open event.
std::unique_ptr<Graph> OpenGraph(int w, int h, std::function<void(Graph&)> onOpen = {});

// Draws into a recording device of the picture's size while it lives: GX points at a context on
// it that starts with the picture context's colour and font, and is put back on destruction.
class Recording {
  public:
    explicit Recording(Graph& g);
    ~Recording();
    Recording(const Recording&) = delete;
    Recording& operator=(const Recording&) = delete;

    const std::vector<Recorded>& Items() const { return device_.Items(); }
    std::vector<Recorded> OfKind(Recorded::Kind k) const { return device_.OfKind(k); }
    void Clear() { device_.Clear(); }

  private:
    Graph& g_;
    Graphics* saved_;
    RecordingDevice device_;
    Graphics gx_;
};

// Integer geometry of recorded items in the terms of the drawing context's calls.
struct Seg {
    int x1, y1, x2, y2;
    friend bool operator==(const Seg&, const Seg&) = default;
};
Seg SegOf(const Recorded& r);
