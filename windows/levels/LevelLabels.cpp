#include "windows/levels/LevelLabels.h"

std::vector<LevelLabel> LevelLabels(const std::vector<BoundState>& states, int chosen, double low,
                                    double high, int height,
                                    const std::function<int(double)>& row) {
    std::vector<LevelLabel> out;
    int first = -1, last = -1; // the run being gathered, as state indices
    auto close = [&] {
        if (first < 0) return;
        const int a = states[std::size_t(first)].n, b = states[std::size_t(last)].n;
        QString text = QString::number(a);
        if (last == first + 1) text += QStringLiteral(", ") + QString::number(b);
        if (last > first + 1) text += QString::fromUtf8("–") + QString::number(b);
        out.push_back(
            {text, row(states[std::size_t(first)].energy), chosen >= first && chosen <= last});
    };
    for (int k = 0; k < int(states.size()); ++k) {
        const double e = states[std::size_t(k)].energy;
        if (!(e >= low && e <= high)) continue;
        if (first >= 0 && row(states[std::size_t(first)].energy) - row(e) < height) {
            last = k;
            continue;
        }
        close();
        first = last = k;
    }
    close();
    return out;
}
