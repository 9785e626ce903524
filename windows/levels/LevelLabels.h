#pragma once

// The numbers beside the levels plot: one label per level, or one for a run of levels whose
// lines lie closer together than a label is high ("0, 1" for two, "4–7" for more).

#include "solver/core/Spectrum.h"

#include <QString>

#include <functional>
#include <vector>

struct LevelLabel {
    QString text;
    int y;       // the pixel row of the run's lowest level
    bool chosen; // the run holds the chosen level
};

// The labels of the states whose energy lies within [low, high], from the lowest up; `row` maps
// an energy to its pixel row (upwards is smaller).
std::vector<LevelLabel> LevelLabels(const std::vector<BoundState>& states, int chosen, double low,
                                    double high, int height, const std::function<int(double)>& row);
