#pragma once

#include "app/CommandLine.h"

#include <QTextStream>

struct Setup;

// The packet command on the setting the command made: a Gaussian packet in its potential, one
// CSV row per --step. Returns the exit status: 2, with a line naming the option, when the packet
// does not fit the grid or the potential cannot carry one.
int RunPacket(const Command& command, const Setup& value, QTextStream& out, QTextStream& err);
