#pragma once

// The benchmarks run without an event loop, so no paint shows what a step drew. Show() brings
// each plot's screen up to date as the next paint would: one copy of each changed picture. The
// plots are found once, outside the timing: a search of a window's children costs more than
// the copies.

#include "platform/Canvas.h"

#include <QWidget>

#include <algorithm>
#include <initializer_list>
#include <vector>

class ShownPlots {
  public:
    explicit ShownPlots(std::initializer_list<QWidget*> windows) {
        for (QWidget* w : windows)
            for (Canvas* c : w->findChildren<Canvas*>())
                if (std::find(plots_.begin(), plots_.end(), c) == plots_.end()) plots_.push_back(c);
    }
    void Show() const {
        for (Canvas* c : plots_) c->ScreenImage();
    }

  private:
    std::vector<Canvas*> plots_;
};
