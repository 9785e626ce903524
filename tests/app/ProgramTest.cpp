// The command line end to end: the built program, run as a teacher would run it.
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
    QString out;
    QString err;
};

Outcome wellscope(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(WELLSCOPE_EXE), args);
    EXPECT_TRUE(p.waitForFinished(60000)) << args.join(' ').toStdString();
    Outcome r;
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

QStringList lines(const QString& text) {
    return text.split('\n', Qt::SkipEmptyParts);
}

} // namespace

TEST(Program, LevelsPrintsWhatTheEnergyFieldShows) {
    Outcome r = wellscope({"levels", "--count", "2"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(lines(r.out), (QStringList{".30273417311", "1.20644009518"}));

    r = wellscope({"levels", "--width", "2", "--count", "1"});
    EXPECT_EQ(lines(r.out), QStringList{".08414020388"});

    // A 0.3 nm well holds fewer than five levels: a Find beeps, and the listing stops there.
    r = wellscope({"levels", "--width", "0.3", "--count", "5"});
    EXPECT_EQ(r.status, 0);
    EXPECT_GE(lines(r.out).size(), 1);
    EXPECT_LT(lines(r.out).size(), 5);
    EXPECT_EQ(lines(r.err), QStringList{"No further level lies below 10 eV."});

    r = wellscope({"levels", "--potential", "hydrogen", "--count", "1"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    ASSERT_EQ(lines(r.out).size(), 1);
    EXPECT_TRUE(lines(r.out)[0].startsWith("-")) << r.out.toStdString();
}

TEST(Program, BadOptionsExitWithStatusTwoAndWriteNothing) {
    QTemporaryDir dir;
    const QString png = dir.filePath("never.png");
    for (const QStringList& args : {
             QStringList{"snapshot", png, "--width", "9"},
             QStringList{"snapshot", png, "--width", "0.123"},
             QStringList{"snapshot", png, "--potential", "draw", "--width", "1"},
             QStringList{"snapshot", png, "--potential", "symmetric", "--separation", "0.5",
                         "--well-width", "0.6"},
             QStringList{"snapshot", png, "--slope", "x"},
             QStringList{"snapshot", png, "--bogus"},
         }) {
        const Outcome r = wellscope(args);
        EXPECT_EQ(r.status, 2) << args.join(' ').toStdString();
        EXPECT_EQ(lines(r.err).size(), 2) << r.err.toStdString(); // the message, then a hint
        EXPECT_TRUE(r.err.startsWith("wellscope: ")) << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(png));
    }
    const Outcome help = wellscope({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.contains("--potential"));
    EXPECT_TRUE(wellscope({"--version"}).out.startsWith("wellscope "));
}

TEST(Program, SnapshotAndPrintWriteTheirFiles) {
    QTemporaryDir dir;
    const QString png = dir.filePath("well.png");
    Outcome r = wellscope({"snapshot", png, "--potential", "ramp", "--energy", "2.5"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    const QImage image(png);
    ASSERT_FALSE(image.isNull());
    Window1 window(new Menu); // the same window, here: the picture has its size
    window.show();
    EXPECT_EQ(image.size(), window.size());
    EXPECT_GE(image.height(), 469); // the content and the menu bar

    const QString pdf = dir.filePath("page.pdf");
    r = wellscope({"print", pdf});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page "), 1);
}
