#pragma once

// The levels as text: the cells of the Levels window's table, and the command line's aligned
// text and CSV, all from one model so that they always agree.

#include "levels/LevelsModel.h"

#include <QString>
#include <QStringList>

// A level's energy as Find publishes it: Find ends on the upper side of its last 1e-11 eV
// step, so the field shows the eigenvalue rounded up at the eleventh decimal.
double PublishedEnergy(double level);

// The table's column titles; the parity column only where the row has parity.
QStringList LevelHeaders(int row);
// One row of the table for state `index` of the model.
QStringList LevelCells(const LevelsModel& m, int index);

// What stands where the table would be when there is no bound state.
QString NoBoundStateText(const LevelsModel& m);

// `levels --all`: the table as aligned columns for a person, or as CSV.
QString LevelsText(const LevelsModel& m);
QString LevelsCsv(const LevelsModel& m);
