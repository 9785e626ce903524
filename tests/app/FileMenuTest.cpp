// The menus: open restores what save saved, a bad file or failed save changes nothing; export;
// Edit.
#include "app/AboutWndo.h"
#include "app/Document.h"
#include "app/EditCommands.h"
#include "app/Export.h"
#include "app/FileCommands.h"
#include "app/Menu.h"
#include "graph/Graph.h"
#include "levels/LevelsWindow.h"
#include "solver/Window1.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPointer>
#include <QSettings>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QXmlStreamReader>

#include <cmath>
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
    for (const auto& s : setUps) {
        SCOPED_TRACE(s.row);
        Session a;
        a.w.PopupMenu1->setCurrentIndex(s.row);
        QSlider* sliders[] = {a.w.Slider1, a.w.Slider2, a.w.Slider3};
        for (std::size_t n = 0; n < s.sliders.size(); ++n) sliders[n]->setValue(s.sliders[n]);
        a.w.PMSymmetric->setCurrentIndex(1);
        for (int c = 0; c < s.clicks; ++c) a.click(-0.6 * c, 3 - c);
        a.w.EFEnergy->setText(s.row == RowHydrogen ? "-13.6" : "0.01");
        a.w.PBFind_Action();
        ASSERT_TRUE(a.files.SaveAs(a.path("a.wellscope")));
        Session b; // a fresh window, on another row
        b.w.PopupMenu1->setCurrentIndex(s.row == RowRamp ? RowWell : RowRamp);
        ASSERT_TRUE(b.files.Open(a.path("a.wellscope")));
        EXPECT_EQ(std::tuple(CaptureDocument(b.w), b.w.solver.PEGraph, b.w.Graph1->GXP->Image(),
                             b.w.Graph2->GXP->Image()),
                  std::tuple(CaptureDocument(a.w), a.w.solver.PEGraph, a.w.Graph1->GXP->Image(),
                             a.w.Graph2->GXP->Image()));
    }
}

TEST(Document, ABadFileOrAFailedSaveIsNamedAndChangesNothing) {
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
        if (!b.text.isNull()) ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(b.text) >= 0);
        f.close();
        s.errors.clear();
        EXPECT_FALSE(s.files.Open(path));
        EXPECT_TRUE(s.errors.size() == 1 && s.errors[0].contains(b.says) &&
                    s.errors[0].startsWith(QString::fromUtf8("Cannot open “") + path))
            << s.errors.join('|').toStdString();
    }
    EXPECT_EQ(CaptureDocument(s.w), before);
    EXPECT_EQ(s.w.windowTitle(), QString::fromUtf8("good.wellscope[*] — Wellscope"));
    // A full disk: no file may grow beyond 100 bytes while the larger drawn potential is saved.
    const QByteArray old = s.read("good.wellscope");
    s.w.PopupMenu1->setCurrentIndex(RowDraw);
    s.click(0, 5);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit small{100, saved.rlim_max};
    setrlimit(RLIMIT_FSIZE, &small);
    const bool ok = s.files.Save();
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_TRUE(!ok && s.errors.constLast().startsWith(QString::fromUtf8("Cannot save “")));
    EXPECT_EQ(s.read("good.wellscope"), old);
    EXPECT_EQ(QDir(s.dir.path()).entryList({"good*"}, QDir::Files), QStringList{"good.wellscope"});
    EXPECT_TRUE(s.w.isWindowModified());
}

TEST(Document, TitleMarkAndTheQuestionBeforeAReshapeIsLost) {
    Session s;
    EXPECT_EQ(s.w.windowTitle(), "Wellscope[*]");
    s.w.Slider1->setValue(200);
    EXPECT_TRUE(s.w.isWindowModified() && s.files.MayDiscard()); // nothing reshaped: no question
    s.w.Slider1->setValue(100);
    EXPECT_FALSE(s.w.isWindowModified()); // back as it was
    ASSERT_TRUE(s.files.SaveAs(s.path("ex.wellscope")));
    s.click(0, 5);
    EXPECT_TRUE(s.w.isWindowModified());
    s.w.show();
    EXPECT_TRUE(!s.w.close() && s.w.isVisible()); // Cancel: the window stays, the reshape too
    EXPECT_FALSE(s.files.Open(s.path("ex.wellscope")));
    EXPECT_EQ(std::pair(s.w.Reshaped, s.asked), std::pair(true, 2));
    s.answer = QMessageBox::Save;
    EXPECT_TRUE(s.files.MayDiscard() && !s.w.isWindowModified());
    s.w.Slider1->setValue(120); // the row's own potential again: the reshape is in the file
    ASSERT_TRUE(s.files.Open(s.path("ex.wellscope")));
    EXPECT_EQ(std::pair(s.w.Reshaped, s.asked), std::pair(true, 3));
    ASSERT_TRUE(s.files.SaveAs(s.path("second.wellscope")));
    EXPECT_EQ(s.files.RecentFiles(), // the last first
              (QStringList{s.path("second.wellscope"), s.path("ex.wellscope")}));
    s.menu->Item("FileRecentMenu")->menu()->actions().at(1)->trigger();
    EXPECT_EQ(s.files.FilePath(), s.path("ex.wellscope"));
}

TEST(Menu, EditItemsActOnTheFocusedFieldAndAboutReusesItsWindow) {
    Menu menu;
    WireEditCommands(menu);
    QLineEdit field(QStringLiteral("1.25"));
    field.show();
    field.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&field));
    auto enabled = [&menu](const char* item) {
        emit menu.Item("EditMenu")->menu()->aboutToShow();
        return menu.Item(item)->isEnabled();
    };
    EXPECT_FALSE(enabled("EditCopy") || enabled("EditCut")); // nothing selected
    field.selectAll();
    EXPECT_TRUE(enabled("EditCopy") && enabled("EditCut"));
    menu.Item("EditCut")->trigger();
    EXPECT_TRUE(field.text().isEmpty() && enabled("EditPaste") && enabled("EditUndo"));
    menu.Item("EditPaste")->trigger();
    EXPECT_EQ(field.text(), "1.25");
    for (int n = 0; n < 2; ++n) { // closing destroys the window; the next About makes a new one
        QPointer<AboutWndo> about = AboutWndo::Show();
        EXPECT_TRUE(about->isVisible() &&
                    about->HTMLViewer1->toPlainText().contains("Finding the levels"));
        EXPECT_EQ(AboutWndo::Show(), about); // the open one is reused
        about->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(about.isNull());
    }
}

TEST(Export, PictureAndDataHoldBothPlots) {
    Window1 w;
    QXmlStreamReader xml(PictureSvg(w));
    QStringList texts;
    int strokes = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("text")) texts << xml.readElementText().trimmed();
        if (xml.name() == QLatin1String("polyline") || xml.name() == QLatin1String("path"))
            ++strokes;
    }
    ASSERT_FALSE(xml.hasError());
    EXPECT_TRUE(texts.contains("Potential") && texts.contains("x (nm)") &&
                texts.join(' ').contains("Solution for Energy"));
    EXPECT_GT(strokes, 350); // the lines of both curves, drawn as vectors
    EXPECT_EQ(w.Graph1->GX, w.Graph1->GXP->GetGraphics()); // the window draws where it did
    EXPECT_EQ(QImage::fromData(PicturePng(w)).size(), QSize(450, 424));
    auto rows = [&w](const QString& extra = {}) {
        QList<QStringList> out;
        for (const QString& line : QString::fromUtf8(DataCsv(w, extra)).split('\n'))
            out << line.split(',');
        return out;
    };
    // The 1 nm well's ground state: 0 eV inside, 10 eV outside, an even bump that peaks at 1.
    QList<QStringList> csv = rows();
    ASSERT_EQ(csv.size(), 1 + 351 + 1); // header, the visible grid, the final newline
    EXPECT_EQ(csv[0], (QStringList{"x (nm)", "V (eV)", "psi (relative)"}));
    EXPECT_EQ(csv[1][0] + ' ' + csv[351][0], "-1.75 1.75");
    double peak = 0;
    for (int i = 1; i <= 351; ++i) {
        const double x = csv[i][0].toDouble(), psi = csv[i][2].toDouble();
        EXPECT_EQ(csv[i][1].toDouble(), std::fabs(x) < 0.5 ? 0 : 10) << x;
        peak = std::max(peak, psi);
    }
    EXPECT_NEAR(peak, 1, 1e-3);
    w.PopupMenu1->setCurrentIndex(RowSymmetricWell); // odd, mirrored as the plot mirrors it
    w.PMSymmetric->setCurrentIndex(1);
    csv = rows("level,E (eV)\n1,0.5\n");
    for (int i = 1; i < 176; ++i) EXPECT_EQ(csv[i][2].toDouble(), -csv[352 - i][2].toDouble());
    EXPECT_NE(csv[100][2].toDouble(), 0);
    EXPECT_EQ(csv.mid(352, 2), (QList<QStringList>{{""}, {"level", "E (eV)"}})); // after a blank
    EXPECT_EQ(OpenLevelsTableCsv(w), ""); // the Levels table follows only while it is open
    LevelsWindow::Show(w);
    EXPECT_TRUE(OpenLevelsTableCsv(w).startsWith("n,energy_eV,"));
    w.PopupMenu1->setCurrentIndex(RowHydrogen); // x = 0: the potential has no finite value
    csv = rows();
    EXPECT_EQ(csv[1], (QStringList{"0", "", csv[1][2]}));
    EXPECT_EQ(csv[2][1].toDouble(), -144);
}
