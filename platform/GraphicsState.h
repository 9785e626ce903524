#pragma once

// The state of a drawing context that drawing code changes for a while: colour and font. A part
// that draws in its own colour or font keeps the caller's with a GraphicsStateKeeper.

#include "platform/Color.h"
#include "platform/Graphics.h"

#include <QString>

// The font part of the state.
struct TextStyle {
    QString font;
    int size = 12;
    bool bold = false;
    bool italic = false;

    friend bool operator==(const TextStyle&, const TextStyle&) = default;
};

struct GraphicsState {
    Color color;
    TextStyle text;

    friend bool operator==(const GraphicsState&, const GraphicsState&) = default;
};

inline TextStyle TextStyleOf(const Graphics& g) {
    return {g.TextFont(), g.TextSize(), g.Bold(), g.Italic()};
}

inline GraphicsState StateOf(const Graphics& g) {
    return {g.ForeColor(), TextStyleOf(g)};
}

// Sets only what differs: each font change re-resolves the font.
inline void ApplyTextStyle(Graphics& g, const TextStyle& s) {
    if (g.TextFont() != s.font) g.SetTextFont(s.font);
    if (g.TextSize() != s.size) g.SetTextSize(s.size);
    if (g.Bold() != s.bold) g.SetBold(s.bold);
    if (g.Italic() != s.italic) g.SetItalic(s.italic);
}

inline void ApplyState(Graphics& g, const GraphicsState& s) {
    if (!(g.ForeColor() == s.color)) g.SetForeColor(s.color);
    ApplyTextStyle(g, s.text);
}

// Puts a context's colour and font back as they were, however the scope ends.
class GraphicsStateKeeper {
  public:
    explicit GraphicsStateKeeper(Graphics& g) : g_(g), saved_(StateOf(g)) {}
    ~GraphicsStateKeeper() { ApplyState(g_, saved_); }
    GraphicsStateKeeper(const GraphicsStateKeeper&) = delete;
    GraphicsStateKeeper& operator=(const GraphicsStateKeeper&) = delete;

  private:
    Graphics& g_;
    GraphicsState saved_;
};
