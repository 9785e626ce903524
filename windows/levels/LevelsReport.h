#pragma once

// The levels as text: the cells of the Levels window's table, and the command line's aligned
// text and CSV, all from one model so that they always agree.

#include "solver/core/FindLevel.h"
#include "windows/levels/LevelsModel.h"

#include <QString>
#include <QStringList>

// The table's column titles; the parity column only where the row has parity, the exact level
// and the difference with `compare`, Delta k and Delta x Delta k last with `momentum`.
QStringList LevelHeaders(int row, bool compare, bool momentum = false);
// One row of the table for state `index` of the model.
QStringList LevelCells(const LevelsModel& m, int index, bool compare, bool momentum = false);
// 100 (grid - exact) / |exact|: positive where the grid's level lies higher.
double DifferencePercent(double grid, double exact);

// What stands where the table would be when there is no bound state.
QString NoBoundStateText(const LevelsModel& m);
// What the exact values stand for, in the user's language; empty without a note.
QString ExactNoteText(const char* note);

// `levels --all`: the table as aligned columns for a person, or as CSV; `momentum` adds <k>
// (CSV only), Delta k and Delta x Delta k after the other columns.
QString LevelsText(const LevelsModel& m, bool compare, bool momentum = false);
QString LevelsCsv(const LevelsModel& m, bool compare, bool momentum = false);
