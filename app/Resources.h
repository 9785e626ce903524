#pragma once

#include <QString>

// The application's resources.

// The HTML source of the About page in `language` ("de", ...), in English where it has none;
// each read once and kept.
const QString& AboutWellscope(const QString& language = QStringLiteral("en"));

// The two cursors of the potential plot, `updown` and `cross`, are the platform's (System.h):
// the solver window uses them and may not reach into the application shell.
