#pragma once

#include "app/CommandLine.h"

#include <QTextStream>

class Window1;

// Runs a command of the command line on the solver window, doing what a user would do: choose
// the potential's row, set the sliders, type an energy, press Find or Draw. Returns the exit
// status.
int RunCommand(const Command& command, Window1& window, QTextStream& out, QTextStream& err);

// Sets the window up as the command says: row, sliders, parity.
void SetUpWindow(const Command& command, Window1& window);
