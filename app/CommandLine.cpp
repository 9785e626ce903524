#include "app/CommandLine.h"

#include "app/Document.h"
#include "app/EvolveCommand.h"
#include "app/Language.h"
#include "app/PacketCommand.h"
#include "app/QtOptions.h"
#include "app/TransmissionCommands.h"
#include "model/Particles.h"
#include "platform/NumberText.h"
#include "solver/core/PotentialRows.h"
#include "solver/core/Setup.h"
#include "solver/core/WavePacket.h"
#include "windows/common/RowTexts.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <string>

namespace {

constexpr int kMostRows = 100000; // evolve's and transmission's rows: more is a slip, not a table

QString text(std::string_view s) {
    return QString::fromLatin1(s.data(), qsizetype(s.size()));
}

// The commands, the file each writes and the options each takes besides the potential's.
struct CommandInfo {
    const char* name;
    Command::Kind kind;
    QStringList extensions; // of the file it writes; empty: it writes none
    QStringList options;    // options with a value
    QStringList flags;      // options without one
    const char* help;       // what it does, for --help
};

const CommandInfo kCommands[] = {
    {"levels",
     Command::Levels,
     {},
     {"from", "count", "format", "open"},
     {"all", "compare", "momentum"},
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "print the energies of the levels, one per line, as the energy field shows them (Find "
         "pressed --count times); with --all, every level with its nodes, parity, <x>, spread and "
         "forbidden-region probability, as View > Levels shows them")},
    {"snapshot",
     Command::Snapshot,
     {".png", ".svg"},
     {"energy", "open"},
     {"levels"},
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "save a picture of the window (with --levels, of the Levels window); as .svg, both plots "
         "as a vector picture")},
    {"print",
     Command::Print,
     {".pdf"},
     {"energy", "open"},
     {},
     QT_TRANSLATE_NOOP("CommandLine", "save the page that File > Print prints, as a PDF")},
    {"save",
     Command::Save,
     {".wellscope"},
     {"energy", "open"},
     {},
     QT_TRANSLATE_NOOP("CommandLine", "save the file that File > Save saves")},
    {"data",
     Command::Data,
     {".csv"},
     {"energy", "open"},
     {},
     QT_TRANSLATE_NOOP("CommandLine",
                       "save the plots' data, as File > Export > Data does: x (nm), V (eV), psi")},
    {"evolve",
     Command::Evolve,
     {},
     {"states", "amplitudes", "until", "step", "open"},
     {},
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "print <x>, its spread and the norm of a superposition of levels in time, as CSV: %1")},
    {"packet",
     Command::Packet,
     {},
     {"x0", "sigma", "energy", "until", "step", "open"},
     {},
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "print a Gaussian wave packet moving through the potential (left and right: the "
         "probability at x < 0 and x >= 0, with what each side's absorber took), as CSV: %1")},
    {"transmission",
     Command::Transmission,
     {},
     {"from", "to", "step", "open"},
     {"exact"},
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "print the grid's transmission and reflection of a particle coming in from the left, as "
         "CSV: %1 (and exact_transmission with --exact); the cells are empty where a lead is "
         "closed")},
    {"resonances",
     Command::Resonances,
     {},
     {"to", "open"},
     {},
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "print the maxima of the transmission from the lowest open energy up to --to, as View > "
         "Transmission lists them, as CSV: %1")},
};

const QString kDocumentSuffix = QStringLiteral(".wellscope");

// Every other option of the help: its name with its value, and what it does.
const char* const kOptionHelp[][2] = {
    {"--parity P", QT_TRANSLATE_NOOP("CommandLine", "symmetric: even or odd (default even)")},
    {"--from EV",
     QT_TRANSLATE_NOOP("CommandLine",
                       "levels: start energy (default 0.01, or -13.6 for hydrogen); transmission: "
                       "the first energy")},
    {"--to EV",
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "transmission: the last energy; resonances: the top of the search (default 15)")},
    {"--count N", QT_TRANSLATE_NOOP("CommandLine",
                                    "levels: number of levels to look for, 1 to 100 (default 5)")},
    {"--all", QT_TRANSLATE_NOOP("CommandLine", "levels: every level of the spectrum at once")},
    {"--format F",
     QT_TRANSLATE_NOOP("CommandLine", "levels --all: text (aligned columns, default) or csv")},
    {"--compare",
     QT_TRANSLATE_NOOP("CommandLine",
                       "levels --all: the exact level of the continuous problem beside each, and "
                       "the difference in per cent")},
    {"--momentum",
     QT_TRANSLATE_NOOP("CommandLine",
                       "levels --all: <k> (CSV only), Delta k in nm^-1 and Delta x Delta k of each "
                       "level")},
    {"--open FILE",
     QT_TRANSLATE_NOOP("CommandLine",
                       "every command: set up from a .wellscope file first; the other options "
                       "then apply on top of it")},
    {"--mass ME",
     QT_TRANSLATE_NOOP("CommandLine",
                       "every command: the particle's mass in electron masses, 0.01 to 10 (default "
                       "1, the electron)")},
    {"--language CODE",
     QT_TRANSLATE_NOOP("CommandLine",
                       "the window's and the help's language: en, de, fr or es (default: the "
                       "system's)")},
    {"--energy EV",
     QT_TRANSLATE_NOOP("CommandLine",
                       "snapshot, print, save, data: type this energy and press Draw; packet: the "
                       "packet's kinetic energy where it starts, from 0 (default %2)")},
    {"--x0 NM",
     QT_TRANSLATE_NOOP("CommandLine",
                       "packet: the packet's centre at t = 0 (default %3); x0 +- 4 sigma must lie "
                       "between the absorbers at +-3.5 nm")},
    {"--sigma NM",
     QT_TRANSLATE_NOOP("CommandLine",
                       "packet: the packet's width sigma, at least 0.03 nm (default %4)")},
    {"--levels", QT_TRANSLATE_NOOP("CommandLine", "snapshot: a picture of the Levels window")},
    {"--states N,N,...",
     QT_TRANSLATE_NOOP("CommandLine", "evolve: the levels, counted from 0 (hydrogen: n from 1)")},
    {"--amplitudes A,...",
     QT_TRANSLATE_NOOP("CommandLine", "evolve: one per level, 0 to 1 (default 1 each)")},
    {"--until FS",
     QT_TRANSLATE_NOOP("CommandLine", "evolve, packet: the last time, in fs (the first is 0)")},
    {"--step FS",
     QT_TRANSLATE_NOOP("CommandLine",
                       "evolve, packet: the time between rows, in fs (at most %1 rows); packet "
                       "integrates in equal steps of at most %5 fs, as many as make up --step, so "
                       "each row's time is met exactly")},
    {"--step EV",
     QT_TRANSLATE_NOOP("CommandLine", "transmission: the energy step, in eV (at most %1 rows)")},
    {"--exact",
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "transmission: the continuum's transmission beside, for potentials made of flat "
         "pieces (well, symmetric, uneven, barrier, double-barrier, step)")},
    {"-h, --help", QT_TRANSLATE_NOOP("CommandLine", "show this help")},
    {"-v, --version", QT_TRANSLATE_NOOP("CommandLine", "show the version")},
};

// Every option without a value.
QStringList flagOptions() {
    QStringList names;
    for (const CommandInfo& c : kCommands)
        for (const QString& f : c.flags)
            if (!names.contains(f)) names << f;
    return names;
}

// Every option that takes a value: the commands' own, the potential and its parameters.
QStringList valuedOptions() {
    QStringList names = {"potential", "parity", "mass", "language"};
    for (const CommandInfo& c : kCommands)
        for (const QString& o : c.options)
            if (!names.contains(o)) names << o;
    for (const RowInfo& r : PotentialRows)
        for (int n = 0; n < r.sliderCount; ++n)
            if (!names.contains(text(r.sliders[std::size_t(n)].option)))
                names << text(r.sliders[std::size_t(n)].option);
    return names;
}

// The parameter options the row uses.
QStringList optionsOf(const RowInfo& r) {
    QStringList names;
    for (int n = 0; n < r.sliderCount; ++n) names << text(r.sliders[std::size_t(n)].option);
    if (r.hasParity) names << QStringLiteral("parity");
    return names;
}

bool isParameterOption(const QString& name) {
    for (const RowInfo& r : PotentialRows)
        if (optionsOf(r).contains(name)) return true;
    return false;
}

QString joinedOr(const QStringList& names) {
    if (names.size() < 2) return names.join(QString());
    return QCoreApplication::translate("CommandLine", "%1 or %2")
        .arg(names.mid(0, names.size() - 1).join(QStringLiteral(", ")), names.last());
}

QString commandNames() {
    QStringList names;
    for (const CommandInfo& c : kCommands) names << QString::fromLatin1(c.name);
    return joinedOr(names);
}

// A whole-text decimal number, finite; nothing else.
std::optional<double> number(const QString& text) {
    const std::string s = text.trimmed().toStdString();
    if (s.empty()) return std::nullopt;
    const char* p = s.data();
    const char* end = p + s.size();
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    // Plain decimals only: from_chars alone would also take "inf" and "nan".
    if (p == end || !(std::isdigit(static_cast<unsigned char>(*p)) || *p == '.'))
        return std::nullopt;
    double v = 0;
    const auto res = std::from_chars(p, end, v, std::chars_format::general);
    if (res.ec != std::errc() || res.ptr != end || !std::isfinite(v)) return std::nullopt;
    return negative ? -v : v;
}

// "0 to 3.5 nm in steps of 0.01", for the slider's range up to `max`.
QString accepted(const SliderInfo& s, int max) {
    const QString unit = s.unit.empty() ? QString() : ' ' + text(s.unit);
    return QCoreApplication::translate("CommandLine", "%1 to %2%3 in steps of %4")
        .arg(double(s.min) / s.perUnit)
        .arg(double(max) / s.perUnit)
        .arg(unit)
        .arg(1.0 / s.perUnit);
}

// The option's value as a slider value from s.min to `max`, or an error naming the option and
// what it accepts.
std::optional<int> sliderValue(const SliderInfo& s, int max, const QString& value, QString& error) {
    const QString option = text(s.option);
    const QString accepts = "accepts " + accepted(s, max);
    const std::optional<double> v = number(value);
    if (!v) {
        error = QStringLiteral("--%1: '%2' is not a number (%3)").arg(option, value, accepts);
        return std::nullopt;
    }
    const double steps = *v * s.perUnit;
    const double whole = std::round(steps);
    if (std::fabs(steps - whole) > 1e-9 * std::fmax(1.0, std::fabs(steps))) {
        error = QStringLiteral("--%1: %2 is not on a step (%3)").arg(option, value, accepts);
        return std::nullopt;
    }
    if (whole < s.min || whole > max) {
        error = QStringLiteral("--%1: %2 is out of range (%3)").arg(option, value, accepts);
        return std::nullopt;
    }
    return static_cast<int>(whole);
}

// The command, and its file when it writes one.
bool readCommand(const QStringList& positional, Command& c, const CommandInfo*& info,
                 QString& error) {
    const QString name = positional.first();
    info = nullptr;
    for (const CommandInfo& s : kCommands)
        if (name == QLatin1String(s.name)) info = &s;
    if (!info) {
        error = QStringLiteral("unknown command '%1' (accepts %2)").arg(name, commandNames());
        return false;
    }
    c.kind = info->kind;
    if (info->extensions.isEmpty()) {
        if (positional.size() > 1) {
            error = QStringLiteral("%1 takes no file: '%2'").arg(name, positional.at(1));
            return false;
        }
        return true;
    }
    if (positional.size() != 2) {
        error = QStringLiteral("%1 takes one file: FILE%2").arg(name, info->extensions.join('|'));
        return false;
    }
    c.file = positional.at(1);
    for (const QString& ext : info->extensions)
        if (c.file.endsWith(ext, Qt::CaseInsensitive)) return true;
    error = QStringLiteral("%1: the file must end in %2: '%3'")
                .arg(name, joinedOr(info->extensions), c.file);
    return false;
}

// The potential, and the parameter options it uses: each becomes its slider's value.
bool readPotential(const QCommandLineParser& parser, const Document* opened, Command& c,
                   QString& error) {
    const QString name = parser.isSet("potential") ? parser.value("potential")
                         : opened                  ? text(RowOf(opened->row).option)
                                                   : QStringLiteral("well");
    const RowInfo* row = nullptr;
    QStringList names;
    for (const RowInfo& r : PotentialRows) {
        names << text(r.option);
        if (name == text(r.option)) row = &r;
    }
    if (!row) {
        error = QStringLiteral("--potential: unknown potential '%1' (accepts %2)")
                    .arg(name, joinedOr(names));
        return false;
    }
    c.row = row->row;
    const QStringList uses = optionsOf(*row);
    for (const QString& option : parser.optionNames()) {
        if (isParameterOption(option) && !uses.contains(option)) {
            const QString used =
                uses.isEmpty() ? QStringLiteral("no parameter options") : "--" + uses.join(", --");
            error = QStringLiteral("--%1: not used by the %2 potential (it uses %3)")
                        .arg(option, name, used);
            return false;
        }
    }

    // The opened file's row keeps its sliders; another row starts from its own.
    const bool sameRow = opened && opened->row == c.row;
    std::optional<int>* sliders[] = {&c.slider1, &c.slider2, &c.slider3};
    for (int n = 0; n < row->sliderCount; ++n) {
        const SliderInfo& s = row->sliders[std::size_t(n)];
        if (!parser.isSet(text(s.option))) continue;
        const int slider1 = sameRow ? opened->sliders[0] : row->sliders[0].start;
        const int max = s.maxFollowsSlider1 ? c.slider1.value_or(slider1) : s.max;
        *sliders[n] = sliderValue(s, max, parser.value(text(s.option)), error);
        if (!*sliders[n]) return false;
    }
    if (opened) c.even = opened->even;
    if (parser.isSet("parity")) {
        const QString parity = parser.value("parity");
        if (parity != QLatin1String("even") && parity != QLatin1String("odd")) {
            error = QStringLiteral("--parity: '%1' (accepts even or odd)").arg(parity);
            return false;
        }
        c.even = parity == QLatin1String("even");
    }
    return true;
}

// Every option given is one the command or the potential takes.
bool checkOptionsBelong(const QCommandLineParser& parser, const CommandInfo& info, QString& error) {
    for (const QString& option : parser.optionNames()) {
        if (option == QLatin1String("potential") || option == QLatin1String("mass") ||
            option == QLatin1String("language") || isParameterOption(option) ||
            info.options.contains(option) || info.flags.contains(option))
            continue;
        QStringList users;
        for (const CommandInfo& s : kCommands)
            if (s.options.contains(option) || s.flags.contains(option))
                users << QString::fromLatin1(s.name);
        error = QStringLiteral("--%1: used only by %2").arg(option, joinedOr(users));
        return false;
    }
    return true;
}

// The particle's mass, for every command.
bool readMass(const QCommandLineParser& parser, Command& c, QString& error) {
    if (!parser.isSet("mass")) return true;
    const std::optional<double> m = number(parser.value("mass"));
    if (!m || *m < LightestMass || *m > HeaviestMass) {
        error = QStringLiteral("--mass: '%1' (accepts a mass from %2 to %3 electron masses)")
                    .arg(parser.value("mass"))
                    .arg(LightestMass)
                    .arg(HeaviestMass);
        return false;
    }
    c.mass = *m;
    return true;
}

// The energies and the count.
bool readEnergies(const QCommandLineParser& parser, Command& c, QString& error) {
    c.from = Str(StartEnergy(c.row));
    if (parser.isSet("from")) {
        c.from = parser.value("from").trimmed();
        if (!number(c.from)) {
            error = QStringLiteral("--from: '%1' is not a number of eV").arg(parser.value("from"));
            return false;
        }
    }
    if (parser.isSet("energy") && c.kind != Command::Packet) {
        c.energy = parser.value("energy").trimmed();
        if (!number(*c.energy)) {
            error =
                QStringLiteral("--energy: '%1' is not a number of eV").arg(parser.value("energy"));
            return false;
        }
    }
    if (parser.isSet("count")) {
        const std::optional<double> n = number(parser.value("count"));
        if (!n || *n != std::floor(*n) || *n < 1 || *n > 100) {
            error = QStringLiteral("--count: '%1' (accepts a whole number from 1 to 100)")
                        .arg(parser.value("count"));
            return false;
        }
        c.count = static_cast<int>(*n);
    }
    return true;
}

// The whole spectrum: --all, its --format, and what does not go with it.
bool readSpectrumOptions(const QCommandLineParser& parser, Command& c, QString& error) {
    c.all = parser.isSet("all");
    c.compare = parser.isSet("compare");
    c.momentum = parser.isSet("momentum");
    for (const char* flag : {"compare", "momentum"}) {
        if (parser.isSet(flag) && !c.all) {
            error = QStringLiteral("--%1: used only with --all").arg(QLatin1String(flag));
            return false;
        }
    }
    c.levelsWindow = parser.isSet("levels");
    for (const char* single : {"from", "count"}) {
        if (c.all && parser.isSet(single)) {
            error = QStringLiteral("--%1: not used with --all, which lists every level")
                        .arg(QLatin1String(single));
            return false;
        }
    }
    if (parser.isSet("format")) {
        const QString format = parser.value("format");
        if (!c.all) {
            error = QStringLiteral("--format: used only with --all");
            return false;
        }
        if (format != QLatin1String("text") && format != QLatin1String("csv")) {
            error = QStringLiteral("--format: '%1' (accepts text or csv)").arg(format);
            return false;
        }
        c.csv = format == QLatin1String("csv");
    }
    return true;
}

// One entry of the help: the name in a column of its own, the text wrapped beside it.
QString helpEntry(const QString& name, const QString& help) {
    constexpr int column = 22, width = 80;
    QString out = ("  " + name).leftJustified(column - 1) + ' ';
    if (name.size() + 3 > column) out += '\n' + QString(column, ' ');
    int used = column;
    for (const QString& word : help.split(' ')) {
        if (used > column && used + 1 + word.size() > width) {
            out += '\n' + QString(column, ' ');
            used = column;
        }
        if (used > column) {
            out += ' ';
            ++used;
        }
        out += word;
        used += int(word.size());
    }
    return out + '\n';
}

// --until and --step of evolve and packet: the step and the rows after t = 0.
bool readTimes(const QCommandLineParser& parser, Command& c, QString& error) {
    // A time in fs: --until from 0, --step above 0.
    auto time = [&](const char* option, bool zeroAllowed, const char* accepts) {
        const QString value = parser.value(option);
        const std::optional<double> v = number(value);
        if (!parser.isSet(option))
            error = QStringLiteral("--%1: missing (%2)").arg(option, accepts);
        else if (!v || *v < 0 || (*v == 0 && !zeroAllowed))
            error = QStringLiteral("--%1: '%2' (%3)").arg(option, value, accepts);
        return error.isEmpty() ? v : std::nullopt;
    };
    const std::optional<double> until = time("until", true, "accepts the last time in fs, from 0");
    if (!until) return false;
    const std::optional<double> step = time("step", false, "accepts a time step in fs above 0");
    if (!step) return false;
    // A last row that rounding puts a hair beyond --until still counts: 0.3 / 0.1 is 2.9999...
    const double steps = std::floor(*until / *step * (1 + 1e-9));
    if (!(steps < kMostRows)) {
        error = QStringLiteral("--step: %1 fs up to %2 fs makes more than %3 rows")
                    .arg(parser.value("step"), parser.value("until"))
                    .arg(kMostRows);
        return false;
    }
    c.step = *step;
    c.steps = int(steps);
    return true;
}

// The --states and --amplitudes lists of an evolve command, its time step and its rows.
bool readEvolve(const QCommandLineParser& parser, Command& c, QString& error) {
    if (c.kind != Command::Evolve) return true;
    if (!parser.isSet("states")) {
        error = QStringLiteral("--states: missing (the levels to superpose, such as 0,1)");
        return false;
    }
    for (const QString& item : parser.value("states").split(',')) {
        const std::optional<double> n = number(item);
        if (!n || *n != std::floor(*n) || *n < 0 || *n > 1e9) {
            error = QStringLiteral("--states: '%1' is not a level number (accepts whole numbers "
                                   "separated by commas)")
                        .arg(item);
            return false;
        }
        if (std::find(c.states.begin(), c.states.end(), int(*n)) != c.states.end()) {
            error = QStringLiteral("--states: level %1 is given twice").arg(int(*n));
            return false;
        }
        c.states.push_back(int(*n));
    }
    c.amplitudes.assign(c.states.size(), 1.0);
    if (parser.isSet("amplitudes")) {
        const QStringList items = parser.value("amplitudes").split(',');
        if (items.size() != qsizetype(c.states.size())) {
            error = QStringLiteral("--amplitudes: %1 given for %2 levels (accepts one per level)")
                        .arg(items.size())
                        .arg(c.states.size());
            return false;
        }
        for (std::size_t j = 0; j < c.states.size(); ++j) {
            const std::optional<double> a = number(items.at(qsizetype(j)));
            if (!a || *a < 0 || *a > 1) {
                error = QStringLiteral("--amplitudes: '%1' (accepts numbers from 0 to 1)")
                            .arg(items.at(qsizetype(j)));
                return false;
            }
            c.amplitudes[j] = *a;
        }
        if (std::all_of(c.amplitudes.begin(), c.amplitudes.end(),
                        [](double a) { return a == 0; })) {
            error = QStringLiteral("--amplitudes: all are 0 (at least one must be above 0)");
            return false;
        }
    }
    return readTimes(parser, c, error);
}

// The packet's start and its times. What fits the grid is the packet's own check, when it is
// made: here only the numbers are read.
bool readPacket(const QCommandLineParser& parser, Command& c, QString& error) {
    if (c.kind != Command::Packet) return true;
    const std::pair<const char*, double*> starts[] = {
        {"x0", &c.x0}, {"sigma", &c.sigma}, {"energy", &c.kinetic}};
    c.x0 = DefaultPacketX0;
    c.sigma = DefaultPacketSigma;
    c.kinetic = DefaultPacketEnergy;
    for (const auto& [option, value] : starts) {
        if (!parser.isSet(option)) continue;
        const std::optional<double> v = number(parser.value(option));
        if (!v) {
            error = QStringLiteral("--%1: '%2' is not a number (accepts %3)")
                        .arg(QLatin1String(option), parser.value(option),
                             *option == 'e' ? QStringLiteral("eV") : QStringLiteral("nm"));
            return false;
        }
        *value = *v;
    }
    return readTimes(parser, c, error);
}

// The energies of a transmission command, from --from to --to every --step eV, and the top
// of a resonances command.
bool readScan(const QCommandLineParser& parser, Command& c, QString& error) {
    if (c.kind != Command::Transmission && c.kind != Command::Resonances) return true;
    const bool scan = c.kind == Command::Transmission;
    // An energy in eV; `required` for the transmission command.
    auto energy = [&](const char* option, const char* what) -> std::optional<double> {
        if (!parser.isSet(option)) {
            if (scan) error = QStringLiteral("--%1: missing (%2 in eV)").arg(option, what);
            return std::nullopt;
        }
        const std::optional<double> v = number(parser.value(option));
        if (!v)
            error = QStringLiteral("--%1: '%2' is not a number of eV")
                        .arg(option, parser.value(option));
        return v;
    };
    const std::optional<double> to = energy("to", "the last energy");
    if (!error.isEmpty()) return false;
    if (to) c.to = *to;
    if (!scan) return true;
    const std::optional<double> from = energy("from", "the first energy");
    if (!from) return false;
    const std::optional<double> step = energy("step", "the energy step");
    if (!step) return false;
    if (*to < *from) {
        error = QStringLiteral("--to: %1 eV lies below --from %2 eV")
                    .arg(parser.value("to"), parser.value("from"));
        return false;
    }
    if (!(*step > 0)) {
        error = QStringLiteral("--step: '%1' (accepts an energy step in eV above 0)")
                    .arg(parser.value("step"));
        return false;
    }
    // A last energy that rounding puts a hair beyond --to still counts.
    const double steps = std::floor((*to - *from) / *step * (1 + 1e-9));
    if (!(steps < kMostRows)) {
        error = QStringLiteral("--step: %1 eV from %2 to %3 eV makes more than %4 rows")
                    .arg(parser.value("step"), parser.value("from"), parser.value("to"))
                    .arg(kMostRows);
        return false;
    }
    c.exact = parser.isSet("exact");
    c.step = *step;
    c.steps = int(steps);
    return true;
}

QString metavariable(std::string_view unit) {
    if (unit.empty()) return QStringLiteral("N");
    QString m = text(unit).toUpper();
    return m.replace(QLatin1Char('/'), QLatin1String("_PER_"));
}

// The help's lines for the parameter options, from the rows' sliders.
QString parameterHelp() {
    QString out;
    QStringList done;
    for (const RowInfo& r : PotentialRows) {
        for (int n = 0; n < r.sliderCount; ++n) {
            const SliderInfo& s = r.sliders[std::size_t(n)];
            if (done.contains(text(s.option))) continue;
            done << text(s.option);
            QStringList users;
            for (const RowInfo& u : PotentialRows)
                if (optionsOf(u).contains(text(s.option))) users << text(u.option);
            const QString range = s.maxFollowsSlider1
                                      ? QCoreApplication::translate("CommandLine", "%1 to the %2")
                                            .arg(double(s.min) / s.perUnit)
                                            .arg(RowText(r.sliders[0].what))
                                      : accepted(s, s.max);
            out += helpEntry(QStringLiteral("--%1 %2").arg(text(s.option), metavariable(s.unit)),
                             users.join(", ") + ": " + RowText(s.what) + ", " + range);
        }
    }
    return out;
}

} // namespace

QString CommandLineHelp() {
    QString out = QCoreApplication::translate("CommandLine",
                                              "Usage: wellscope [COMMAND] [OPTIONS]\n"
                                              "Finds the bound states of an electron in a "
                                              "one-dimensional potential,\nand its transmission "
                                              "through barriers.\nWith no command, Wellscope "
                                              "opens its window.\n\nCommands:\n");
    for (const CommandInfo& c : kCommands) {
        QString usage = QString::fromLatin1(c.name);
        if (!c.extensions.isEmpty())
            usage += QStringLiteral(" FILE") + c.extensions.join(QLatin1Char('|'));
        QString help = QCoreApplication::translate("CommandLine", c.help);
        // %1: the CSV header, from its one home.
        if (c.kind == Command::Evolve) help = help.arg(QLatin1String(EvolveCsvHeader));
        if (c.kind == Command::Packet) help = help.arg(QLatin1String(PacketCsvHeader));
        if (c.kind == Command::Transmission) help = help.arg(QLatin1String(TransmissionCsvHeader));
        if (c.kind == Command::Resonances) help = help.arg(QLatin1String(ResonancesCsvHeader));
        out += helpEntry(usage, help);
    }
    out += helpEntry(QStringLiteral("FILE.wellscope"),
                     QCoreApplication::translate("CommandLine", "open the file in the window"));
    out += QCoreApplication::translate("CommandLine", "\nOptions:\n");
    QStringList names;
    for (const RowInfo& r : PotentialRows) names << text(r.option);
    out += helpEntry(
        QStringLiteral("--potential NAME"),
        QCoreApplication::translate("CommandLine", "%1 (default well)").arg(joinedOr(names)));
    out += parameterHelp();
    for (const auto& entry : kOptionHelp) {
        QString help = QCoreApplication::translate("CommandLine", entry[1]);
        // %1 ... %5: the numbers the texts quote, from their one home each.
        const QString values[] = {QString::number(kMostRows), Str(DefaultPacketEnergy),
                                  Str(DefaultPacketX0), Str(DefaultPacketSigma),
                                  Str(DefaultPacketStep)};
        for (int n = 1; n <= 5; ++n)
            help.replace(QStringLiteral("%") + QString::number(n), values[n - 1]);
        out += helpEntry(QString::fromLatin1(entry[0]), help);
    }
    out += QCoreApplication::translate(
        "CommandLine", "Qt's own options (-style, -platform, -reverse, -qwindowgeometry, "
                       "...) are\npassed to Qt.\n");
    return out;
}

ParsedCommand ParseCommandLine(const QStringList& arguments, const Document* opened) {
    ParsedCommand out;
    Command& c = out.command;
    QString& error = out.error;

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    const QCommandLineOption help({"h", "help"}, "help");
    const QCommandLineOption version({"v", "version"}, "version");
    parser.addOption(help);
    parser.addOption(version);
    const QStringList valued = valuedOptions();
    for (const QString& name : valued) parser.addOption(QCommandLineOption(name, name, "value"));
    for (const QString& name : flagOptions()) parser.addOption(QCommandLineOption(name, name));

    const QStringList ours = WithoutQtOptions(arguments);
    if (!parser.parse(QStringList{QStringLiteral("wellscope")} + ours)) {
        error = parser.errorText();
        // The parser names an unknown option without its dashes: quote it as it was typed.
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            for (const QString& a : ours) {
                const QString bare = a.mid(a.startsWith(QLatin1String("--")) ? 2 : 1);
                if (a.startsWith('-') &&
                    (bare == unknown.first() || bare.startsWith(unknown.first() + '='))) {
                    error = QStringLiteral("unknown option '%1'").arg(a);
                    break;
                }
            }
        }
        return out;
    }
    // The language first: the help is shown in it.
    c.language = parser.value("language");
    if (parser.isSet("language") && !IsLanguage(c.language)) {
        error = QStringLiteral("--language: '%1' (accepts %2)")
                    .arg(c.language, joinedOr(LanguageCodes()));
        return out;
    }
    if (parser.isSet(help) || parser.isSet(version)) {
        c.kind = parser.isSet(help) ? Command::Help : Command::Version;
        return out;
    }
    for (const QString& name : valued) {
        if (parser.values(name).size() > 1) {
            error = QStringLiteral("--%1 is given more than once").arg(name);
            return out;
        }
    }

    c.open = parser.value("open");
    QStringList positional = parser.positionalArguments();
    // `wellscope FILE.wellscope` opens the file in the window.
    if (positional.size() == 1 &&
        positional.first().endsWith(kDocumentSuffix, Qt::CaseInsensitive)) {
        if (parser.isSet("open")) {
            error = QStringLiteral("give the file to open once: '%1' or --open")
                        .arg(positional.first());
            return out;
        }
        c.open = positional.takeFirst();
    }
    if (positional.isEmpty()) {
        // The window takes only the file to open.
        for (const QString& option : parser.optionNames()) {
            if (option == QLatin1String("open") || option == QLatin1String("language")) continue;
            error = QStringLiteral("--%1 needs a command: %2").arg(option, commandNames());
            return out;
        }
        c.kind = Command::Window;
        return out;
    }
    if (c.open.isEmpty() && opened) opened = nullptr;
    const CommandInfo* info = nullptr;
    if (!readCommand(positional, c, info, error)) return out;
    // What the options mean depends on the file's potential: they are read once it is open.
    if (!c.open.isEmpty() && !opened) return out;
    if (!readPotential(parser, opened, c, error) || !checkOptionsBelong(parser, *info, error) ||
        !readMass(parser, c, error) || !readEnergies(parser, c, error) ||
        !readSpectrumOptions(parser, c, error) || !readEvolve(parser, c, error) ||
        !readPacket(parser, c, error) || !readScan(parser, c, error))
        return out;
    return out;
}
