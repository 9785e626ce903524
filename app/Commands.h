#pragma once

#include "app/CommandLine.h"

#include <QTextStream>

class Model;
class Window1;

// Runs a command of the command line on the window's model, doing what a user would do:
// choose the particle and the potential's row, set the sliders, type an energy, press Find or
// Draw. The window is there for the pictures. Returns the exit status.
int RunCommand(const Command& command, Window1& window, QTextStream& out, QTextStream& err);

// Sets the model up as the command says: particle, row, sliders, parity.
void SetUp(const Command& command, Model& model);
