// Any value and pattern give text; with a plain pattern it reads back to the rounded value.
#include "platform/NumberText.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include <QRegularExpression>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < sizeof(double)) return 0;
    double value;
    std::memcpy(&value, data, sizeof value);
    const QString pattern = QString::fromLatin1(reinterpret_cast<const char*>(data) + sizeof value,
                                                int(size - sizeof value));
    const QString text = Format(value, pattern);
    if (text.isEmpty()) std::abort();

    // A plain pattern: an optional "-", then "#" and "0", a point, and up to 11 places.
    static const QRegularExpression plain(
        QRegularExpression::anchoredPattern(QStringLiteral("-[#0]{1,3}(\\.[#0]{0,11})?")));
    if (!std::isfinite(value) || std::fabs(value) > 1e12 || !plain.match(pattern).hasMatch())
        return 0;
    const int point = pattern.indexOf('.');
    const int places = point < 0 ? 0 : int(pattern.size()) - point - 1;
    const double back = Val(text);
    if (std::fabs(back - value) >
        0.5 * std::pow(10.0, -places) * (1 + 1e-9) + 1e-300 + std::fabs(value) * 1e-15)
        std::abort();
    return 0;
}
