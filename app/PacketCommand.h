#pragma once

#include "app/CommandLine.h"

#include <QTextStream>

struct Setup;

// The first line of what packet prints.
inline constexpr const char* PacketCsvHeader =
    "t_fs,norm,mean_x_nm,spread_x_nm,mean_k_per_nm,spread_k_per_nm,left,right";

// The packet command on the setting the command made: a Gaussian packet in its potential, one
// CSV row per --step. Returns the exit status: 2, with a line naming the option, when the packet
// does not fit the grid or the potential cannot carry one.
int RunPacket(const Command& command, const Setup& value, QTextStream& out, QTextStream& err);
