#pragma once

// The command line: what the user asked for, checked against what each potential's sliders
// accept. Parsing is pure (no window, no files), so it can be tested and fuzzed on its own.

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

struct Document;

struct Command {
    enum Kind {
        Window,
        Help,
        Version,
        Levels,
        Snapshot,
        Print,
        Save,
        Data,
        Evolve,
        Packet,
        Transmission,
        Resonances
    };
    Kind kind = Window;
    QString file;                                 // the file the command writes
    QString open;                                 // the .wellscope file set up first
    int row = 0;                                  // the potential menu's row
    std::optional<int> slider1, slider2, slider3; // slider values, as the sliders hold them
    bool even = true;                             // symmetric well: even or odd solutions
    QString from;                                 // levels, transmission: the start energy
    double to = 15;                               // transmission, resonances: the last energy
    bool exact = false;                           // transmission: the continuum's T beside
    std::optional<QString> energy;                // snapshot, print: energy typed before Draw
    int count = 5;                                // levels: how many Finds
    bool all = false;                             // levels: the whole spectrum at once
    bool csv = false;                             // levels --all: CSV instead of aligned text
    bool compare = false;                         // levels --all: the exact levels beside
    bool momentum = false;                        // levels --all: <k>, Delta k, Delta x Delta k
    bool levelsWindow = false;                    // snapshot: the Levels window
    std::vector<int> states;                      // evolve: as the spectrum counts them
    std::vector<double> amplitudes;               // evolve: one per state, 0 ... 1
    double step = 0;                       // evolve, packet: fs between rows; transmission: eV
    int steps = 0;                         // evolve, packet, transmission: rows after the first
    double x0 = 0, sigma = 0, kinetic = 0; // packet: nm, nm, eV
    std::optional<double> mass;            // the particle's, in electron masses
    QString language;                      // en, de, fr or es; empty: the system's
};

struct ParsedCommand {
    Command command;
    QString error; // one line naming the option and what it accepts; empty when all is well
};

// `arguments` without the program name; Qt's own options are left out. With `opened` (the
// document that --open names, once read), the options apply on top of it: its row, sliders and
// parity are what the options do not set. Without it, a command with --open is read only as
// far as the command and its file: the options are checked once the file is read.
ParsedCommand ParseCommandLine(const QStringList& arguments, const Document* opened = nullptr);

// The text of --help.
QString CommandLineHelp();
