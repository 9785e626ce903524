#include "app/CommandLine.h"

#include "solver/core/Solver.h"

#include <QCommandLineParser>

#include <cctype>
#include <charconv>
#include <cmath>
#include <string>

namespace {

struct Potential {
    const char* name;
    int row;
    QStringList options; // the parameter options it uses
};

const Potential kPotentials[] = {
    {"well", RowWell, {"width"}},
    {"symmetric", RowSymmetricWell, {"separation", "well-width", "parity"}},
    {"uneven", RowUneven, {"width", "left", "right"}},
    {"ramp", RowRamp, {"slope", "height"}},
    {"oscillator", RowOscillator, {"narrowness"}},
    {"hydrogen", RowHydrogen, {}},
    {"draw", RowDraw, {}},
};

const QStringList kParameterOptions = {"width", "separation", "well-width", "left",  "right",
                                       "slope", "height",     "narrowness", "parity"};

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

struct Scale {
    int min, max;   // slider range
    double perUnit; // slider steps per unit of the option (100 for nm, 1 for eV)
    const char* unit;
};

// The option's value as a slider value, or an error naming the option and what it accepts.
std::optional<int> sliderValue(const QString& option, const QString& text, Scale s,
                               QString& error) {
    const QString accepts = QStringLiteral("accepts %1 to %2 %3 in steps of %4")
                                .arg(s.min / s.perUnit)
                                .arg(s.max / s.perUnit)
                                .arg(QString::fromLatin1(s.unit))
                                .arg(1 / s.perUnit);
    const std::optional<double> v = number(text);
    if (!v) {
        error = QStringLiteral("--%1: '%2' is not a number (%3)").arg(option, text, accepts);
        return std::nullopt;
    }
    const double steps = *v * s.perUnit;
    const double whole = std::round(steps);
    if (std::fabs(steps - whole) > 1e-9 * std::fmax(1.0, std::fabs(steps))) {
        error = QStringLiteral("--%1: %2 is not on a step (%3)").arg(option, text, accepts);
        return std::nullopt;
    }
    if (whole < s.min || whole > s.max) {
        error = QStringLiteral("--%1: %2 is out of range (%3)").arg(option, text, accepts);
        return std::nullopt;
    }
    return static_cast<int>(whole);
}

} // namespace

QString CommandLineHelp() {
    return QStringLiteral(
        "Usage: wellscope [COMMAND] [OPTIONS]\n"
        "Finds the bound states of an electron in a one-dimensional potential.\n"
        "With no command, Wellscope opens its window.\n"
        "\n"
        "Commands:\n"
        "  levels              print the energies of the levels, one per line, as the\n"
        "                      energy field shows them (Find pressed --count times)\n"
        "  snapshot FILE.png   save a picture of the window\n"
        "  print FILE.pdf      save the page that File > Print prints, as a PDF\n"
        "\n"
        "Options:\n"
        "  --potential NAME    well, symmetric, uneven, ramp, oscillator, hydrogen or draw\n"
        "                      (default well)\n"
        "  --width NM          well, uneven: width, 0 to 3.5 in steps of 0.01\n"
        "  --separation NM     symmetric: centre-to-centre distance, 0 to 3.5\n"
        "  --well-width NM     symmetric: width of each well, 0 to the separation\n"
        "  --left EV           uneven: left wall height, 0 to 15 in whole eV\n"
        "  --right EV          uneven: right wall height, 0 to 15 in whole eV\n"
        "  --slope EV_PER_NM   ramp: slope, 4 to 100 in whole eV/nm\n"
        "  --height EV         ramp: height, 0 to 15 in whole eV\n"
        "  --narrowness N      oscillator: 1 to 20\n"
        "  --parity P          symmetric: even or odd (default even)\n"
        "  --from EV           levels: start energy (default 0.01, or -13.6 for hydrogen)\n"
        "  --count N           levels: number of levels to look for, 1 to 100 (default 5)\n"
        "  --energy EV         snapshot, print: type this energy and press Draw\n"
        "  -h, --help          show this help\n"
        "  -v, --version       show the version\n");
}

ParsedCommand ParseCommandLine(const QStringList& arguments) {
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
    const QStringList valued = {"potential", "width", "separation", "well-width", "left",
                                "right",     "slope", "height",     "narrowness", "parity",
                                "from",      "count", "energy"};
    for (const QString& name : valued) parser.addOption(QCommandLineOption(name, name, "value"));

    if (!parser.parse(QStringList{QStringLiteral("wellscope")} + arguments)) {
        error = parser.errorText();
        return out;
    }
    if (parser.isSet(help)) {
        c.kind = Command::Help;
        return out;
    }
    if (parser.isSet(version)) {
        c.kind = Command::Version;
        return out;
    }
    for (const QString& name : valued) {
        if (parser.values(name).size() > 1) {
            error = QStringLiteral("--%1 is given more than once").arg(name);
            return out;
        }
    }

    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty()) {
        for (const QString& name : valued) {
            if (parser.isSet(name)) {
                error = QStringLiteral("--%1 needs a command: levels, snapshot or print").arg(name);
                return out;
            }
        }
        c.kind = Command::Window;
        return out;
    }
    const QString command = positional.first();
    if (command == QLatin1String("levels")) {
        c.kind = Command::Levels;
        if (positional.size() > 1) {
            error = QStringLiteral("levels takes no file: '%1'").arg(positional.at(1));
            return out;
        }
    } else if (command == QLatin1String("snapshot") || command == QLatin1String("print")) {
        const bool snapshot = command == QLatin1String("snapshot");
        c.kind = snapshot ? Command::Snapshot : Command::Print;
        const QString ext = snapshot ? QStringLiteral(".png") : QStringLiteral(".pdf");
        if (positional.size() != 2) {
            error = QStringLiteral("%1 takes one file: FILE%2").arg(command, ext);
            return out;
        }
        c.file = positional.at(1);
        if (!c.file.endsWith(ext, Qt::CaseInsensitive)) {
            error = QStringLiteral("%1: the file must end in %2: '%3'").arg(command, ext, c.file);
            return out;
        }
    } else {
        error =
            QStringLiteral("unknown command '%1' (accepts levels, snapshot or print)").arg(command);
        return out;
    }

    // The potential, and the parameter options it uses.
    const QString potentialName =
        parser.isSet("potential") ? parser.value("potential") : QStringLiteral("well");
    const Potential* potential = nullptr;
    for (const Potential& p : kPotentials)
        if (potentialName == QLatin1String(p.name)) potential = &p;
    if (!potential) {
        error = QStringLiteral("--potential: unknown potential '%1' (accepts well, symmetric, "
                               "uneven, ramp, oscillator, hydrogen or draw)")
                    .arg(potentialName);
        return out;
    }
    c.row = potential->row;
    for (const QString& name : kParameterOptions) {
        if (parser.isSet(name) && !potential->options.contains(name)) {
            const QString uses = potential->options.isEmpty()
                                     ? QStringLiteral("no parameter options")
                                     : "--" + potential->options.join(", --");
            error = QStringLiteral("--%1: not used by the %2 potential (it uses %3)")
                        .arg(name, potentialName, uses);
            return out;
        }
    }

    auto set = [&](const char* name, std::optional<int>& slider, Scale scale) {
        if (!parser.isSet(name)) return true;
        slider = sliderValue(QString::fromLatin1(name), parser.value(name), scale, error);
        return slider.has_value();
    };
    const Scale length{0, 350, 100, "nm"};
    const Scale height{0, 15, 1, "eV"};
    bool ok = true;
    switch (c.row) {
    case RowWell:
        ok = set("width", c.slider1, length);
        break;
    case RowSymmetricWell:
        ok = set("separation", c.slider1, length) &&
             set("well-width", c.slider2, {0, c.slider1.value_or(100), 100, "nm"});
        if (ok && parser.isSet("parity")) {
            const QString parity = parser.value("parity");
            if (parity != QLatin1String("even") && parity != QLatin1String("odd")) {
                error = QStringLiteral("--parity: '%1' (accepts even or odd)").arg(parity);
                ok = false;
            }
            c.even = parity == QLatin1String("even");
        }
        break;
    case RowUneven:
        ok = set("width", c.slider1, length) && set("left", c.slider2, height) &&
             set("right", c.slider3, height);
        break;
    case RowRamp:
        ok = set("slope", c.slider1, {4, 100, 1, "eV/nm"}) && set("height", c.slider2, height);
        break;
    case RowOscillator:
        ok = set("narrowness", c.slider1, {1, 20, 1, ""});
        break;
    default:
        break;
    }
    if (!ok) return out;

    // The energies and the count, each for the command that uses it.
    if (parser.isSet("from") || parser.isSet("count")) {
        if (c.kind != Command::Levels) {
            error = QStringLiteral("--%1: used only by levels")
                        .arg(parser.isSet("from") ? "from" : "count");
            return out;
        }
    }
    if (parser.isSet("energy") && c.kind == Command::Levels) {
        error = QStringLiteral("--energy: used only by snapshot and print (levels uses --from)");
        return out;
    }
    c.from = c.row == RowHydrogen ? QStringLiteral("-13.6") : QStringLiteral("0.01");
    if (parser.isSet("from")) {
        c.from = parser.value("from").trimmed();
        if (!number(c.from)) {
            error = QStringLiteral("--from: '%1' is not a number of eV").arg(parser.value("from"));
            return out;
        }
    }
    if (parser.isSet("energy")) {
        c.energy = parser.value("energy").trimmed();
        if (!number(*c.energy)) {
            error =
                QStringLiteral("--energy: '%1' is not a number of eV").arg(parser.value("energy"));
            return out;
        }
    }
    if (parser.isSet("count")) {
        const std::optional<double> n = number(parser.value("count"));
        if (!n || *n != std::floor(*n) || *n < 1 || *n > 100) {
            error = QStringLiteral("--count: '%1' (accepts a whole number from 1 to 100)")
                        .arg(parser.value("count"));
            return out;
        }
        c.count = static_cast<int>(*n);
    }
    return out;
}
