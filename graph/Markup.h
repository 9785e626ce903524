#pragma once

// The formatted-string markup of titles and labels. A markup string is parsed once into runs
// (text with its font, size, bold, italic and baseline shift, pen moves, line breaks); measuring
// and drawing walk the same runs, so what is drawn always matches what was measured.
//
//   ^ superscript on/off      _ subscript on/off (one shift state shared with ^)
//   $ Symbol font on/off      space ends a shift and the Symbol font
//   ! bold on/off             \ italic on/off
//   ~ one pixel of space      | line break
//   @name@ base font          #number# base size
//   & the next character is text
//
// Encoded form: "." n h Whi Wlo (hi lo per line) "@" font "@#" size "#" markup, each header
// field one character whose code is the value modulo 256.

#include "platform/GraphicsState.h"

#include <QString>
#include <QStringView>

#include <vector>

namespace markup {

// Sizes from the markup (and from the size setters) are clamped to 1 ... 200 points: larger
// ones only fill memory with glyphs and smaller ones cannot be drawn.
inline constexpr int kMinSize = 1;
inline constexpr int kMaxSize = 200;
int ClampSize(double size);

// The font, size, bold and italic of a run.
using Style = TextStyle;

struct Item {
    enum class Kind { Text, Move, Break };
    Kind kind = Kind::Text;
    QString text;       // Text: drawn in one piece
    Style style;        // Text: in force for the whole run
    int shift = 0;      // Text: baseline raised by this many pixels (negative: lowered)
    int dx = 0;         // Move: pen move in pixels
    bool probe = false; // Text: first text after the start or a font or size field
    int probeSize = 0;  // Text with probe: the base size then in force (shifts do not count)
};

// Parses markup whose base style at the start is `start`. A "@" or "#" field without its
// closing character ends the parse: what follows is neither measured nor drawn.
std::vector<Item> Parse(QStringView markup, const Style& start);

struct Measure {
    int lines = 1;
    int lineHeight = 0;
    int width = 0;
    std::vector<int> lineWidths;
};

// Measures the runs with `g`'s metrics; `g`'s style is restored.
Measure MeasureRuns(const std::vector<Item>& items, Graphics& g);

// Draws the runs into `g` aligned by `anchor` on (x, y): the first baseline and the start of
// each line follow from the line height and the line widths (a line without a width starts as
// one of width 0). `g`'s style is restored.
void DrawRuns(const std::vector<Item>& items, Graphics& g, int anchor, int x, int y, int lineHeight,
              const std::vector<int>& lineWidths);

// The header, up to and including the line widths.
QString EncodeHeader(const Measure& m);
// The encoded string of markup measured with `m` in font `font` of size `size`.
QString Encode(const Measure& m, const QString& font, int size, const QString& markup);

// A header that the drawing can use: "." with n >= 1 and all n line widths present.
struct Header {
    int lines = 0;
    int lineHeight = 0;
    std::vector<int> lineWidths;
    qsizetype bodyStart = 0; // index of the "@font@#size#markup" part
};
bool ReadHeader(const QString& encoded, Header& out);

int EncodedHeight(const QString& s);                        // n x line height, 0 if not encoded
int EncodedWidth(const QString& s);                         // widest line, 0 if not encoded
QString EncodedBody(const QString& s);                      // after the header, or s unchanged
QString WithLineHeight(const QString& encoded, int height); // position 3 replaced

// Where the lines of an n-line block with line height h start for anchor 1 ... 9.
int AnchorFirstBaseline(int anchor, int y, int lineHeight, int lines);
int AnchorLineStart(int anchor, int x, int lineWidth);

} // namespace markup
