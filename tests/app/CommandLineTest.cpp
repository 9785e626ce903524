// The command line read and run in process: options become slider values, `evolve` writes its
// CSV, and every mistake gets one line that names the option.
#include "app/CommandLine.h"
#include "app/Commands.h"
#include "app/Document.h"
#include "solver/Window1.h"
#include "solver/core/Spectrum.h"
#include "solver/core/Superposition.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

ParsedCommand parse(const QString& line, const Document* opened = nullptr) {
    return ParseCommandLine(line.split(' ', Qt::SkipEmptyParts), opened);
}

struct Outcome {
    int status = -1;
    QString out, err;
};

// As `wellscope LINE` would do it: parsed, then run on a fresh window if that succeeds.
Outcome run(const QString& line) {
    const ParsedCommand p = parse(line);
    Outcome r{-1, {}, p.error};
    if (p.error.isEmpty()) {
        Window1 w;
        QTextStream out(&r.out), err(&r.err);
        r.status = RunCommand(p.command, w, out, err);
    }
    return r;
}

} // namespace

TEST(CommandLine, OptionsBecomeSliderValuesAndMistakesNameTheOptionInOneLine) {
    ParsedCommand p = parse("levels --potential uneven --width 1.25 --left 12 --right 5 --count 3");
    EXPECT_EQ(std::tuple(p.command.kind, p.command.row, p.command.slider1.value_or(-1),
                         p.command.slider2.value_or(-1), p.command.slider3.value_or(-1),
                         p.command.count, p.command.from),
              std::tuple(Command::Levels, int(RowUneven), 125, 12, 5, 3, QString("0.01")));
    p = parse("snapshot out.png --potential symmetric --separation 2 --well-width 0.35 "
              "--parity odd --energy 1.5 --levels");
    EXPECT_EQ(std::tuple(p.command.file, p.command.slider1.value_or(-1),
                         p.command.slider2.value_or(-1), p.command.even, p.command.energy,
                         p.command.levelsWindow),
              std::tuple(QString("out.png"), 200, 35, false, QString("1.5"), true));
    p = parse("levels --potential hydrogen --all --format csv");
    EXPECT_EQ(std::tuple(p.command.from, bool(p.command.slider1), p.command.all, p.command.csv),
              std::tuple(QString("-13.6"), false, true, true));
    EXPECT_FALSE(parse("levels --all").command.csv);
    EXPECT_EQ(parse("").command.kind, Command::Window);
    EXPECT_EQ(parse("exercise.wellscope").command.open, "exercise.wellscope"); // in the window
    // With --open the options are read on top of the file, and against it.
    const Document symmetric{RowSymmetricWell, {200, 50}, false, {}, {}, "1"};
    p = parse("levels --open f.wellscope --well-width 1.5", &symmetric);
    EXPECT_EQ(std::tuple(p.command.row, p.command.slider2.value_or(-1), p.command.even),
              std::tuple(int(RowSymmetricWell), 150, false));
    p = parse("levels --open f.wellscope --well-width 2.5", &symmetric);
    EXPECT_TRUE(p.error.contains("out of range")) << p.error.toStdString();
    EXPECT_NE(parse("--open f.wellscope --width 1").error, "");
    // Exactly 100 000 rows of evolve are still allowed.
    EXPECT_EQ(parse("evolve --states 0 --until 99999 --step 1").error, "");
    // What the message must name, and the lines that get it. Evolve: 99 is no level here,
    // hydrogen counts from n = 1, and 1e6 / 9.99 is 100 101 rows.
    const std::pair<QString, QStringList> cases[] = {
        {"--width",
         {"levels --width 3.6", "levels --width 1.255", "levels --width nan",
          "levels --potential oscillator --width 1", "levels --width 1 --width 2"}},
        {"--well-width", {"levels --potential symmetric --separation 1 --well-width 1.5"}},
        {"--parity", {"levels --potential symmetric --parity sideways"}},
        {"--potential", {"levels --potential cube"}},
        {"--count",
         {"levels --count 101", "levels --all --count 2",
          "evolve --states 0,1 --until 1 --step 0.1 --count 2"}},
        {"--energy", {"levels --energy 2"}},
        {"--from", {"levels --all --from 1"}},
        {"--format", {"levels --format csv", "levels --all --format xml"}},
        {"--levels", {"print p.pdf --levels"}},
        {".pdf", {"print page.png"}},
        {"frobnicate", {"levels --frobnicate"}},
        {"explode", {"explode"}},
        {"snapshot", {"snapshot"}},
        {"--states",
         {"evolve --until 1 --step 0.1", "evolve --states 0,x --until 1 --step 0.1",
          "evolve --states 0,1.5 --until 1 --step 0.1", "evolve --states 1,1 --until 1 --step 0.1",
          "evolve --states 0,99 --until 1 --step 0.1",
          "evolve --potential hydrogen --states 0 --until 1 --step 0.1"}},
        {"--amplitudes",
         {"evolve --states 0,1 --amplitudes 0,0 --until 1 --step 0.1",
          "evolve --states 0,1 --amplitudes 1 --until 1 --step 0.1",
          "evolve --states 0,1 --amplitudes 1,1.5 --until 1 --step 0.1"}},
        {"--until",
         {"evolve --states 0,1 --step 0.1", "evolve --states 0,1 --until -1 --step 0.1"}},
        {"--step",
         {"evolve --states 0,1 --until 1", "evolve --states 0,1 --until 1 --step 0",
          "evolve --states 0,1 --until 1e6 --step 9.99"}},
    };
    for (const auto& [mentions, lines] : cases)
        for (const QString& line : lines) {
            const Outcome r = run(line);
            SCOPED_TRACE(line.toStdString() + " -> " + r.err.toStdString());
            EXPECT_NE(r.status, 0);
            EXPECT_TRUE(r.err.contains(mentions));
            EXPECT_EQ(r.err.trimmed().count('\n'), 0);
            EXPECT_EQ(r.out, "");
        }
}

TEST(CommandLine, EvolveWritesOneRowPerStepAsThePairCrossesOver) {
    Solver well;
    well.DrawDoubleWell(150, 60);
    const Spectrum s = ComputeSpectrum(well.PEGraph, RowSymmetricWell, well.fMaxE);
    const double beat = BeatPeriod(s.states[0].energy, s.states[1].energy);
    const Outcome r = run(QString("evolve --potential symmetric --separation 1.5 --well-width 0.6 "
                                  "--states 0,1 --step %1 --until %2")
                              .arg(beat / 4, 0, 'g', 17)
                              .arg(beat, 0, 'g', 17));
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 6); // the header, then t = 0 ... one beat inclusive
    EXPECT_EQ(lines[0], "t_fs,mean_x_nm,spread_x_nm,norm");
    for (int k = 1; k < lines.size(); ++k) {
        EXPECT_EQ(lines[k].section(',', 0, 0), QString::number((k - 1) * (beat / 4), 'g', 10));
        EXPECT_EQ(lines[k].section(',', 3), "1"); // and no fifth field
    }
    auto mean = [&lines](int k) { return lines[k].section(',', 1, 1).toDouble(); };
    EXPECT_LT(mean(1), -0.6); // from the left well to the right one and back
    EXPECT_GT(mean(3), 0.6);
    EXPECT_NEAR(mean(5), mean(1), 1e-8);
    // Hydrogen counts its levels by n, from 1.
    const Outcome h = run("evolve --potential hydrogen --states 2 --until 0.3 --step 0.1");
    ASSERT_EQ(h.status, 0) << h.err.toStdString();
    const QStringList rows = h.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 5); // 0.3 / 0.1 falls a hair short of 3 in binary
    EXPECT_EQ(rows[4].section(',', 0, 0), "0.3");
}
