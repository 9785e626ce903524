// The command line's option parsing: any arguments give either one line of error or a command
// whose slider values lie in their sliders' ranges and whose evolve times are usable.
#include "app/CommandLine.h"
#include "solver/core/PotentialRows.h"

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool ok) {
    if (!ok) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // One argument per line.
    const QStringList args =
        QString::fromUtf8(reinterpret_cast<const char*>(data), int(size)).split(QLatin1Char('\n'));
    const ParsedCommand p = ParseCommandLine(args);
    if (!p.error.isEmpty()) {
        check(!p.error.contains(QLatin1Char('\n')));
        return 0;
    }
    const Command& c = p.command;
    check(c.row >= RowWell && c.row <= RowDraw);
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
    if (c.kind == Command::Snapshot)
        check(c.file.endsWith(QLatin1String(".png"), Qt::CaseInsensitive) ||
              c.file.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive));
    if (c.kind == Command::Save)
        check(c.file.endsWith(QLatin1String(".wellscope"), Qt::CaseInsensitive));
    if (c.kind == Command::Data) check(c.file.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive));
    if (c.kind == Command::Print)
        check(c.file.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive));
    if (c.kind == Command::Evolve) {
        // Levels to superpose, one amplitude each, not all 0, and at most 100 000 rows.
        check(!c.states.empty() && c.amplitudes.size() == c.states.size());
        bool any = false;
        for (double a : c.amplitudes) {
            check(a >= 0 && a <= 1);
            any = any || a > 0;
        }
        check(any && c.step > 0 && c.steps >= 0 && c.steps < 100000);
    }
    return 0;
}
