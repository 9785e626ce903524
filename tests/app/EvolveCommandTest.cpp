// `wellscope evolve`: the CSV of a superposition in time, and every mistake named by its option.
#include "app/CommandLine.h"
#include "app/Commands.h"
#include "solver/Window1.h"
#include "solver/core/Spectrum.h"
#include "solver/core/Superposition.h"

#include <gtest/gtest.h>

namespace {

struct Outcome {
    int status = -1;
    QString out, err;
};

Outcome evolve(const QString& line) {
    const ParsedCommand p = ParseCommandLine(("evolve " + line).split(' ', Qt::SkipEmptyParts));
    Outcome r;
    if (!p.error.isEmpty()) {
        r.err = p.error;
        return r;
    }
    Window1 w;
    QTextStream out(&r.out), err(&r.err);
    r.status = RunCommand(p.command, w, out, err);
    return r;
}

} // namespace

TEST(EvolveCommand, DoubleWellPairCrossesOverInHalfABeat) {
    Solver well;
    well.DrawDoubleWell(150, 60);
    const Spectrum s = ComputeSpectrum(well.PEGraph, RowSymmetricWell, well.fMaxE);
    const double beat = BeatPeriod(s.states[0].energy, s.states[1].energy);
    const QString quarter = QString::number(beat / 4, 'g', 17);

    const Outcome r = evolve("--potential symmetric --separation 1.5 --well-width 0.6 --states 0,1 "
                             "--step " +
                             quarter + " --until " + QString::number(beat, 'g', 17));
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 6); // the header, then t = 0 ... one beat inclusive
    EXPECT_EQ(lines[0], "t_fs,mean_x_nm,spread_x_nm,norm");
    std::vector<double> mean;
    for (int k = 1; k < lines.size(); ++k) {
        const QStringList f = lines[k].split(',');
        ASSERT_EQ(f.size(), 4) << lines[k].toStdString();
        EXPECT_EQ(f[0], QString::number((k - 1) * (beat / 4), 'g', 10));
        EXPECT_EQ(f[3], "1");
        mean.push_back(f[1].toDouble());
    }
    // From the left well to the right one and back.
    EXPECT_LT(mean[0], -0.6);
    EXPECT_GT(mean[2], 0.6);
    EXPECT_NEAR(mean[4], mean[0], 1e-8);

    // Hydrogen counts its levels by n, from 1; one level alone does not move.
    const Outcome h = evolve("--potential hydrogen --states 2 --until 0.3 --step 0.1");
    ASSERT_EQ(h.status, 0) << h.err.toStdString();
    const QStringList rows = h.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 5); // 0.3 / 0.1 falls a hair short of 3 in binary
    EXPECT_EQ(rows[4].section(',', 0, 0), "0.3");
    EXPECT_EQ(rows[1].section(',', 1), rows[4].section(',', 1));
}

TEST(EvolveCommand, MistakesNameTheOption) {
    struct Case {
        const char* line;
        const char* mentions;
    };
    const Case cases[] = {
        {"--until 1 --step 0.1", "--states"},
        {"--states 0,x --until 1 --step 0.1", "--states"},
        {"--states 0,1.5 --until 1 --step 0.1", "--states"},
        {"--states 1,1 --until 1 --step 0.1", "--states"},
        {"--states 0,99 --until 1 --step 0.1", "--states"},                   // not a level here
        {"--potential hydrogen --states 0 --until 1 --step 0.1", "--states"}, // n counts from 1
        {"--states 0,1 --amplitudes 0,0 --until 1 --step 0.1", "--amplitudes"},
        {"--states 0,1 --amplitudes 1 --until 1 --step 0.1", "--amplitudes"},
        {"--states 0,1 --amplitudes 1,1.5 --until 1 --step 0.1", "--amplitudes"},
        {"--states 0,1 --step 0.1", "--until"},
        {"--states 0,1 --until -1 --step 0.1", "--until"},
        {"--states 0,1 --until 1", "--step"},
        {"--states 0,1 --until 1 --step 0", "--step"},
        {"--states 0,1 --until 1e6 --step 9.99", "--step"}, // 100 101 rows
        {"--states 0,1 --until 1 --step 0.1 --count 2", "--count"},
    };
    for (const Case& c : cases) {
        const Outcome r = evolve(c.line);
        EXPECT_NE(r.status, 0) << c.line;
        EXPECT_TRUE(r.err.contains(c.mentions)) << c.line << " -> " << r.err.toStdString();
        EXPECT_EQ(r.err.trimmed().count('\n'), 0) << c.line;
        EXPECT_EQ(r.out, "") << c.line;
    }
    // Exactly 100 000 rows are still allowed.
    EXPECT_EQ(
        ParseCommandLine(QString("evolve --states 0 --until 99999 --step 1").split(' ')).error, "");
}
