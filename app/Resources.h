#pragma once

#include <QCursor>
#include <QString>

// The application's resources.

// The HTML source of the About page; read once and kept.
const QString& AboutWellscope();

// The cursor shown over a handle of the potential and while dragging it.
QCursor updown();
// The cursor shown over the potential plot.
QCursor cross();
