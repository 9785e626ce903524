#pragma once

// The benchmarks run without an event loop, so no paint shows what a step drew. This brings
// each plot's screen up to date as the next paint would: one copy of each changed picture.

#include "platform/Canvas.h"

#include <QWidget>

#include <initializer_list>

inline void ShowPlots(std::initializer_list<QWidget*> windows) {
    for (QWidget* w : windows)
        for (Canvas* c : w->findChildren<Canvas*>()) c->ScreenImage();
}
