#include "platform/NumberText.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {

QString nonFinite(double value) {
    if (std::isnan(value)) return QStringLiteral("nan");
    return value < 0 ? QStringLiteral("-inf") : QStringLiteral("inf");
}

} // namespace

QString Format(double value, const QString& pattern) {
    if (!std::isfinite(value)) return nonFinite(value);

    const bool showSign = pattern.startsWith(QLatin1Char('-'));
    const QString body = showSign ? pattern.mid(1) : pattern;
    const int point = body.indexOf(QLatin1Char('.'));
    const QString intPart = point < 0 ? body : body.left(point);
    const QString fracPart = point < 0 ? QString() : body.mid(point + 1);

    int minIntDigits = 0; // "0" places before the point
    for (QChar c : intPart)
        if (c == QLatin1Char('0')) ++minIntDigits;
    int places = 0;      // fraction places of either kind
    int fixedPlaces = 0; // the leading run of "0" places, always shown
    bool optionalSeen = false;
    for (QChar c : fracPart) {
        if (c == QLatin1Char('0') || c == QLatin1Char('#')) {
            ++places;
            if (c == QLatin1Char('#'))
                optionalSeen = true;
            else if (!optionalSeen)
                ++fixedPlaces;
        }
    }

    // Correctly rounded fixed notation of the magnitude.
    char buf[400];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::fixed, places);
    std::string digits(buf, res.ptr);
    std::string whole = digits;
    std::string frac;
    if (const auto dot = digits.find('.'); dot != std::string::npos) {
        whole = digits.substr(0, dot);
        frac = digits.substr(dot + 1);
    }
    while (static_cast<int>(frac.size()) > fixedPlaces && !frac.empty() && frac.back() == '0')
        frac.pop_back();
    const bool isZero = whole.find_first_not_of('0') == std::string::npos &&
                        frac.find_first_not_of('0') == std::string::npos;
    if (whole == "0" && minIntDigits == 0) whole.clear();
    while (static_cast<int>(whole.size()) < minIntDigits) whole.insert(whole.begin(), '0');

    // A value that shows no digit at all would read as nothing; show its zero.
    if (whole.empty() && frac.empty()) return QStringLiteral("0");
    QString out;
    if (value < 0 && showSign && !isZero) out += QLatin1Char('-');
    out += QString::fromStdString(whole);
    if (!frac.empty()) out += QLatin1Char('.') + QString::fromStdString(frac);
    return out;
}

QString Str(double value) {
    if (!std::isfinite(value)) return nonFinite(value);
    if (value == 0) return QStringLiteral("0"); // also for -0
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    return QString::fromLatin1(buf, static_cast<int>(res.ptr - buf));
}

double Val(const QString& text) {
    const std::string s = text.trimmed().toStdString();
    const char* p = s.data();
    const char* end = p + s.size();
    bool negative = false;
    if (p != end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    // Only plain decimal numbers: from_chars would also take "inf" and "nan".
    if (p == end || !(std::isdigit(static_cast<unsigned char>(*p)) || *p == '.')) return 0;
    double v = 0;
    const auto res = std::from_chars(p, end, v, std::chars_format::general);
    if (res.ec != std::errc() || !std::isfinite(v)) return 0;
    return negative ? -v : v;
}
