// The command line: any arguments give one line of error or a command the window can take.
#include "app/CommandLine.h"
#include "solver/core/PotentialRows.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto check = [](bool ok) {
        if (!ok) std::abort();
    };
    const ParsedCommand p = ParseCommandLine( // one argument per line
        QString::fromUtf8(reinterpret_cast<const char*>(data), int(size)).split(QLatin1Char('\n')));
    if (!p.error.isEmpty()) {
        check(!p.error.contains(QLatin1Char('\n')));
        return 0;
    }
    const Command& c = p.command;
    check(c.row >= RowWell && c.row < int(PotentialRows.size()));
    check(c.count >= 1 && c.count <= 100);
    // Each slider the row uses lies in its range; the others are not set.
    const RowInfo& row = RowOf(c.row);
    const std::optional<int>* sliders[] = {&c.slider1, &c.slider2, &c.slider3};
    for (int n = 0; n < 3; ++n) {
        const std::optional<int>& v = *sliders[n];
        if (n >= row.sliderCount) {
            check(!v);
            continue;
        }
        const SliderInfo& s = row.sliders[std::size_t(n)];
        const int max = s.maxFollowsSlider1 ? c.slider1.value_or(row.sliders[0].start) : s.max;
        check(!v || (*v >= s.min && *v <= max));
    }
    return 0;
}
