// The built program run as a teacher would, with the sanitizers; the menu bar and About in process.
#include "app/AboutWndo.h"
#include "app/EditCommands.h"
#include "app/Menu.h"
#include "graph/Graph.h"
#include "solver/Window1.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <tuple>

namespace {

struct Outcome {
    int status = -1;
    QStringList out, err; // the lines of each stream
};

Outcome wellscope(const QStringList& args, const QString& scale = "1") {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_SCALE_FACTOR", scale);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(WELLSCOPE_EXE), args);
    EXPECT_TRUE(p.waitForFinished(60000)) << args.join(' ').toStdString();
    auto lines = [](const QByteArray& b) {
        return QString::fromUtf8(b).split('\n', Qt::SkipEmptyParts);
    };
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            lines(p.readAllStandardOutput()), lines(p.readAllStandardError())};
}

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

// The levels printed, the one-line mistakes with status 2, and --open on top of a saved file.
TEST(Program, LevelsMistakesAndOpenRunAsFromTheShell) {
    const struct {
        QStringList args, levels, message;
    } cases[] = {
        {{"--count", "2"}, {".30273417311", "1.20644009518"}, {}},
        {{"--width", "0.3"},
         {"2.14418387621", "7.72580673084"},
         {"No further level lies below 10 eV."}},
        {{"--potential", "symmetric", "--parity", "odd", "--count", "1"}, {".99106530290"}, {}},
        {{"--potential", "hydrogen", "--count", "1"}, {"-13.48670545988"}, {}},
        {{"-style", "Fusion", "--reverse", "--count", "1", "-platform", "offscreen",
          "-qwindowgeometry", "10x10", "-style=Fusion"},
         {".30273417311"},
         {}},
    };
    for (const auto& c : cases) {
        const Outcome r = wellscope(QStringList{"levels"} + c.args);
        SCOPED_TRACE(c.args.join(' ').toStdString());
        EXPECT_EQ(std::tuple(r.status, r.out, r.err), std::tuple(0, c.levels, c.message));
    }
    QTemporaryDir dir;
    const QString csv = dir.filePath("d.csv");
    Outcome r = wellscope({"data", csv, "--width", "9"});
    EXPECT_TRUE(r.status == 2 && r.err.size() == 2 && r.err[0].startsWith("wellscope: ")); // +hint
    const QString f = dir.filePath("ex.wellscope");
    r = wellscope({"data", csv, "--open", f});
    EXPECT_TRUE(r.status == 2 && r.err.value(0).startsWith("wellscope: cannot open " + f));
    EXPECT_FALSE(QFile::exists(csv));
    EXPECT_TRUE(wellscope({"--help"}).out.join('\n').contains("--potential"));
    EXPECT_TRUE(wellscope({"--version"}).out.value(0).startsWith("wellscope "));
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
            << r.err.join(' ').toStdString();
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

TEST(Menu, EditItemsActOnTheFocusedFieldAndAboutReusesItsWindow) {
    Menu menu;
    WireEditCommands(menu);
    QWidget window;
    auto* field = new QLineEdit(QStringLiteral("1.25"), &window);
    window.show();
    window.activateWindow();
    field->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto enabled = [&menu](const char* item) {
        emit menu.Item("EditMenu")->menu()->aboutToShow();
        return menu.Item(item)->isEnabled();
    };
    EXPECT_FALSE(enabled("EditCopy") || enabled("EditCut")); // nothing selected
    field->selectAll();
    EXPECT_TRUE(enabled("EditCopy") && enabled("EditCut"));
    menu.Item("EditCut")->trigger();
    EXPECT_EQ(field->text(), "");
    EXPECT_TRUE(enabled("EditPaste") && enabled("EditUndo"));
    menu.Item("EditPaste")->trigger();
    EXPECT_EQ(field->text(), "1.25");
    QPointer<AboutWndo> about = AboutWndo::Show();
    EXPECT_TRUE(about->isVisible() &&
                about->HTMLViewer1->toPlainText().contains("Finding the levels"));
    EXPECT_EQ(AboutWndo::Show(), about); // the open one is reused
    about->close();                      // closing destroys it ...
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(about.isNull());
    about = AboutWndo::Show(); // ... and the next About makes a new one
    EXPECT_TRUE(about->isVisible());
    about->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
