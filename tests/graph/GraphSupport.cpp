#include "tests/graph/GraphSupport.h"

std::unique_ptr<Graph> OpenGraph(int w, int h, std::function<void(Graph&)> onOpen) {
    auto g = std::make_unique<Graph>();
    g->resize(w, h);
    g->DepthQuery = [] { return 32; };
    if (onOpen) g->Open = [raw = g.get(), onOpen] { onOpen(*raw); };
    g->Event_Open();
    return g;
}

void NoTicks(Graph& g) {
    g.SetXMajTix(false);
    g.SetXMinTix(false);
    g.SetYMajTix(false);
    g.SetYMinTix(false);
}

Recording::Recording(Graph& g) : g_(g), saved_(g.GX), device_(g.FWidth, g.FHeight), gx_(&device_) {
    if (saved_) ApplyState(gx_, StateOf(*saved_));
    g_.GX = &gx_;
}

namespace {

QString Pt(QPointF p) {
    return QString("%1,%2").arg(qRound(p.x())).arg(qRound(p.y()));
}

QString Describe(const Recorded& r) {
    using K = Recorded::Kind;
    if (r.kind == K::Text)
        return QString("text %1 %2 %3").arg(r.text, Pt(r.at)).arg(r.font.pixelSize());
    const QRect b = r.rect.toRect();
    QString s = QString("%1,%2 %3x%4").arg(b.x()).arg(b.y()).arg(b.width()).arg(b.height());
    if (r.kind == K::Line) s = "line " + Pt(r.line.p1()) + " " + Pt(r.line.p2());
    if (r.kind == K::Rect) s = "fill " + s;
    if (r.kind == K::Ellipse) s = (r.Filled() ? "disc " : "oval ") + s;
    if (r.kind == K::Polygon) {
        s = r.Filled() ? "fill-poly" : "poly";
        for (QPointF p : r.poly) s += " " + Pt(p);
    }
    if (r.kind == K::Point || r.kind == K::Path || r.kind == K::Image) s = "other " + s;
    const QColor c = r.Filled() ? r.fill : r.pen;
    return c == Qt::black ? s : s + " " + c.name();
}

} // namespace

QStringList Recording::Drawn(const QString& prefix) const {
    QStringList out;
    for (const Recorded& r : Items())
        if (const QString d = Describe(r); d.startsWith(prefix)) out << d;
    return out;
}

QString Recording::By(const std::function<void()>& call) {
    Clear();
    call();
    return Drawn().join("; ");
}

const Recorded* Recording::Text(const QString& text) const {
    for (const Recorded& r : Items())
        if (r.kind == Recorded::Kind::Text && r.text == text) return &r;
    return nullptr;
}

Metrics::Metrics(const QString& font, int size, bool bold) {
    g.SetTextFont(font);
    g.SetTextSize(size);
    g.SetBold(bold);
}

QString ErrorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const GraphError& e) {
        return e.msg;
    }
    return {};
}
