#pragma once

#include "app/CommandLine.h"

#include <QTextStream>

class Window1;

// The evolve command on a window already set up as the command says: the superposition of the
// chosen levels of the window's spectrum, one CSV row per time step. Returns the exit status:
// 2 when a level is not in the spectrum.
int RunEvolve(const Command& command, Window1& window, QTextStream& out, QTextStream& err);
