// The command line and menus in process, and the built program run under the sanitizers.
#include "app/AboutWndo.h"
#include "app/CommandLine.h"
#include "app/Commands.h"
#include "app/Document.h"
#include "app/EditCommands.h"
#include "app/Export.h"
#include "app/FileCommands.h"
#include "app/Menu.h"
#include "app/ParticleCommands.h"
#include "graph/Graph.h"
#include "model/Model.h"
#include "solver/core/Spectrum.h"
#include "solver/core/Superposition.h"
#include "windows/levels/LevelsWindow.h"
#include "windows/main/Window1.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QSettings>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QUndoStack>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
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

struct Session {
    QTemporaryDir dir;
    QSettings settings{dir.filePath("settings.ini"), QSettings::IniFormat};
    Menu* menu = new Menu;
    Window1 w{menu};
    FileCommands files{w.model(), w, *menu, settings};
    QStringList errors;
    QMessageBox::StandardButton answer = QMessageBox::Cancel;
    int asked = 0;
    Session() {
        files.ShowError = [this](const QString& m) { errors << m; };
        files.AskToSave = [this] { return ++asked, answer; };
    }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    void click(double x, double v) { // on the potential plot at (x nm, V eV): a new handle
        QTest::mouseClick(w.Graph1, Qt::LeftButton, {},
                          QPoint(w.Graph1->XCoord(x), w.Graph1->YCoord(v)));
    }
};

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
    EXPECT_TRUE(parse("levels -bogus").error.contains("'-bogus'"));         // as typed, one dash
    EXPECT_EQ(parse("data x.csv --mass 0.067").command.mass, 0.067);
    EXPECT_TRUE(parse("levels --mass 11").error.startsWith("--mass: '11'"));
    // What the message must name, and the lines that get it (1e6 / 9.99 is 100 101 rows).
    const QString e = "evolve --until 1 --step 0.1 ";
    const std::pair<QString, QStringList> cases[] = {
        {"--width",
         {"levels --width 3.6", "levels --width 1.255", "levels --width nan",
          "levels --potential oscillator --width 1", "levels --width 1 --width 2"}},
        {"--well-width", {"levels --potential symmetric --separation 1 --well-width 1.5"}},
        {"--parity", {"levels --potential symmetric --parity sideways"}},
        {"--potential", {"levels --potential cube"}},
        {"--count", {"levels --count 101", "levels --all --count 2", e + "--states 0,1 --count 2"}},
        {"--energy", {"levels --energy 2"}},
        {"--from", {"levels --all --from 1"}},
        {"--format", {"levels --format csv", "levels --all --format xml"}},
        {"--levels", {"print p.pdf --levels"}},
        {".pdf", {"print page.png"}},
        {"frobnicate", {"levels --frobnicate"}},
        {"explode", {"explode"}},
        {"snapshot", {"snapshot"}},
        {"--states",
         {e, e + "--states 0,x", e + "--states 0,1.5", e + "--states 1,1", e + "--states 0,99",
          e + "--potential hydrogen --states 0"}},
        {"--amplitudes",
         {e + "--states 0,1 --amplitudes 0,0", e + "--states 0,1 --amplitudes 1",
          e + "--states 0,1 --amplitudes 1,1.5"}},
        {"--until",
         {"evolve --states 0,1 --step 0.1", "evolve --states 0,1 --until -1 --step 0.1"}},
        {"--step",
         {"evolve --states 0,1 --until 1", "evolve --states 0,1 --until 1 --step 0",
          "evolve --states 0,1 --until 1e6 --step 9.99", "packet --until 1e6 --step 9.99"}},
        {"--momentum", {"levels --momentum"}},
        {"--x0", {"packet --x0 -3 --until 1 --step 1", "packet --x0 1e400 --until 1 --step 1"}},
        {"--sigma", {"packet --sigma 0.029 --until 1 --step 1"}},
        {"--energy",
         {"packet --energy -1 --until 1 --step 1", "packet --energy 2000 --until 1 "
                                                   "--step 1"}},
        {"--potential", {"packet --potential hydrogen --until 1 --step 1"}},
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
    const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 6); // the header, then t = 0 ... one beat inclusive
    EXPECT_EQ(lines[0], "t_fs,mean_x_nm,spread_x_nm,norm");
    for (int k = 1; k < lines.size(); ++k) {
        EXPECT_EQ(lines[k].section(',', 0, 0), QString::number((k - 1) * (beat / 4), 'g', 10));
        EXPECT_EQ(lines[k].section(',', 3), "1"); // and no fifth field
    }
    auto mean = [&lines](int k) { return lines[k].section(',', 1, 1).toDouble(); };
    EXPECT_TRUE(mean(1) < -0.6 && mean(3) > 0.6); // from the left well to the right one and back
    EXPECT_NEAR(mean(5), mean(1), 1e-8);
    // Hydrogen counts its levels from n = 1; 0.3 / 0.1 falls a hair short of 3 in binary.
    const Outcome h = run("evolve --potential hydrogen --states 2 --until 0.3 --step 0.1");
    EXPECT_TRUE(h.out.count('\n') == 5 && h.out.section('\n', 4, 4).startsWith("0.3,"));
}

TEST(CommandLine, PacketFliesAtTheGroupVelocityAndLevelsGiveTheirMomentum) {
    const QStringList csv =
        run("levels --all --format csv --momentum --potential oscillator").out.split('\n');
    EXPECT_EQ(csv[0], "n,energy_eV,nodes,parity,mean_x_nm,spread_x_nm,p_forbidden,"
                      "mean_k_per_nm,spread_k_per_nm,dx_dk");
    for (int n = 0; n < 3; ++n) // the oscillator's Delta x Delta k = n + 1/2
        EXPECT_NEAR(csv[n + 1].section(',', 9).toDouble() / (n + 0.5), 1, 5e-3) << n;

    // A free packet, on the Uneven row with no walls, at 5 eV: <x> moves at
    // hbar k0 / m = sqrt(2 E / m) = 1.3262 nm/fs.
    const double velocity = std::sqrt(2 * 5 / 511003.0) * 299.792458;
    Outcome r = run("packet --potential uneven --left 0 --right 0 --x0 -1.5 --sigma 0.25 --energy "
                    "5 --until 2 --step 0.25");
    const QStringList rows = r.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 10);
    EXPECT_EQ(rows[0], "t_fs,norm,mean_x_nm,spread_x_nm,mean_k_per_nm,spread_k_per_nm,left,right");
    for (int k = 1; k < rows.size(); ++k) {
        const QStringList f = rows[k].split(',');
        ASSERT_EQ(f.size(), 8);
        const double t = (k - 1) * 0.25;
        EXPECT_EQ(f[0], QString::number(t));
        EXPECT_NEAR(f[1].toDouble(), 1, 1e-6) << t; // still between the absorbers
        EXPECT_NEAR(f[2].toDouble(), -1.5 + velocity * t, 5e-3 * velocity * t + 1e-9) << t;
        EXPECT_NEAR(f[6].toDouble() + f[7].toDouble(), 1, 1e-9) << t;
    }
    // Rows a step that is no whole number of 0.01 fs apart still fall at their times: a time
    // off by half that step would move <x> by 7e-3 nm, the finer steps only by 4e-4.
    r = run("packet --potential uneven --left 0 --right 0 --x0 -1.5 --sigma 0.25 --energy 5 "
            "--until 2 --step 0.125");
    EXPECT_NEAR(r.out.split('\n').value(17).section(',', 2, 2).toDouble(),
                rows[9].section(',', 2, 2).toDouble(), 1e-3);
    const Outcome shell = wellscope({"packet", "--x0", "3", "--until", "1", "--step", "1"});
    EXPECT_TRUE(shell.status == 2 && shell.err.startsWith("wellscope: --x0: ") &&
                shell.err.count('\n') == 1 && shell.out.isEmpty());
}

TEST(Program, QtOptionsMistakesAndOpenRunAsFromTheShell) {
    const Outcome l =
        wellscope({"levels", "-style", "Fusion", "--reverse", "--count", "2", "-platform",
                   "offscreen", "-qwindowgeometry", "10x10", "-style=Fusion"});
    EXPECT_EQ(std::tuple(l.status, l.out, l.err), // Qt's own options reach Qt
              std::tuple(0, QString(".30273417311\n1.20644009518\n"), QString()));
    QTemporaryDir dir;
    const QString csv = dir.filePath("d.csv");
    Outcome r = wellscope({"data", csv, "--width", "9"}); // a line, then a hint
    EXPECT_TRUE(r.status == 2 && r.err.count('\n') == 2 && r.err.startsWith("wellscope: "));
    const QString f = dir.filePath("ex.wellscope");
    r = wellscope({"data", csv, "--open", f});
    EXPECT_TRUE(r.status == 2 && r.err.startsWith("wellscope: cannot open " + f));
    EXPECT_FALSE(QFile::exists(csv));
    EXPECT_TRUE(wellscope({"--help"}).out.contains("--potential"));
    EXPECT_TRUE(wellscope({"--version"}).out.startsWith("wellscope "));
    ASSERT_EQ(wellscope({"save", f, "--potential", "uneven", "--left", "4"}).status, 0);
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
        EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page "), 1);
        EXPECT_TRUE(bytes.startsWith("%PDF") && !bytes.contains("/DCTDecode")); // never JPEG
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
    // At a device pixel ratio of 2 the snapshot is twice the size: each black pixel of the plot's
    // top edge is a 2 x 2 black block, the row above is unsmeared, and the text is sharp.
    ASSERT_EQ(wellscope({"snapshot", dir.filePath("2.png"), "--energy", "2.5"}, "2").status, 0);
    const QImage one(dir.filePath("well.png")), two(dir.filePath("2.png"));
    ASSERT_EQ(two.size(), one.size() * 2);
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
    int mixed = 0;
    for (int y = plot.y(); y < plot.y() + 20; ++y)
        for (int x = plot.x() + 150; x < plot.x() + 300; ++x) {
            const QRgb c = two.pixel(2 * x, 2 * y);
            mixed += two.pixel(2 * x + 1, 2 * y) != c || two.pixel(2 * x, 2 * y + 1) != c;
        }
    EXPECT_GT(mixed, 20); // the title is drawn at full resolution
}

// What a tool of poppler-utils (which scripts/install-deps installs) prints about a PDF.
QString poppler(const QString& tool, const QStringList& args) {
    QProcess p;
    p.start(tool, args);
    EXPECT_TRUE(p.waitForFinished(60000) && p.exitCode() == 0) << tool.toStdString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

TEST(Program, PageAndSvgHoldThePlotTextsAsTextAndAFailedPictureSaysWhy) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("p.pdf"), svg = dir.filePath("p.svg");
    ASSERT_EQ(wellscope({"print", pdf, "--energy", "2.5"}).status, 0);
    ASSERT_EQ(wellscope({"snapshot", svg, "--energy", "2.5"}).status, 0);
    // Titles, axis labels and tick numbers of both plots.
    const QStringList texts = {"Potential",
                               "Potential (eV)",
                               "Solution for Energy = 2.5 eV",
                               "x (nm)",
                               "20",
                               "15",
                               "-1.5",
                               "0.5",
                               "-0.5",
                               "relative"};
    const QStringList pdfLines = poppler("pdftotext", {pdf, "-"}).split('\n');
    QStringList svgTexts;
    bool svgImage = false;
    QXmlStreamReader xml(contents(svg));
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement) {
            if (xml.name() == QLatin1String("text")) svgTexts << xml.readElementText().trimmed();
            svgImage = svgImage || xml.name() == QLatin1String("image");
        }
    for (const QString& t : texts) {
        EXPECT_TRUE(std::any_of(pdfLines.begin(), pdfLines.end(),
                                [&](const QString& l) { return l.contains(t); }))
            << "pdf: " << t.toStdString();
        EXPECT_TRUE(std::any_of(svgTexts.begin(), svgTexts.end(),
                                [&](const QString& l) { return l.contains(t); }))
            << "svg: " << t.toStdString();
    }
    // No picture of a plot: the list has its two header lines and no image.
    EXPECT_EQ(poppler("pdfimages", {"-list", pdf}).trimmed().count('\n'), 1);
    EXPECT_FALSE(svgImage);

    for (const QString name : {"x.png", "x.pdf"}) {
        const QString path = dir.filePath("missing/" + name);
        const Outcome r = wellscope({name.endsWith("png") ? "snapshot" : "print", path});
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(
            r.err.toStdString(),
            ("wellscope: cannot write " + path + ": the folder does not exist\n").toStdString());
    }
}

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
        EXPECT_EQ(std::tuple(CaptureDocument(b.w.model().Value()), b.w.solver.PEGraph,
                             b.w.Graph1->GXP->Image(), b.w.Graph2->GXP->Image()),
                  std::tuple(CaptureDocument(a.w.model().Value()), a.w.solver.PEGraph,
                             a.w.Graph1->GXP->Image(), a.w.Graph2->GXP->Image()));
    }
}

TEST(Document, ABadFileOrAFailedSaveIsNamedAndChangesNothing) {
    Session s;
    s.w.PopupMenu1->setCurrentIndex(RowUneven);
    ASSERT_TRUE(s.files.SaveAs(s.path("good.wellscope")));
    s.w.Slider1->setValue(50);
    const Document before = CaptureDocument(s.w.model().Value());
    const QByteArray good = WriteDocument(before);
    Session drawn;
    drawn.w.PopupMenu1->setCurrentIndex(RowDraw);
    drawn.click(0, 5);
    Document moved = CaptureDocument(drawn.w.model().Value());
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
        {with(",\n    \"version\": 1", ""), "\"version\" is missing"},
        {with("\"version\": 1", "\"version\": 1, \"mass\": 0.5"), "needs format version 2"},
        {with("\"potential\"", "\"handles\": [[400, 5]], \"potential\""), "a handle is [400,5]"},
        {{}, "not a regular file", s.path("fifo.wellscope")},
        {with("\"uneven\"", "\"volcano\""), "\"potential\" is \"volcano\""},
        {with("50,", "351,"), "width slider's value 351 is out of range"},
        {with("\"parity\": \"even\"", "\"parity\": 3"), "\"parity\" is 3"},
        {WriteDocument(moved), "does not follow from its handles"},
        {QByteArray(2 << 20, ' '), "too large"},
        {{}, "no such file", s.path("missing.wellscope")},
        {{}, "folder", s.dir.path()},
    };
    ASSERT_EQ(mkfifo(s.path("fifo.wellscope").toLocal8Bit().constData(), 0600), 0);
    for (const auto& b : bad) {
        const QString path = b.path.isEmpty() ? s.path("bad.wellscope") : b.path;
        QFile f(path);
        if (!b.text.isNull()) ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(b.text) >= 0);
        f.close();
        s.errors.clear();
        EXPECT_TRUE(!s.files.Open(path) && s.errors.size() == 1 && s.errors[0].contains(b.says) &&
                    s.errors[0].startsWith(QString::fromUtf8("Cannot open “") + path))
            << s.errors.join('|').toStdString();
    }
    EXPECT_EQ(CaptureDocument(s.w.model().Value()), before);
    EXPECT_EQ(s.w.windowTitle(), QString::fromUtf8("good.wellscope[*] — Wellscope"));
    // A full disk: no file may grow beyond 100 bytes while the larger drawn potential is saved.
    const QByteArray old = contents(s.path("good.wellscope"));
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
    EXPECT_EQ(contents(s.path("good.wellscope")), old);
    EXPECT_EQ(QDir(s.dir.path()).entryList({"good*"}, QDir::Files), QStringList{"good.wellscope"});
    EXPECT_TRUE(s.w.isWindowModified());
}

TEST(Document, AParticleOtherThanTheElectronIsSavedAsVersionTwoAndOpensWhole) {
    Session s;
    s.w.model().DrawEnergy("2.5");
    ASSERT_TRUE(s.files.SaveAs(s.path("e.wellscope")));
    const QByteArray electron = contents(s.path("e.wellscope"));
    EXPECT_TRUE(electron.contains("\"version\": 1") && !electron.contains("mass"));
    // The same row with the same sliders: the file's energy, not the row's first level.
    s.w.model().DrawEnergy("1");
    ASSERT_TRUE(s.files.Open(s.path("e.wellscope")));
    EXPECT_EQ(s.w.EFEnergy->text(), "2.5");
    WireParticleCommands(*s.menu, s.w.model());
    s.menu->Item("ViewParticleMenu")->menu()->actions().at(2)->trigger(); // the heavy hole
    EXPECT_EQ(s.w.model().Value().mass, 0.51);
    EXPECT_TRUE(s.w.windowTitle().contains(QString::fromUtf8("GaAs heavy hole, 0.51 mₑ")));
    EXPECT_TRUE(s.w.Graph2->Title.contains(QString::fromUtf8("eV, 0.51 mₑ")));
    ASSERT_TRUE(s.files.SaveAs(s.path("h.wellscope")));
    const QByteArray hole = contents(s.path("h.wellscope"));
    EXPECT_TRUE(hole.contains("\"version\": 2") && hole.contains("\"mass\": 0.51"));
    Session t;
    ASSERT_TRUE(t.files.Open(s.path("h.wellscope")));
    EXPECT_EQ(t.w.model().Value(), s.w.model().Value());
    EXPECT_EQ(t.w.Graph2->GXP->Image(), s.w.Graph2->GXP->Image());
}

TEST(Document, TitleMarkAndTheQuestionBeforeAReshapeIsLost) {
    Session s;
    EXPECT_EQ(s.w.windowTitle(), "Wellscope[*]");
    s.w.Slider1->setValue(200);
    EXPECT_TRUE(s.w.isWindowModified() && s.files.MayDiscard()); // nothing reshaped: no question
    s.w.model().UndoStack()->undo();
    EXPECT_FALSE(s.w.isWindowModified()); // undone: as it was saved
    ASSERT_TRUE(s.files.SaveAs(s.path("ex.wellscope")));
    s.click(0, 5);
    s.w.show();
    EXPECT_TRUE(s.w.isWindowModified() && !s.w.close() && s.w.isVisible()); // Cancel: it stays
    EXPECT_FALSE(s.files.Open(s.path("ex.wellscope")));
    EXPECT_EQ(std::pair(s.w.Reshaped(), s.asked), std::pair(true, 2));
    s.answer = QMessageBox::Save;
    EXPECT_TRUE(s.files.MayDiscard() && !s.w.isWindowModified());
    s.w.Slider1->setValue(120); // the row's own potential again: the reshape is in the file
    ASSERT_TRUE(s.files.Open(s.path("ex.wellscope")));
    EXPECT_EQ(std::pair(s.w.Reshaped(), s.asked), std::pair(true, 3));
    ASSERT_TRUE(s.files.SaveAs(s.path("second.wellscope")));
    s.menu->Item("FileRecentMenu")->menu()->actions().at(1)->trigger(); // newest first
    EXPECT_EQ(s.files.FilePath(), s.path("ex.wellscope"));
}

TEST(Menu, EditItemsActOnTheFocusedFieldAndAboutReusesItsWindow) {
    Menu menu;
    Model model;
    WireEditCommands(menu, model);
    QLineEdit field(QStringLiteral("1.25"));
    field.show();
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
    EXPECT_TRUE(!xml.hasError() && texts.contains("Potential") && texts.contains("x (nm)") &&
                texts.join(' ').contains("Solution for Energy"));
    EXPECT_GT(strokes, 350); // the lines of both curves, drawn as vectors
    EXPECT_EQ(w.Graph1->GX, w.Graph1->GXP->GetGraphics()); // the window draws where it did
    EXPECT_EQ(QImage::fromData(PicturePng(w)).size(), QSize(450, 424));
    auto rows = [&w](const QString& extra = {}) {
        QList<QStringList> out;
        for (const QString& line : QString::fromUtf8(DataCsv(w.model().Value(), extra)).split('\n'))
            out << line.split(',');
        return out;
    };
    // The 1 nm well's ground state: 0 eV inside, 10 eV outside, an even bump that peaks at 1.
    QList<QStringList> csv = rows();
    ASSERT_EQ(csv.size(), 1 + 351 + 1); // header, the visible grid, the final newline
    EXPECT_EQ(csv[0], (QStringList{"x (nm)", "V (eV)", "psi (relative)"}));
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
    LevelsWindow::Show(w.model(), &w);
    EXPECT_TRUE(OpenLevelsTableCsv(w).startsWith("n,energy_eV,"));
    w.PopupMenu1->setCurrentIndex(RowHydrogen); // x = 0: the potential has no finite value
    csv = rows();
    EXPECT_EQ(csv[1], (QStringList{"0", "", csv[1][2]}));
    EXPECT_EQ(csv[2][1].toDouble(), -144);
    // Past the tail's cut-off the plot draws nothing, and the data has nothing either.
    int empty = 0;
    for (int i = 1; i <= 351; ++i) {
        EXPECT_NE(csv[i][2], "40") << i;
        empty += csv[i][2].isEmpty();
    }
    EXPECT_GT(empty, 100);
}
