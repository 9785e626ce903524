#pragma once

#include <QFont>
#include <QString>

// The logical font names the program draws with, resolved to fonts that the set-up installs:
// "Helvetica" -> Liberation Sans, "System" and "Symbol" -> DejaVu Sans; any other name is
// handed to the font system as it is. Sizes are in pixels of the drawing (points at 72 dpi).
QFont ResolveFont(const QString& name, int size, bool bold, bool italic);

// The text a "Symbol" font run shows: Latin letters become the Greek letters at their codes
// (a -> alpha, b -> beta, ..., W -> Omega); every other character stays.
QString SymbolToUnicode(const QString& text);
