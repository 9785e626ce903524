#pragma once

// An opened Graph, what it draws recorded as text, font metrics and a GraphError's message.

#include "graph/Graph.h"
#include "platform/GraphicsState.h"
#include "tests/common/PrintQt.h"
#include "tests/common/RecordingDevice.h"

#include <QImage>
#include <QStringList>

#include <functional>
#include <limits>
#include <memory>

inline constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
inline constexpr double kInf = std::numeric_limits<double>::infinity();
inline constexpr double kMax = std::numeric_limits<double>::max();

// A Graph of w x h pixels with a 32-bit picture, opened; `onOpen` runs as its Open event.
inline std::unique_ptr<Graph> OpenGraph(int w, int h, std::function<void(Graph&)> onOpen = {}) {
    auto g = std::make_unique<Graph>();
    g->resize(w, h);
    g->DepthQuery = [] { return 32; };
    if (onOpen) g->Open = [raw = g.get(), onOpen] { onOpen(*raw); };
    g->Event_Open();
    return g;
}

inline void NoYTicks(Graph& g) {
    g.SetYMajTix(false);
    g.SetYMinTix(false);
}
inline void NoTicks(Graph& g) {
    NoYTicks(g);
    g.SetXMajTix(false);
    g.SetXMinTix(false);
}

// While it lives, GX records into a device of the picture's size, in the picture's style.
class Recording {
  public:
    explicit Recording(Graph& g)
        : g_(g), saved_(g.GX), device_(g.FWidth, g.FHeight), gx_(&device_) {
        if (saved_) ApplyState(gx_, StateOf(*saved_));
        g_.GX = &gx_;
    }
    ~Recording() { g_.GX = saved_; }

    // "line 1,2 3,4", "fill 1,2 3x4", "oval"/"disc" box, "text T x,y size"; colour unless black.
    QStringList Drawn(const QString& prefix = {}) const {
        QStringList out;
        for (const Recorded& r : Items())
            if (const QString d = Describe(r); d.startsWith(prefix)) out << d;
        return out;
    }
    const Recorded* Text(const QString& text) const {
        for (const Recorded& r : Items())
            if (r.kind == Recorded::Kind::Text && r.text == text) return &r;
        return nullptr;
    }
    const std::vector<Recorded>& Items() const { return device_.Items(); }
    void Clear() { device_.Clear(); }

  private:
    static QString Describe(const Recorded& r) {
        using K = Recorded::Kind;
        auto pt = [](QPointF p) { return QString("%1,%2").arg(qRound(p.x())).arg(qRound(p.y())); };
        if (r.kind == K::Text)
            return QString("text %1 %2 %3").arg(r.text, pt(r.at)).arg(r.font.pixelSize());
        const QRect b = r.rect.toRect();
        QString s = QString("%1,%2 %3x%4").arg(b.x()).arg(b.y()).arg(b.width()).arg(b.height());
        if (r.kind == K::Line) s = "line " + pt(r.line.p1()) + " " + pt(r.line.p2());
        if (r.kind == K::Rect) s = "fill " + s;
        if (r.kind == K::Ellipse) s = (r.Filled() ? "disc " : "oval ") + s;
        const QColor c = r.Filled() ? r.fill : r.pen;
        return c == Qt::black ? s : s + " " + c.name();
    }

    Graph& g_;
    Graphics* saved_;
    RecordingDevice device_;
    Graphics gx_;
};

struct Metrics {
    QImage image{8, 8, QImage::Format_RGB32};
    Graphics g{&image};
    Metrics(const QString& font, int size, bool bold = false) {
        g.SetTextFont(font), g.SetTextSize(size), g.SetBold(bold);
    }
    int Width(const QString& text) { return qRound(g.StringWidth(text)); }
    int Height() const { return g.TextHeight(); }
};

// The message of the GraphError that `call` raises, or "".
inline QString ErrorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const GraphError& e) {
        return e.msg;
    }
    return {};
}
