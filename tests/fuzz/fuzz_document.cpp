// Any bytes read as one line of error or a usable document that writes and reads back the same.
#include "app/Document.h"
#include "solver/core/PotentialRows.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto check = [](bool ok) {
        if (!ok) std::abort();
    };
    QString error;
    const std::optional<Document> d =
        ReadDocument(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), error);
    if (!d) {
        check(!error.isEmpty() && !error.contains(QLatin1Char('\n')));
        return 0;
    }
    check(d->row >= RowWell && d->row < int(PotentialRows.size()));
    const RowInfo& r = RowOf(d->row);
    check(int(d->sliders.size()) == r.sliderCount);
    for (int n = 0; n < r.sliderCount; ++n) {
        const SliderInfo& s = r.sliders[std::size_t(n)];
        const int max = s.maxFollowsSlider1 ? d->sliders[0] : s.max;
        check(d->sliders[std::size_t(n)] >= s.min && d->sliders[std::size_t(n)] <= max);
    }
    check(d->handles.empty() == d->potential.empty());
    for (const Document::Handle& h : d->handles) check(h.index >= 0 && h.index <= HandleLast);
    QString again;
    const std::optional<Document> back = ReadDocument(WriteDocument(*d), again);
    check(back && *back == *d);
    return 0;
}
