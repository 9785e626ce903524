// Any text reads as a finite number, and a number's plain text reads back to the same number.
#include "platform/NumberText.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), int(size));
    const double v = Val(text);
    if (!std::isfinite(v)) std::abort();
    if (Val(Str(v)) != v) std::abort();
    return 0;
}
