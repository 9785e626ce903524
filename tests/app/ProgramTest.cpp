// The command line read and run in process, and the built program run under the sanitizers.
#include "app/CommandLine.h"
#include "app/Commands.h"
#include "app/Document.h"
#include "app/Menu.h"
#include "graph/Graph.h"
#include "solver/Window1.h"
#include "solver/core/Spectrum.h"
#include "solver/core/Superposition.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

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

// The built program itself, at a device pixel ratio of `scale`.
Outcome wellscope(const QStringList& args, const QString& scale = "1") {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_SCALE_FACTOR", scale);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(WELLSCOPE_EXE), args);
    EXPECT_TRUE(p.waitForFinished(60000)) << args.join(' ').toStdString();
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
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
    EXPECT_EQ(parse("").command.kind, Command::Window);
    EXPECT_EQ(parse("exercise.wellscope").command.open, "exercise.wellscope"); // in the window
    // With --open the options are read on top of the file, and against it.
    const Document symmetric{RowSymmetricWell, {200, 50}, false, {}, {}, "1"};
    p = parse("levels --open f.wellscope --well-width 1.5", &symmetric);
    EXPECT_EQ(std::tuple(p.command.row, p.command.slider2.value_or(-1), p.command.even),
              std::tuple(int(RowSymmetricWell), 150, false));
    EXPECT_TRUE(
        parse("levels --open f --well-width 2.5", &symmetric).error.contains("out of range"));
    EXPECT_NE(parse("--open f.wellscope --width 1").error, "");
    EXPECT_EQ(parse("evolve --states 0 --until 99999 --step 1").error, ""); // 100 000 rows
    // What the message must name, and the lines that get it (1e6 / 9.99 is 100 101 rows).
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
            EXPECT_TRUE(r.status != 0 && r.err.contains(mentions) && r.out.isEmpty() &&
                        !r.err.trimmed().contains('\n'))
                << line.toStdString() + " -> " + r.err.toStdString();
        }
}

TEST(CommandLine, LevelsPrintsWhatFindFindsAndEvolveOneRowPerStep) {
    for (const auto& [line, out, err] :
         {std::tuple("levels --width 0.3", "2.14418387621\n7.72580673084\n",
                     "No further level lies below 10 eV.\n"),
          std::tuple("levels --potential symmetric --parity odd --count 1", ".99106530290\n", ""),
          std::tuple("levels --potential hydrogen --count 1", "-13.48670545988\n", "")}) {
        const Outcome r = run(line);
        EXPECT_EQ(std::tuple(r.status, r.out, r.err), std::tuple(0, QString(out), QString(err)));
    }
    Solver well;
    well.DrawDoubleWell(150, 60);
    const Spectrum s = ComputeSpectrum(well.PEGraph, RowSymmetricWell, well.fMaxE);
    const double beat = BeatPeriod(s.states[0].energy, s.states[1].energy);
    const Outcome r = run(QString("evolve --potential symmetric --separation 1.5 --well-width 0.6 "
                                  "--states 0,1 --step %1 --until %2")
                              .arg(beat / 4, 0, 'g', 17)
                              .arg(beat, 0, 'g', 17));
    ASSERT_EQ(r.status, 0);
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
    // Hydrogen counts its levels from n = 1; 0.3 / 0.1 falls a hair short of 3 in binary.
    const Outcome h = run("evolve --potential hydrogen --states 2 --until 0.3 --step 0.1");
    EXPECT_EQ(std::pair(h.out.count('\n'), h.out.section('\n', 4, 4).section(',', 0, 0)),
              std::pair(qsizetype(5), QString("0.3")));
}

// Qt options, the one-line mistakes with status 2, and --open on top of a saved file.
TEST(Program, QtOptionsMistakesAndOpenRunAsFromTheShell) {
    const Outcome l =
        wellscope({"levels", "-style", "Fusion", "--reverse", "--count", "2", "-platform",
                   "offscreen", "-qwindowgeometry", "10x10", "-style=Fusion"});
    EXPECT_EQ(std::tuple(l.status, l.out, l.err), // Qt's own options reach Qt
              std::tuple(0, QString(".30273417311\n1.20644009518\n"), QString()));
    QTemporaryDir dir;
    const QString csv = dir.filePath("d.csv");
    Outcome r = wellscope({"data", csv, "--width", "9"});
    EXPECT_TRUE(r.status == 2 && r.err.count('\n') == 2 &&
                r.err.startsWith("wellscope: ")); // +hint
    const QString f = dir.filePath("ex.wellscope");
    r = wellscope({"data", csv, "--open", f});
    EXPECT_TRUE(r.status == 2 && r.err.startsWith("wellscope: cannot open " + f));
    EXPECT_FALSE(QFile::exists(csv));
    EXPECT_TRUE(wellscope({"--help"}).out.contains("--potential"));
    EXPECT_TRUE(wellscope({"--version"}).out.startsWith("wellscope "));
    ASSERT_EQ(
        wellscope({"save", f, "--potential", "uneven", "--width", "1.5", "--left", "4"}).status, 0);
    EXPECT_EQ(wellscope({"data", csv, "--open", f, "--right", "3"}).status, 0);
    const QList<QByteArray> rows = contents(csv).split('\n');
    EXPECT_TRUE(rows.value(1).startsWith("-1.75,4,") && rows.value(351).startsWith("1.75,3,"));
}

TEST(Program, PrintsAndSnapshotsEveryRowOnOnePageAndSharplyAtRatioTwo) {
    QTemporaryDir dir;
    Window1 w(new Menu); // the same window, here: the snapshot has its size
    w.show();
    for (const QString row :
         {"well", "symmetric", "uneven", "ramp", "oscillator", "hydrogen", "draw"}) {
        SCOPED_TRACE(row.toStdString());
        const QString png = dir.filePath(row + ".png");
        Outcome r = wellscope({"snapshot", png, "--potential", row, "--energy", "2.5"});
        EXPECT_EQ(std::pair(r.status, QImage(png).size()), std::pair(0, w.size()))
            << r.err.toStdString();
        const QString pdf = dir.filePath(row + ".pdf");
        EXPECT_EQ(wellscope({"print", pdf, "--potential", row}).status, 0);
        const QByteArray bytes = contents(pdf);
        EXPECT_TRUE(bytes.startsWith("%PDF"));
        EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page "), 1);
        EXPECT_FALSE(bytes.contains("/DCTDecode")); // line art is never JPEG-coded
    }
    // The page File > Print prints: both pictures, nothing beside them nor between them.
    auto page = Picture::Make(460, 440, 32);
    page->GetGraphics()->SetForeColor({0, 255, 0});
    page->GetGraphics()->FillRect(0, 0, 460, 440);
    w.PrintOn(*page->GetGraphics());
    const QImage image = page->Image().copy();
    EXPECT_EQ(image.copy(0, 0, 450, 204), w.Graph1->GXP->Image().convertToFormat(image.format()));
    EXPECT_EQ(image.copy(0, 220, 450, 204), w.Graph2->GXP->Image().convertToFormat(image.format()));
    EXPECT_EQ(std::pair(image.pixel(455, 5), image.pixel(5, 212)),
              std::pair(qRgb(0, 255, 0), qRgb(0, 255, 0)));
    // At a device pixel ratio of 2 the snapshot is twice the size, and sharp.
    ASSERT_EQ(wellscope({"snapshot", dir.filePath("2.png"), "--energy", "2.5"}, "2").status, 0);
    const QImage one(dir.filePath("well.png")), two(dir.filePath("2.png"));
    ASSERT_EQ(two.size(), one.size() * 2);
    // Each black pixel of the plot's top edge is a 2 x 2 black block; the row above is unsmeared.
    const QPoint plot(5, 20 + one.height() - 469); // the plot's corner below the menu bar
    const QRgb black = qRgb(0, 0, 0);
    int edge = plot.y();
    while (edge < plot.y() + 60 &&
           (one.pixel(plot.x() + 225, edge) != black || one.pixel(plot.x() + 226, edge) != black))
        ++edge;
    ASSERT_LT(edge, plot.y() + 60);
    for (int x = plot.x() + 200; x < plot.x() + 250; ++x) {
        if (one.pixel(x, edge) != black) continue;
        for (int d = 0; d < 4; ++d) ASSERT_EQ(two.pixel(2 * x + d % 2, 2 * edge + d / 2), black);
        EXPECT_EQ(two.pixel(2 * x, 2 * edge - 1), one.pixel(x, edge - 1)) << x;
    }
    // The title is drawn at full resolution: not every 2 x 2 block is of one colour.
    int mixed = 0;
    for (int y = plot.y(); y < plot.y() + 20; ++y)
        for (int x = plot.x() + 150; x < plot.x() + 300; ++x) {
            const QRgb c = two.pixel(2 * x, 2 * y);
            mixed += two.pixel(2 * x + 1, 2 * y) != c || two.pixel(2 * x, 2 * y + 1) != c;
        }
    EXPECT_GT(mixed, 20);
}
