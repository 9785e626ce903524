// Files: a save and an open restore the window exactly; a bad file is reported and changes
// nothing; a failed save keeps the old file; the title and the question before work is lost.
#include "app/Document.h"
#include "app/FileCommands.h"
#include "app/Menu.h"
#include "graph/Graph.h"
#include "solver/Window1.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QSettings>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {

struct Session {
    QTemporaryDir dir;
    QSettings settings{dir.filePath("settings.ini"), QSettings::IniFormat};
    Menu* menu = new Menu;
    Window1 w{menu};
    FileCommands files{w, *menu, settings};
    QStringList errors;
    QMessageBox::StandardButton answer = QMessageBox::Cancel;
    int asked = 0;

    Session() {
        files.ShowError = [this](const QString& m) { errors << m; };
        files.AskToSave = [this] { return ++asked, answer; };
    }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    // A click on the potential plot at (x nm, V eV): a new handle.
    void click(double x, double v) {
        QTest::mouseClick(w.Graph1, Qt::LeftButton, {},
                          QPoint(w.Graph1->XCoord(x), w.Graph1->YCoord(v)));
    }
    QByteArray read(const char* name) const {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

} // namespace

TEST(Document, SaveAndOpenRestoreEveryRowAndADrawnPotential) {
    const struct {
        int row;
        std::vector<int> sliders;
        int clicks; // handles added with the mouse
    } setUps[] = {
        {RowWell, {150}, 0},    {RowSymmetricWell, {220, 60}, 0}, {RowUneven, {120, 7, 12}, 0},
        {RowRamp, {30, 12}, 0}, {RowOscillator, {5}, 0},          {RowHydrogen, {}, 0},
        {RowDraw, {}, 2},       {RowUneven, {200, 10, 10}, 1},
    };
    auto finds = [](Window1& w) { // the next three levels as the field shows them
        QStringList out;
        for (int i = 0; i < 3; ++i) w.PBFind_Action(), out << w.EFEnergy->text();
        return out;
    };
    for (const auto& s : setUps) {
        SCOPED_TRACE(s.row);
        Session a;
        a.w.PopupMenu1->setCurrentIndex(s.row);
        QSlider* sliders[] = {a.w.Slider1, a.w.Slider2, a.w.Slider3};
        for (std::size_t n = 0; n < s.sliders.size(); ++n) sliders[n]->setValue(s.sliders[n]);
        a.w.PMSymmetric->setCurrentIndex(1);
        if (s.clicks > 0) a.click(0, 3);
        if (s.clicks > 1) a.click(-0.6, 2);
        bool beeped = false; // a failed search would leave its last trial on the plot
        a.w.beep = [&beeped] { beeped = true; };
        a.w.EFEnergy->setText(s.row == RowHydrogen ? "-13.6" : "0.01");
        a.w.PBFind_Action();
        ASSERT_FALSE(beeped);
        ASSERT_EQ(a.w.Reshaped, s.clicks > 0);
        ASSERT_TRUE(a.files.SaveAs(a.path("a.wellscope")));

        Session b; // a fresh window, on another row
        b.w.PopupMenu1->setCurrentIndex(s.row == RowRamp ? RowWell : RowRamp);
        ASSERT_TRUE(b.files.Open(a.path("a.wellscope"))) << b.errors.join("").toStdString();
        EXPECT_EQ(CaptureDocument(b.w), CaptureDocument(a.w));
        EXPECT_EQ(b.w.solver.PEGraph, a.w.solver.PEGraph);
        EXPECT_EQ(b.w.Graph1->GXP->Image(), a.w.Graph1->GXP->Image());
        EXPECT_EQ(b.w.Graph2->GXP->Image(), a.w.Graph2->GXP->Image());
        EXPECT_EQ(finds(b.w), finds(a.w));
    }
}

TEST(Document, ABadFileIsNamedAndChangesNothing) {
    Session s;
    s.w.PopupMenu1->setCurrentIndex(RowUneven);
    ASSERT_TRUE(s.files.SaveAs(s.path("good.wellscope")));
    s.w.Slider1->setValue(50);
    const Document before = CaptureDocument(s.w);
    const QByteArray good = WriteDocument(before);
    Session drawn;
    drawn.w.PopupMenu1->setCurrentIndex(RowDraw);
    drawn.click(0, 5);
    Document moved = CaptureDocument(drawn.w);
    moved.handles.at(1).index += 1; // the tent's apex moves, its potential does not

    auto with = [&good](const char* from, const char* to) {
        return QByteArray(good).replace(from, to);
    };
    const struct {
        QByteArray text; // written to bad.wellscope, unless null
        const char* says;
        QString path = {};
    } bad[] = {
        {"hello", "not JSON"},
        {good.left(good.size() / 2), "not JSON"},
        {"[1, 2]", "not a JSON object"},
        {with("\"wellscope\"", "\"spreadsheet\""), "its format is"},
        {with("\"version\": 1", "\"version\": 7"), "newer Wellscope"},
        {with("\"energy\"", "\"energie\""), "\"energy\" is missing"},
        {with("\"uneven\"", "\"volcano\""), "\"potential\" is \"volcano\""},
        {with("50,", "351,"), "width slider's value 351 is out of range"},
        {with("\"parity\": \"even\"", "\"parity\": 3"), "\"parity\" is 3"},
        {WriteDocument(moved), "does not follow from its handles"},
        {QByteArray(2 << 20, ' '), "too large"},
        {{}, "no such file", s.path("missing.wellscope")},
        {{}, "folder", s.dir.path()},
    };
    for (const auto& b : bad) {
        const QString path = b.path.isEmpty() ? s.path("bad.wellscope") : b.path;
        QFile f(path);
        if (!b.text.isNull()) {
            ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(b.text);
            f.close();
        }
        s.errors.clear();
        EXPECT_FALSE(s.files.Open(path));
        ASSERT_EQ(s.errors.size(), 1);
        EXPECT_TRUE(s.errors[0].startsWith(QString::fromUtf8("Cannot open “") + path));
        EXPECT_TRUE(s.errors[0].contains(b.says)) << s.errors[0].toStdString();
    }
    EXPECT_EQ(CaptureDocument(s.w), before);
    EXPECT_EQ(s.w.windowTitle(), QString::fromUtf8("good.wellscope[*] — Wellscope"));
    EXPECT_TRUE(s.w.isWindowModified());
}

TEST(Document, AFailedSaveKeepsTheOldFile) {
    Session s;
    ASSERT_TRUE(s.files.SaveAs(s.path("kept.wellscope")));
    const QByteArray old = s.read("kept.wellscope");
    // A full disk: no file may grow beyond 100 bytes while the larger drawn potential is saved.
    s.w.PopupMenu1->setCurrentIndex(RowDraw);
    s.click(0, 5);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 100;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool ok = s.files.Save();
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_FALSE(ok);
    EXPECT_TRUE(s.errors.value(0).startsWith(QString::fromUtf8("Cannot save “")));
    EXPECT_EQ(s.read("kept.wellscope"), old);
    EXPECT_EQ(QDir(s.dir.path()).entryList({"kept*"}, QDir::Files), QStringList{"kept.wellscope"});
    EXPECT_TRUE(s.w.isWindowModified());
}

TEST(Document, TitleMarkAndTheQuestionBeforeAReshapeIsLost) {
    Session s;
    EXPECT_EQ(s.w.windowTitle(), "Wellscope[*]");
    s.w.Slider1->setValue(200);
    EXPECT_TRUE(s.w.isWindowModified());
    EXPECT_TRUE(s.files.MayDiscard()); // nothing reshaped: no question
    s.w.Slider1->setValue(100);
    EXPECT_FALSE(s.w.isWindowModified()); // back as it was

    ASSERT_TRUE(s.files.SaveAs(s.path("ex.wellscope")));
    s.click(0, 5);
    EXPECT_TRUE(s.w.isWindowModified());
    s.w.show();
    EXPECT_FALSE(s.w.close()); // Cancel: the window stays, the reshape too
    EXPECT_TRUE(s.w.isVisible());
    EXPECT_FALSE(s.files.Open(s.path("ex.wellscope")));
    EXPECT_TRUE(s.w.Reshaped);
    EXPECT_EQ(s.asked, 2);

    s.answer = QMessageBox::Save;
    EXPECT_TRUE(s.files.MayDiscard());
    EXPECT_FALSE(s.w.isWindowModified());
    s.w.Slider1->setValue(120); // the row's own potential again: the reshape is in the file
    ASSERT_TRUE(s.files.Open(s.path("ex.wellscope")));
    EXPECT_TRUE(s.w.Reshaped);
    EXPECT_EQ(s.asked, 3);

    // Both files are remembered, the last first, and the menu opens them.
    ASSERT_TRUE(s.files.SaveAs(s.path("second.wellscope")));
    EXPECT_EQ(s.files.RecentFiles(),
              (QStringList{s.path("second.wellscope"), s.path("ex.wellscope")}));
    s.menu->Item("FileRecentMenu")->menu()->actions().at(1)->trigger();
    EXPECT_EQ(s.files.FilePath(), s.path("ex.wellscope"));
}
