#pragma once

#include "app/CommandLine.h"

#include <QTextStream>

struct Setup;

// The first line of what evolve prints.
inline constexpr const char* EvolveCsvHeader = "t_fs,mean_x_nm,spread_x_nm,norm";

// The evolve command on the setting the command made: the superposition of the chosen levels
// of its spectrum, one CSV row per time step. Returns the exit status: 2 when a level is not in
// the spectrum.
int RunEvolve(const Command& command, const Setup& value, QTextStream& out, QTextStream& err);
