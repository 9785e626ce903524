#include "app/Commands.h"

#include "app/Document.h"
#include "app/EvolveCommand.h"
#include "app/Export.h"
#include "app/FileIO.h"

#include "graph/Graph.h"
#include "levels/LevelsReport.h"
#include "levels/LevelsWindow.h"
#include "platform/NumberText.h"
#include "platform/Printing.h"
#include "solver/Window1.h"

#include <QBuffer>
#include <QComboBox>
#include <QLineEdit>
#include <QPixmap>
#include <QSlider>

#include <cstdio>

namespace {

int spectrum(const Command& c, Window1& w, QTextStream& out) {
    const LevelsModel m = ComputeLevels(w);
    out << (c.csv ? LevelsCsv(m, c.compare) : LevelsText(m, c.compare));
    return 0;
}

int levels(const Command& c, Window1& w, QTextStream& out, QTextStream& err) {
    if (c.all) return spectrum(c, w, out);
    bool beeped = false;
    const auto beep = w.beep;
    w.beep = [&beeped] { beeped = true; };
    w.EFEnergy->setText(c.from);
    for (int i = 0; i < c.count; ++i) {
        beeped = false;
        w.PBFind_Action();
        if (beeped) {
            err << "No further level lies below " << Str(w.solver.fMaxE) << " eV.\n";
            break;
        }
        out << w.EFEnergy->text() << '\n';
        out.flush();
        std::fflush(stdout); // each level as soon as it is found, before any message
    }
    w.beep = beep;
    return 0;
}

void typeEnergy(const Command& c, Window1& w) {
    if (c.energy) {
        w.EFEnergy->setText(*c.energy);
        w.PBDraw_Action();
    }
}

int write(const QString& file, const QByteArray& bytes, QTextStream& err) {
    QString error;
    if (!WriteWholeFile(file, bytes, error)) {
        err << "wellscope: cannot write " << file << ": " << error << '\n';
        return 1;
    }
    return 0;
}

int snapshot(const Command& c, Window1& w, QTextStream& err) {
    typeEnergy(c, w);
    if (c.file.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        if (c.levelsWindow) {
            err << "wellscope: snapshot --levels: the Levels window is saved as a .png\n";
            return 2;
        }
        return write(c.file, PictureSvg(w), err);
    }
    std::unique_ptr<LevelsWindow> levelsWindow;
    if (c.levelsWindow) {
        levelsWindow = std::make_unique<LevelsWindow>(w, &w);
        levelsWindow->setAttribute(Qt::WA_DeleteOnClose, false);
        levelsWindow->show();
    }
    QWidget& shown = levelsWindow ? static_cast<QWidget&>(*levelsWindow) : w;
    // Encoded first and written as every other file is, so a failure says why.
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    shown.grab().save(&png, "PNG");
    return write(c.file, png.data(), err);
}

int print(const Command& c, Window1& w, QTextStream& err) {
    typeEnergy(c, w);
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        std::unique_ptr<Graphics> page = OpenPdfPage(pdf);
        if (!page) {
            err << "wellscope: cannot write " << c.file << ": no PDF page could be made\n";
            return 1;
        }
        w.PrintOn(*page);
    } // the page is complete once its context is gone
    return write(c.file, pdf.data(), err);
}

} // namespace

void SetUpWindow(const Command& c, Window1& w) {
    w.PopupMenu1->setCurrentIndex(c.row);
    // In the order a user would move them: the symmetric well's distance limits its widths.
    if (c.slider1) w.Slider1->setValue(*c.slider1);
    if (c.slider2) w.Slider2->setValue(*c.slider2);
    if (c.slider3) w.Slider3->setValue(*c.slider3);
    if (c.row == RowSymmetricWell) w.PMSymmetric->setCurrentIndex(c.even ? 0 : 1);
}

int RunCommand(const Command& c, Window1& w, QTextStream& out, QTextStream& err) {
    SetUpWindow(c, w);
    switch (c.kind) {
    case Command::Levels:
        return levels(c, w, out, err);
    case Command::Snapshot:
        return snapshot(c, w, err);
    case Command::Print:
        return print(c, w, err);
    case Command::Save:
        typeEnergy(c, w);
        return write(c.file, WriteDocument(CaptureDocument(w)), err);
    case Command::Data:
        typeEnergy(c, w);
        return write(c.file, DataCsv(w), err);
    case Command::Evolve:
        return RunEvolve(c, w, out, err);
    default:
        return 0;
    }
}
