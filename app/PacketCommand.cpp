#include "app/PacketCommand.h"

#include "solver/core/Setup.h"
#include "solver/core/WavePacket.h"

#include <cmath>
#include <stdexcept>

namespace {

// Ten significant digits, shortest form, "." always: the same text in every locale.
QString csvNumber(double v) {
    return QString::number(v + 0.0, 'g', 10); // + 0.0: no "-0"
}

// The packet's message names its parameter first ("x0: ..."), which is the option's name; a
// potential that is not finite is the row's doing.
QString optionMessage(const std::invalid_argument& e) {
    const QString what = QString::fromUtf8(e.what());
    if (what.startsWith(QLatin1String("potential")))
        return QStringLiteral("--potential: a wave packet needs a finite potential, and this one "
                              "is infinite at its centre");
    return "--" + what;
}

} // namespace

int RunPacket(const Command& c, const Setup& value, QTextStream& out, QTextStream& err) {
    Solver potential;
    BuildPotential(value, potential);
    // Whole integration steps make up each row's step: as many as keep them at most the
    // packet's own step.
    const double perRow = std::ceil(c.step / DefaultPacketStep * (1 - 1e-12));
    const int steps = int(std::fmax(1.0, perRow));
    try {
        WavePacket packet(potential.PEGraph, value.mass, {c.x0, c.sigma, c.kinetic},
                          c.step / steps);
        out << PacketCsvHeader << '\n';
        for (int k = 0; k <= c.steps; ++k) {
            if (k > 0) packet.Advance(steps);
            const PacketObservables o = packet.Observe();
            out << csvNumber(k * c.step) << ',' << csvNumber(o.norm) << ',' << csvNumber(o.meanX)
                << ',' << csvNumber(o.spreadX) << ',' << csvNumber(o.meanK) << ','
                << csvNumber(o.spreadK) << ',' << csvNumber(o.left) << ',' << csvNumber(o.right)
                << '\n';
        }
    } catch (const std::invalid_argument& e) {
        err << "wellscope: " << optionMessage(e) << '\n';
        return 2;
    }
    return 0;
}
