#include "app/Commands.h"

#include "app/Document.h"
#include "app/EvolveCommand.h"
#include "app/Export.h"
#include "app/FileIO.h"
#include "app/PacketCommand.h"
#include "app/TransmissionCommands.h"

#include "graph/Graph.h"
#include "model/Model.h"
#include "model/Particles.h"
#include "platform/NumberText.h"
#include "platform/Printing.h"
#include "windows/levels/LevelsReport.h"
#include "windows/levels/LevelsWindow.h"
#include "windows/main/Window1.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPixmap>

#include <cstdio>

namespace {

// Text for a person names any particle other than the electron first.
void nameParticle(const Model& m, QTextStream& out) {
    if (!IsElectron(m.Value().mass))
        out << QCoreApplication::translate("Commands", "Particle: ") << ParticleText(m.Value().mass)
            << '\n';
}

int spectrum(const Command& c, Model& model, QTextStream& out) {
    const LevelsModel m = ComputeLevels(model.Value());
    if (!c.csv) nameParticle(model, out);
    out << (c.csv ? LevelsCsv(m, c.compare, c.momentum) : LevelsText(m, c.compare, c.momentum));
    return 0;
}

// Find pressed --count times from the energy typed.
int levels(const Command& c, Model& model, QTextStream& out, QTextStream& err) {
    if (c.all) return spectrum(c, model, out);
    nameParticle(model, out);
    double shown = Val(c.from);
    for (int i = 0; i < c.count; ++i) {
        if (!model.Find(shown)) {
            err << "No further level lies below " << Str(model.Potential().fMaxE) << " eV.\n";
            break;
        }
        out << QString::fromStdString(model.Value().energyText) << '\n';
        out.flush();
        std::fflush(stdout); // each level as soon as it is found, before any message
        shown = model.Value().energy;
    }
    return 0;
}

void typeEnergy(const Command& c, Model& model) {
    if (c.energy) model.DrawEnergy(*c.energy);
}

int write(const QString& file, const QByteArray& bytes, QTextStream& err) {
    QString error;
    if (!WriteWholeFile(file, bytes, error)) {
        err << "wellscope: "
            << QCoreApplication::translate("Commands", "cannot write %1: %2").arg(file, error)
            << '\n';
        return 1;
    }
    return 0;
}

int snapshot(const Command& c, Window1& w, QTextStream& err) {
    typeEnergy(c, w.model());
    if (c.file.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        if (c.levelsWindow) {
            err << "wellscope: snapshot --levels: the Levels window is saved as a .png\n";
            return 2;
        }
        return write(c.file, PictureSvg(w), err);
    }
    std::unique_ptr<LevelsWindow> levelsWindow;
    if (c.levelsWindow) {
        levelsWindow = std::make_unique<LevelsWindow>(w.model(), &w);
        levelsWindow->setAttribute(Qt::WA_DeleteOnClose, false);
        levelsWindow->show();
        levelsWindow->Refresh(true);
    }
    QWidget& shown = levelsWindow ? static_cast<QWidget&>(*levelsWindow) : w;
    // Encoded first and written as every other file is, so a failure says why.
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    shown.grab().save(&png, "PNG");
    return write(c.file, png.data(), err);
}

int print(const Command& c, Window1& w, QTextStream& err) {
    typeEnergy(c, w.model());
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

void SetUp(const Command& c, Model& model) {
    // The particle first: the row's first search finds its level.
    if (c.mass) model.SetMass(*c.mass);
    // A row already chosen (the opened file's) keeps its sliders.
    if (model.Value().row != c.row) model.ChooseRow(c.row);
    // In the order a user would move them: the symmetric well's distance limits its widths.
    const std::optional<int> sliders[] = {c.slider1, c.slider2, c.slider3};
    for (int n = 1; n <= 3; ++n)
        if (sliders[n - 1]) model.MoveSlider(n, *sliders[n - 1]);
    if (c.row == RowSymmetricWell) model.SetParity(c.even);
}

int RunCommand(const Command& c, Window1& w, QTextStream& out, QTextStream& err) {
    Model& model = w.model();
    SetUp(c, model);
    switch (c.kind) {
    case Command::Levels:
        return levels(c, model, out, err);
    case Command::Snapshot:
        return snapshot(c, w, err);
    case Command::Print:
        return print(c, w, err);
    case Command::Save:
        typeEnergy(c, model);
        return write(c.file, WriteDocument(CaptureDocument(model.Value())), err);
    case Command::Data:
        typeEnergy(c, model);
        return write(c.file, DataCsv(model.Value()), err);
    case Command::Evolve:
        return RunEvolve(c, model.Value(), out, err);
    case Command::Packet:
        return RunPacket(c, model.Value(), out, err);
    case Command::Transmission:
        return RunTransmission(c, model.Value(), out, err);
    case Command::Resonances:
        return RunResonances(c, model.Value(), out);
    default:
        return 0;
    }
}
