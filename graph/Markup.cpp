#include "graph/Markup.h"

#include "graph/Scale.h"
#include "platform/GraphicsState.h"
#include "platform/NumberText.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace markup {

namespace {

using scale::RoundToInt;

// Text positions are kept well inside the int range: a caller's point near INT_MAX plus a line
// width must not overflow, and nothing that far out is visible anyway.
constexpr long long kFar = 1 << 30;

int Near(long long v) {
    return static_cast<int>(std::clamp(v, -kFar, kFar));
}

// The parse state of the scan: the style in force, the base it returns to, the shift.
class Parser {
  public:
    explicit Parser(const Style& start) : st_(start), baseFont_(start.font) {
        st_.size = ClampSize(start.size);
        baseSize_ = st_.size;
    }

    std::vector<Item> Run(QStringView s) {
        const qsizetype n = s.size();
        for (qsizetype i = 0; i < n; ++i) {
            const QChar c = s[i];
            switch (c.unicode()) {
            case u'^':
            case u'_':
                Flush();
                ToggleShift(c == u'^' ? 1 : -1);
                break;
            case u' ':
                if (shift_ != 0 || symbol_) {
                    Flush();
                    st_.size = baseSize_;
                    shift_ = 0;
                    if (symbol_) {
                        st_.font = baseFont_;
                        symbol_ = false;
                    }
                }
                Add(c);
                break;
            case u'~':
                Flush();
                Move(1);
                break;
            case u'$':
                Flush();
                symbol_ = !symbol_;
                st_.font = symbol_ ? QStringLiteral("Symbol") : baseFont_;
                break;
            case u'!':
                Flush();
                st_.bold = !st_.bold;
                break;
            case u'\\':
                Flush();
                st_.italic = !st_.italic;
                break;
            case u'|':
                Flush();
                items_.push_back({Item::Kind::Break, {}, {}, 0, 0, false, 0});
                break;
            case u'@':
            case u'#': {
                Flush();
                const qsizetype close = s.indexOf(c, i + 1);
                if (close < 0) return std::move(items_); // unterminated: the rest is consumed
                const QStringView field = s.mid(i + 1, close - i - 1);
                if (c == u'@') {
                    baseFont_ = field.toString();
                    st_.font = baseFont_;
                } else {
                    baseSize_ = ClampSize(std::round(Val(field.toString())));
                    st_.size = baseSize_;
                }
                probeWanted_ = true;
                i = close;
                break;
            }
            case u'&':
                Flush();
                if (i + 1 < n) Add(s[++i]);
                break;
            default:
                Add(c);
                break;
            }
        }
        Flush();
        return std::move(items_);
    }

  private:
    void Add(QChar c) {
        if (probeWanted_) {
            pendingProbe_ = true;
            probeWanted_ = false;
        }
        pending_ += c;
    }

    void Flush() {
        if (pending_.isEmpty()) return;
        items_.push_back({Item::Kind::Text, pending_, st_, shift_, 0, pendingProbe_,
                          pendingProbe_ ? baseSize_ : 0});
        pending_.clear();
        pendingProbe_ = false;
    }

    void Move(int dx) { items_.push_back({Item::Kind::Move, {}, {}, 0, dx, false, 0}); }

    void ToggleShift(int direction) {
        if (shift_ != 0) {
            st_.size = baseSize_;
            shift_ = 0;
            return;
        }
        st_.size = ClampSize(std::round(0.72 * baseSize_));
        shift_ = direction * RoundToInt(0.3 * baseSize_);
        if (st_.italic) Move(direction * RoundToInt(0.2 * baseSize_));
    }

    std::vector<Item> items_;
    Style st_;
    QString baseFont_;
    int baseSize_ = 12;
    bool symbol_ = false;
    int shift_ = 0;
    bool probeWanted_ = true;
    bool pendingProbe_ = false;
    QString pending_;
};

void AppendField(QString& out, int value) {
    out += QChar(static_cast<char16_t>(value & 255));
}

// A width as its high and low characters; widths are never negative in the header.
void AppendWidth(QString& out, int width) {
    const int w = std::max(width, 0);
    AppendField(out, w / 256);
    AppendField(out, w % 256);
}

int Code(const QString& s, qsizetype i) {
    return s[i].unicode();
}

} // namespace

int ClampSize(double size) {
    if (!(size >= kMinSize)) return kMinSize; // also NaN
    if (size >= kMaxSize) return kMaxSize;
    return RoundToInt(size);
}

std::vector<Item> Parse(QStringView markup, const Style& start) {
    return Parser(start).Run(markup);
}

Measure MeasureRuns(const std::vector<Item>& items, Graphics& g) {
    const GraphicsStateKeeper keep(g);
    Measure m;
    m.lineWidths.clear();
    long long pen = 0;
    long long widest = 0;
    auto endLine = [&] {
        widest = std::max(widest, pen);
        m.lineWidths.push_back(Near(std::max(pen, 0LL)));
        pen = 0;
    };
    for (const Item& it : items) {
        switch (it.kind) {
        case Item::Kind::Text:
            if (it.probe) {
                Style probe = it.style;
                probe.size = it.probeSize;
                ApplyTextStyle(g, probe);
                m.lineHeight = std::max(m.lineHeight, g.TextHeight());
            }
            ApplyTextStyle(g, it.style);
            pen += RoundToInt(g.StringWidth(it.text));
            break;
        case Item::Kind::Move:
            pen += it.dx;
            break;
        case Item::Kind::Break:
            endLine();
            break;
        }
    }
    endLine();
    m.lines = static_cast<int>(m.lineWidths.size());
    m.width = Near(widest);
    return m;
}

void DrawRuns(const std::vector<Item>& items, Graphics& g, int anchor, int x, int y, int lineHeight,
              const std::vector<int>& lineWidths) {
    const GraphicsStateKeeper keep(g);
    auto lineStart = [&](std::size_t line) {
        return AnchorLineStart(anchor, x, line < lineWidths.size() ? lineWidths[line] : 0);
    };
    std::size_t line = 0;
    long long pen = lineStart(0);
    long long baseline =
        AnchorFirstBaseline(anchor, y, lineHeight, static_cast<int>(lineWidths.size()));
    for (const Item& it : items) {
        switch (it.kind) {
        case Item::Kind::Text:
            ApplyTextStyle(g, it.style);
            g.DrawString(it.text, Near(pen), Near(baseline - it.shift));
            pen = Near(pen + RoundToInt(g.StringWidth(it.text)));
            break;
        case Item::Kind::Move:
            pen = Near(pen + it.dx);
            break;
        case Item::Kind::Break:
            baseline = Near(baseline + lineHeight);
            pen = lineStart(++line);
            break;
        }
    }
}

QString EncodeHeader(const Measure& m) {
    QString out = QStringLiteral(".");
    AppendField(out, m.lines);
    AppendField(out, m.lineHeight);
    AppendWidth(out, m.width);
    for (int w : m.lineWidths) AppendWidth(out, w);
    return out;
}

QString Encode(const Measure& m, const QString& font, int size, const QString& markup) {
    return EncodeHeader(m) + QLatin1Char('@') + font + QLatin1String("@#") + QString::number(size) +
           QLatin1Char('#') + markup;
}

bool ReadHeader(const QString& s, Header& out) {
    if (s.size() < 2 || s[0] != u'.') return false;
    const int n = Code(s, 1);
    if (n < 1 || s.size() < 2 * static_cast<qsizetype>(n) + 5) return false;
    out.lines = n;
    out.lineHeight = Code(s, 2);
    out.lineWidths.resize(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) out.lineWidths[i] = Code(s, 5 + 2 * i) * 256 + Code(s, 6 + 2 * i);
    out.bodyStart = 5 + 2 * static_cast<qsizetype>(n);
    return true;
}

int EncodedHeight(const QString& s) {
    if (s.size() < 3 || s[0] != u'.') return 0;
    return Near(static_cast<long long>(Code(s, 1)) * Code(s, 2));
}

int EncodedWidth(const QString& s) {
    if (s.size() < 5 || s[0] != u'.') return 0;
    return Near(static_cast<long long>(Code(s, 3)) * 256 + Code(s, 4));
}

QString EncodedBody(const QString& s) {
    if (s.size() < 2 || s[0] != u'.') return s;
    const qsizetype n = Code(s, 1);
    if (n < 1 || s.size() < 2 * n + 6) return s;
    return s.mid(5 + 2 * n);
}

QString WithLineHeight(const QString& encoded, int height) {
    QString out = encoded;
    if (out.size() >= 3) out[2] = QChar(static_cast<char16_t>(height & 255));
    return out;
}

int AnchorFirstBaseline(int anchor, int y, int lineHeight, int lines) {
    const long long h = lineHeight;
    const long long n = lines;
    switch (anchor) {
    case 1:
    case 2:
    case 3:
        return Near(y - h * (n - 1));
    case 4:
    case 5:
    case 6:
        return Near(y - static_cast<long long>(std::round(h * (n - 2) / 2.0)) - 2);
    case 7:
    case 8:
    case 9:
        return Near(y + h - 2);
    default:
        return y;
    }
}

int AnchorLineStart(int anchor, int x, int lineWidth) {
    switch (anchor) {
    case 2:
    case 5:
    case 8:
        return Near(x - static_cast<long long>(std::round(lineWidth / 2.0)));
    case 3:
    case 6:
    case 9:
        return Near(static_cast<long long>(x) - lineWidth);
    default:
        return x;
    }
}

} // namespace markup
