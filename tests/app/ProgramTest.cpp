// The command line end to end: the built program, run as a teacher would run it. Under the
// test build it runs with the sanitizers, so a leak or a fault ends it with a failing status.
#include "app/Menu.h"
#include "solver/Window1.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct Outcome {
    int status = -1;
    QStringList out; // the lines of each stream
    QStringList err;
};

Outcome wellscope(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(WELLSCOPE_EXE), args);
    EXPECT_TRUE(p.waitForFinished(60000)) << args.join(' ').toStdString();
    Outcome r;
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    r.err = QString::fromUtf8(p.readAllStandardError()).split('\n', Qt::SkipEmptyParts);
    return r;
}

} // namespace

// Every row runs clean under the sanitizers and prints the levels its energy field shows.
TEST(Program, LevelsPrintsWhatTheEnergyFieldShows) {
    const QStringList well{".30273417311", "1.20644009518"};
    const QString noMore = "No further level lies below 10 eV.";
    struct Case {
        QStringList args;
        QStringList levels;
        QStringList message;
    };
    const Case cases[] = {
        {{"--count", "2"}, well, {}},
        {{"--potential", "uneven", "--count", "2"}, well, {}},    // both walls at 10 eV: the well
        {{"--width", "2", "--count", "1"}, {".08414020388"}, {}}, // a first step over two nodes
        {{"--width", "0.3"}, {"2.14418387621", "7.72580673084"}, {noMore}}, // Find beeps: stop
        {{"--potential", "draw"}, {}, {noMore}},
        {{"--potential", "symmetric", "--count", "1"}, {".99074363451"}, {}},
        {{"--potential", "symmetric", "--parity", "odd", "--count", "1"}, {".99106530290"}, {}},
        {{"--potential", "ramp", "--count", "1"}, {"1.74732437588"}, {}},
        {{"--potential", "oscillator", "--count", "2"}, {".61719501871", "1.85146001812"}, {}},
        {{"--potential", "hydrogen", "--count", "2"}, {"-13.48670545988", "-3.39395540833"}, {}},
    };
    for (const Case& c : cases) {
        const Outcome r = wellscope(QStringList{"levels"} + c.args);
        SCOPED_TRACE(c.args.join(' ').toStdString());
        EXPECT_EQ(r.status, 0) << r.err.join('\n').toStdString();
        EXPECT_EQ(r.out, c.levels);
        EXPECT_EQ(r.err, c.message);
    }
}

TEST(Program, BadOptionsExitWithStatusTwoAndWriteNothing) {
    QTemporaryDir dir;
    const QString png = dir.filePath("never.png");
    for (const QStringList& args : {
             QStringList{"snapshot", png, "--width", "9"},
             QStringList{"snapshot", png, "--potential", "draw", "--width", "1"},
             QStringList{"snapshot", png, "--potential", "symmetric", "--separation", "0.5",
                         "--well-width", "0.6"},
             QStringList{"snapshot", png, "--bogus"},
         }) {
        const Outcome r = wellscope(args);
        EXPECT_EQ(r.status, 2) << args.join(' ').toStdString();
        ASSERT_EQ(r.err.size(), 2); // the message, then a hint
        EXPECT_TRUE(r.err[0].startsWith("wellscope: ")) << r.err[0].toStdString();
        EXPECT_FALSE(QFile::exists(png));
    }
    EXPECT_TRUE(wellscope({"--help"}).out.join('\n').contains("--potential"));
    EXPECT_TRUE(wellscope({"--version"}).out.value(0).startsWith("wellscope "));
}

TEST(Program, PrintsAndSnapshotsEveryRow) {
    QTemporaryDir dir;
    Window1 window(new Menu); // the same window, here: the snapshot has its size
    window.show();
    for (const QString row :
         {"well", "symmetric", "uneven", "ramp", "oscillator", "hydrogen", "draw"}) {
        SCOPED_TRACE(row.toStdString());
        const QString png = dir.filePath(row + ".png");
        Outcome r = wellscope({"snapshot", png, "--potential", row, "--energy", "2.5"});
        EXPECT_EQ(r.status, 0) << r.err.join('\n').toStdString();
        EXPECT_EQ(QImage(png).size(), window.size());

        const QString pdf = dir.filePath(row + ".pdf");
        r = wellscope({"print", pdf, "--potential", row});
        EXPECT_EQ(r.status, 0) << r.err.join('\n').toStdString();
        QFile file(pdf);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        EXPECT_TRUE(bytes.startsWith("%PDF"));
        EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page "), 1);
        // The plots are line art: the page keeps their pictures exact, never JPEG-coded.
        EXPECT_FALSE(bytes.contains("/DCTDecode"));
    }
}
