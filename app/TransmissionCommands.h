#pragma once

#include "app/CommandLine.h"

#include <QTextStream>

struct Setup;

// The first lines of what transmission (before any exact_transmission) and resonances print.
inline constexpr const char* TransmissionCsvHeader = "energy_eV,transmission,reflection";
inline constexpr const char* ResonancesCsvHeader =
    "energy_eV,width_eV,lifetime_fs,peak_transmission";

// The transmission command on the setting the command made: T and R of the grid at each energy
// from --from every --step, as CSV. Returns the exit status: 2 when --exact is asked of a
// potential that is not made of flat pieces.
int RunTransmission(const Command& command, const Setup& value, QTextStream& out, QTextStream& err);

// The resonances command: the Transmission window's table up to --to, as CSV.
int RunResonances(const Command& command, const Setup& value, QTextStream& out);
