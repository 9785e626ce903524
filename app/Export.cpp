#include "app/Export.h"

#include "graph/Graph.h"
#include "platform/NumberText.h"
#include "solver/core/Mirror.h"
#include "solver/core/Setup.h"
#include "solver/core/Spectrum.h"
#include "windows/levels/LevelsReport.h"
#include "windows/levels/LevelsWindow.h"
#include "windows/main/Window1.h"

#include <QBuffer>
#include <QImage>
#include <QSvgGenerator>

#include <cmath>

namespace {

QString cell(double v) {
    return std::isfinite(v) ? Str(v) : QString(); // hydrogen's centre has no finite value
}

QString psiCell(double v) {
    return std::fabs(v) == OffScale ? QString() : cell(v); // past the cut-off: no point
}

} // namespace

QByteArray DataCsv(const Setup& value, const QString& extra) {
    Solver s;
    BuildPotential(value, s);
    const int row = PhysicsRow(value);
    s.Energy = value.energy;
    s.DrawEta(row);
    s.DrawEtaToScreen();
    QString out = QStringLiteral("x (nm),V (eV),psi (relative)\n");
    for (int i = WindowFirst; i <= WindowLast; ++i) {
        // As the plots place them: hydrogen's centre at x = 0; the symmetric well's solution
        // integrated from the centre outwards and mirrored.
        const double x = SpectrumPosition(row, i);
        const double psi = row == RowSymmetricWell ? MirroredHalf(s.feta, s.symmetric, i - 500)
                                                   : s.feta[std::size_t(i)];
        out += Str(x) + QLatin1Char(',') + cell(s.PEGraph[std::size_t(i)]) + QLatin1Char(',') +
               psiCell(psi) + QLatin1Char('\n');
    }
    if (!extra.isEmpty()) out += QLatin1Char('\n') + extra;
    return out.toUtf8();
}

QString OpenLevelsTableCsv(Window1& w) {
    LevelsWindow* levels = LevelsWindow::Open(&w);
    if (!levels) return QString();
    levels->Refresh(true);                         // the table as it is now, not as it was
    return LevelsCsv(levels->Model(), true, true); // the table as the window shows it
}

QByteArray PictureSvg(Window1& w) {
    QBuffer buffer;
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(w.Graph1->width(), Window1::PageHeight));
    svg.setViewBox(QRect(0, 0, w.Graph1->width(), Window1::PageHeight));
    svg.setTitle(QStringLiteral("Wellscope"));
    {
        Graphics page(&svg);
        w.PrintOn(page);
    } // the SVG is complete when its painter ends
    return buffer.data();
}

QByteArray PicturePng(Window1& w) {
    // At the plots' own resolution: twice the pixels on a high-density screen.
    const double ratio = w.Graph1->GXP->Image().devicePixelRatio();
    QImage image(QSize(w.Graph1->width(), Window1::PageHeight) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    {
        Graphics page(&image);
        w.PrintOn(page);
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return buffer.data();
}
