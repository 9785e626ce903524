#pragma once

// Controls placed at fixed pixel positions in the System font, as the program's windows lay
// them out.

#include "platform/Fonts.h"

#include <QWidget>

template <typename W> W* Place(W* w, int left, int top, int width, int height) {
    w->setGeometry(left, top, width, height);
    w->setFont(ResolveFont(QStringLiteral("System"), 12, false, false));
    return w;
}
