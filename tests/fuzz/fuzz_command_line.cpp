// The command line's option parsing: any arguments give either one line of error or a command
// whose slider values lie in their sliders' ranges.
#include "app/CommandLine.h"
#include "solver/core/Solver.h"

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
    auto within = [](const std::optional<int>& v, int lo, int hi) {
        return !v || (*v >= lo && *v <= hi);
    };
    switch (c.row) {
    case RowWell:
        check(within(c.slider1, 0, 350) && !c.slider2 && !c.slider3);
        break;
    case RowSymmetricWell:
        check(within(c.slider1, 0, 350) && within(c.slider2, 0, c.slider1.value_or(100)));
        break;
    case RowUneven:
        check(within(c.slider1, 0, 350) && within(c.slider2, 0, 15) && within(c.slider3, 0, 15));
        break;
    case RowRamp:
        check(within(c.slider1, 4, 100) && within(c.slider2, 0, 15) && !c.slider3);
        break;
    case RowOscillator:
        check(within(c.slider1, 1, 20) && !c.slider2 && !c.slider3);
        break;
    default:
        check(!c.slider1 && !c.slider2 && !c.slider3);
    }
    if (c.kind == Command::Snapshot)
        check(c.file.endsWith(QLatin1String(".png"), Qt::CaseInsensitive));
    if (c.kind == Command::Print)
        check(c.file.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive));
    return 0;
}
