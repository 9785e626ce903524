// File > Export: the plots' data as CSV and both plots as an SVG picture.
#include "app/Export.h"
#include "graph/Graph.h"
#include "levels/LevelsWindow.h"
#include "solver/Window1.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QImage>
#include <QXmlStreamReader>

#include <cmath>

TEST(Export, DataHoldsThePlotsAndTheExtraTable) {
    Window1 w;
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
        // Even, up to the runaway tail at the right end.
        if (std::fabs(x) <= 0.8) {
            EXPECT_NEAR(psi, csv[352 - i][2].toDouble(), 1e-4) << x;
        }
    }
    EXPECT_NEAR(peak, 1, 1e-3);

    // The odd solution of the symmetric well, mirrored as the plot mirrors it.
    w.PopupMenu1->setCurrentIndex(RowSymmetricWell);
    w.PMSymmetric->setCurrentIndex(1);
    csv = rows("level,E (eV)\n1,0.5\n");
    for (int i = 1; i < 176; ++i) EXPECT_EQ(csv[i][2].toDouble(), -csv[352 - i][2].toDouble());
    EXPECT_NE(csv[100][2].toDouble(), 0);
    EXPECT_EQ(csv[352], QStringList{""}); // a blank line, then the extra table
    EXPECT_EQ(csv[353], (QStringList{"level", "E (eV)"}));

    // With the Levels window open, its table follows.
    EXPECT_EQ(OpenLevelsTableCsv(w), "");
    LevelsWindow::Show(w);
    EXPECT_TRUE(OpenLevelsTableCsv(w).startsWith("n,energy_eV,"));

    // Hydrogen starts at its centre, x = 0, where the potential has no finite value.
    w.PopupMenu1->setCurrentIndex(RowHydrogen);
    csv = rows();
    EXPECT_EQ(csv[1], (QStringList{"0", "", csv[1][2]}));
    EXPECT_EQ(csv[2][1].toDouble(), -144);
}

TEST(Export, PictureIsAnSvgOfBothPlots) {
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
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_TRUE(texts.contains("Potential") && texts.contains("x (nm)"));
    EXPECT_TRUE(texts.join(' ').contains("Solution for Energy")) << texts.join('|').toStdString();
    EXPECT_GT(strokes, 350); // the lines of both curves, drawn as vectors
    EXPECT_EQ(w.Graph1->GX, w.Graph1->GXP->GetGraphics()); // the window draws where it did

    EXPECT_EQ(QImage::fromData(PicturePng(w)).size(), QSize(450, 424));
}
