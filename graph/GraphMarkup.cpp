// Formatted strings on the Graph: measuring and encoding markup in GX, drawing encoded strings,
// and the font setters. The markup itself is parsed by markup::Parse (Markup.h).

#include "graph/Graph.h"

#include "graph/Markup.h"

namespace {

const QString kNoTarget = QStringLiteral("DrawSString: Graphics target undefined.");

} // namespace

QString Graph::SetSString(const QString& markup) {
    if (markup.isEmpty()) return {};
    if (!GX) throw GraphError(kNoTarget);
    const markup::Measure m = markup::MeasureRuns(markup::Parse(markup, TextStyleOf(*GX)), *GX);
    return markup::Encode(m, GX->TextFont(), GX->TextSize(), markup);
}

void Graph::DrawSString(const QString& encoded, int x, int y, int anchor) {
    if (encoded.isEmpty()) return;
    if (!GX) throw GraphError(kNoTarget);
    markup::Header header;
    QString s = encoded;
    // Plain markup is encoded first, so that its anchors have line widths to work with.
    if (!markup::ReadHeader(s, header)) {
        s = SetSString(encoded);
        markup::ReadHeader(s, header);
    }
    // The body starts with the measuring font and size, which the parse selects.
    const auto items = markup::Parse(QStringView(s).mid(header.bodyStart), TextStyleOf(*GX));
    markup::DrawRuns(items, *GX, anchor, x, y, header.lineHeight, header.lineWidths);
}

void Graph::DrawSString(const QString& encoded, int x, int y) {
    DrawSString(encoded, x, y, 0);
}

int Graph::GetSSHeight(const QString& s) const {
    return markup::EncodedHeight(s);
}

int Graph::GetSSWidth(const QString& s) const {
    return markup::EncodedWidth(s);
}

QString Graph::GetSString(const QString& s) const {
    return markup::EncodedBody(s);
}

QString Graph::SetSSLineH(const QString& s, int height) {
    markup::Header header;
    const QString encoded = markup::ReadHeader(s, header) ? s : SetSString(s);
    return markup::WithLineHeight(encoded, height);
}

void Graph::SetTitle(const QString& markup) {
    Title = SetSString(markup);
}

void Graph::SetXLabel(const QString& markup) {
    XLabel = SetSString(markup);
}

void Graph::SetYLabel(const QString& markup) {
    YLabel = SetSString(markup);
}

void Graph::SetFontInfo(const QString& font, int size, bool bold, bool italic) {
    SetFontInfo(font, size);
    if (!GX) return;
    // Every change re-resolves the font; the axes call this on each redraw.
    if (GX->Bold() != bold) GX->SetBold(bold);
    if (GX->Italic() != italic) GX->SetItalic(italic);
}

void Graph::SetFontInfo(const QString& font, int size) {
    if (!GX) return;
    if (!font.isEmpty() && GX->TextFont() != font) GX->SetTextFont(font);
    if (size != 0 && GX->TextSize() != markup::ClampSize(size))
        GX->SetTextSize(markup::ClampSize(size));
}

void Graph::SetTickFontInfo(const QString& font, int size) {
    if (!font.isEmpty()) TickFont = font;
    if (size != 0) TickFSize = markup::ClampSize(size);
}
