#pragma once

#include <QString>

// A number in the commands' CSV: ten significant digits, shortest form, "." always, the same
// text in every locale.
inline QString CsvNumber(double v) {
    return QString::number(v + 0.0, 'g', 10); // + 0.0: no "-0"
}
