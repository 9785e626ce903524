#pragma once

#include <QStringList>

// The arguments without the options that Qt itself reads (-style, -platform, -reverse,
// -qwindowgeometry, ...) and their values: those reach Qt through QApplication, as in every
// Qt program, and are none of the command line's business.
QStringList WithoutQtOptions(const QStringList& arguments);
