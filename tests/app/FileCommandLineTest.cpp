// Files on the command line: save, --open, data, snapshot as SVG, Qt's own options, and the
// snapshot on a high-density screen.
#include "app/CommandLine.h"
#include "app/Document.h"
#include "app/QtOptions.h"
#include "solver/core/Solver.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct Outcome {
    int status = -1;
    QString out, err;
};

Outcome run(const QStringList& args, const QByteArray& scale = "1") {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_SCALE_FACTOR", QString::fromLatin1(scale));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(WELLSCOPE_EXE), args);
    EXPECT_TRUE(p.waitForFinished(60000));
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

} // namespace

TEST(FileCommandLine, OpenIsReadOnTopOfTheFile) {
    EXPECT_EQ(WithoutQtOptions({"-style", "Fusion", "levels", "--reverse", "-style=x",
                                "-qwindowgeometry", "10x10", "--count", "2"}),
              (QStringList{"levels", "--count", "2"}));
    ParsedCommand p = ParseCommandLine({"exercise.wellscope"});
    EXPECT_EQ(p.command.kind, Command::Window);
    EXPECT_EQ(p.command.open, "exercise.wellscope");
    // Before the file is read its options cannot be checked; after, they are read against it.
    Document symmetric{RowSymmetricWell, {200, 50}, false, {}, {}, "1"};
    p = ParseCommandLine({"levels", "--open", "f.wellscope", "--well-width", "1.5"}, &symmetric);
    EXPECT_EQ(p.error, "");
    EXPECT_EQ(p.command.row, RowSymmetricWell);
    EXPECT_EQ(p.command.slider2, 150);
    EXPECT_FALSE(p.command.even);
    p = ParseCommandLine({"levels", "--open", "f.wellscope", "--well-width", "2.5"}, &symmetric);
    EXPECT_TRUE(p.error.contains("out of range")) << p.error.toStdString();
    EXPECT_NE(ParseCommandLine({"--open", "f.wellscope", "--width", "1"}).error, "");
}

TEST(FileCommandLine, SaveThenLevelsOpenPrintsWhatTheOptionsPrint) {
    QTemporaryDir dir;
    const QString f = dir.filePath("ex.wellscope");
    const QStringList options = {"--potential", "uneven", "--width", "1.5", "--left", "4"};
    Outcome r = run(QStringList{"save", f} + options);
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const Outcome direct = run(QStringList{"levels", "--count", "4"} + options);
    const Outcome opened = run({"levels", "--count", "4", "--open", f});
    EXPECT_EQ(opened.status, 0) << opened.err.toStdString();
    EXPECT_EQ(opened.out, direct.out);
    EXPECT_EQ(opened.out.count('\n'), 4);
    // Options on top of the file: the same as giving them all.
    EXPECT_EQ(run({"levels", "--count", "2", "--open", f, "--right", "3"}).out,
              run(QStringList{"levels", "--count", "2", "--right", "3"} + options).out);

    // Qt's options reach Qt; an unknown one is still an error.
    r = run({"levels", "-style", "Fusion", "-reverse", "--count", "1", "-platform", "offscreen"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, ".30273417311\n");
    r = run({"levels", "-bogus"});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.contains("bogus"));

    // A bad file: one line naming it and what is wrong, status 2, nothing written.
    QFile bad(dir.filePath("bad.wellscope"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("{\"format\": \"wellscope\", \"version\": 3}");
    bad.close();
    r = run({"data", dir.filePath("d.csv"), "--open", bad.fileName()});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "wellscope: cannot open " + bad.fileName() +
                         ": it was written by a newer Wellscope (format version 3; this one "
                         "reads version 1)\n");
    EXPECT_FALSE(QFile::exists(dir.filePath("d.csv")));

    r = run({"data", dir.filePath("d.csv"), "--open", f});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    QFile csv(dir.filePath("d.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.readLine(), "x (nm),V (eV),psi (relative)\n");
    EXPECT_TRUE(csv.readLine().startsWith("-1.75,4,")); // the left wall

    r = run({"snapshot", dir.filePath("s.svg"), "--open", f});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    QFile svg(dir.filePath("s.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("<svg"));
}

TEST(FileCommandLine, SnapshotAtRatioTwoIsTwiceTheSizeAndSharp) {
    QTemporaryDir dir;
    ASSERT_EQ(run({"snapshot", dir.filePath("1.png")}).status, 0);
    ASSERT_EQ(run({"snapshot", dir.filePath("2.png")}, "2").status, 0);
    const QImage one(dir.filePath("1.png"));
    const QImage two(dir.filePath("2.png"));
    ASSERT_EQ(two.size(), one.size() * 2);
    // The potential plot's frame: each black pixel of its top edge is a 2 x 2 black block, and
    // the row above stays white: one logical pixel wide, not smeared.
    const QPoint plot(5, 20 + one.height() - 469); // the plot's corner below the menu bar
    int edge = -1;
    for (int y = plot.y(); y < plot.y() + 60 && edge < 0; ++y)
        if (one.pixel(plot.x() + 225, y) == qRgb(0, 0, 0) &&
            one.pixel(plot.x() + 226, y) == qRgb(0, 0, 0))
            edge = y;
    ASSERT_GE(edge, 0);
    for (int x = plot.x() + 200; x < plot.x() + 250; ++x) {
        if (one.pixel(x, edge) != qRgb(0, 0, 0)) continue;
        for (int d = 0; d < 4; ++d)
            ASSERT_EQ(two.pixel(2 * x + d % 2, 2 * edge + d / 2), qRgb(0, 0, 0)) << x;
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
