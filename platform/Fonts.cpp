#include "platform/Fonts.h"

#include <array>

namespace {

// Installed by the set-up: Liberation Sans has the metrics of Helvetica, DejaVu Sans covers
// Greek and the mathematical signs.
const QString kSans = QStringLiteral("Liberation Sans");
const QString kSystem = QStringLiteral("DejaVu Sans");

QString family(const QString& name) {
    if (name.compare(QStringLiteral("Helvetica"), Qt::CaseInsensitive) == 0) return kSans;
    if (name.compare(QStringLiteral("System"), Qt::CaseInsensitive) == 0) return kSystem;
    if (name.compare(QStringLiteral("Symbol"), Qt::CaseInsensitive) == 0) return kSystem;
    if (name.isEmpty()) return kSystem;
    return name;
}

} // namespace

QFont ResolveFont(const QString& name, int size, bool bold, bool italic) {
    QFont font(family(name));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(size < 1 ? 1 : size);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QString SymbolToUnicode(const QString& text) {
    // The Greek letters of the classic symbol font, at the codes of 'A' ... 'Z' and 'a' ... 'z'.
    static constexpr std::array<char16_t, 26> upper = {
        u'Α', u'Β', u'Χ', u'Δ', u'Ε', u'Φ', u'Γ', u'Η', u'Ι', u'ϑ', u'Κ', u'Λ', u'Μ',
        u'Ν', u'Ο', u'Π', u'Θ', u'Ρ', u'Σ', u'Τ', u'Υ', u'ς', u'Ω', u'Ξ', u'Ψ', u'Ζ'};
    static constexpr std::array<char16_t, 26> lower = {
        u'α', u'β', u'χ', u'δ', u'ε', u'φ', u'γ', u'η', u'ι', u'ϕ', u'κ', u'λ', u'μ',
        u'ν', u'ο', u'π', u'θ', u'ρ', u'σ', u'τ', u'υ', u'ϖ', u'ω', u'ξ', u'ψ', u'ζ'};
    QString out = text;
    for (QChar& c : out) {
        const char16_t u = c.unicode();
        if (u >= u'A' && u <= u'Z')
            c = QChar(upper[u - u'A']);
        else if (u >= u'a' && u <= u'z')
            c = QChar(lower[u - u'a']);
    }
    return out;
}
