#include "app/Export.h"

#include "graph/Graph.h"
#include "levels/LevelsReport.h"
#include "levels/LevelsWindow.h"
#include "platform/NumberText.h"
#include "solver/Window1.h"
#include "solver/core/Spectrum.h"

#include <QBuffer>
#include <QImage>
#include <QSvgGenerator>

#include <cmath>

namespace {

// The printed page's layout: the wave-function plot 220 points below the potential plot.
constexpr int kPageHeight = 424;

QString cell(double v) {
    return std::isfinite(v) ? Str(v) : QString(); // hydrogen's centre has no finite value
}

} // namespace

QByteArray DataCsv(const Window1& w, const QString& extra) {
    const Solver& s = w.solver;
    const int row = w.row();
    QString out = QStringLiteral("x (nm),V (eV),psi (relative)\n");
    for (int i = WindowFirst; i <= WindowLast; ++i) {
        // As the plots place them: hydrogen's centre at x = 0; the symmetric well's solution
        // integrated from the centre outwards and mirrored, negated when odd.
        const double x = SpectrumPosition(row, i);
        double psi = s.feta[std::size_t(i)];
        if (row == RowSymmetricWell)
            psi = i >= 500 ? s.feta[std::size_t(i - 500)]
                           : (s.symmetric ? 1.0 : -1.0) * s.feta[std::size_t(500 - i)];
        out += Str(x) + QLatin1Char(',') + cell(s.PEGraph[std::size_t(i)]) + QLatin1Char(',') +
               cell(psi) + QLatin1Char('\n');
    }
    if (!extra.isEmpty()) out += QLatin1Char('\n') + extra;
    return out.toUtf8();
}

QString OpenLevelsTableCsv(Window1& w) {
    auto* levels = w.findChild<LevelsWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!levels || !levels->isVisible()) return QString();
    levels->Refresh();
    return LevelsCsv(levels->Model(), true); // the table as the window shows it
}

QByteArray PictureSvg(Window1& w) {
    QBuffer buffer;
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(w.Graph1->width(), kPageHeight));
    svg.setViewBox(QRect(0, 0, w.Graph1->width(), kPageHeight));
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
    QImage image(QSize(w.Graph1->width(), kPageHeight) * ratio, QImage::Format_RGB32);
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
