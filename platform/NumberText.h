#pragma once

#include <QString>

// Number text, independent of the user's locale: the decimal mark is always ".".

// Formats `value` with a pattern: "#" an optional digit, "0" a digit always shown, "." the
// decimal point, a leading "-" shows the sign of a negative value. Fraction digits are rounded
// to the places the pattern has. Format(0.30273417311, "-#.00000000000") is ".30273417311".
QString Format(double value, const QString& pattern);

// The plain conversion: the shortest text that reads back to the same double, without trailing
// zeros (3.5 -> "3.5", 1 -> "1", 0.01 -> "0.01").
QString Str(double value);

// Reads the number at the start of `text` (after blanks): "2.5 eV" reads 2.5, ".5" 0.5.
// Text that is not a number, and numbers that are not finite ("1e400", "nan", "inf"), read 0.
double Val(const QString& text);
