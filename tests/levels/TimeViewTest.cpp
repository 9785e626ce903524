// The time view as a user sees it: the time and beat texts, the <x> marker crossing between the
// double well's wells, the curves behind their check boxes, and Play, Pause, Reset and speed.
#include "levels/TimeView.h"

#include "graph/Graph.h"
#include "solver/core/Solver.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

// The columns of the plot frame that hold a pixel of `colour`.
std::vector<int> columnsWith(const Graph* g, QRgb colour) {
    const QImage image = g->GXP->Image();
    std::vector<int> columns;
    for (int x = g->GLeft + 1; x < g->GLeft + g->GWidth; ++x)
        for (int y = g->GTop + 1; y < g->GTop + g->GHeight; ++y)
            if (image.pixel(x, y) == colour) {
                columns.push_back(x);
                break;
            }
    return columns;
}

// The middle of the green <x> marker (its line and the square at its foot), or -1.
int markerColumn(const Graph* g) {
    const std::vector<int> c = columnsWith(g, qRgb(0, 150, 0));
    return c.empty() || c.size() > 5 ? -1 : (c.front() + c.back()) / 2;
}

Spectrum doubleWell() {
    Solver s;
    s.DrawDoubleWell(150, 60);
    return ComputeSpectrum(s.PEGraph, RowSymmetricWell, s.fMaxE);
}

} // namespace

TEST(TimeView, MarkerTunnelsToTheOtherWellInHalfABeat) {
    TimeView v;
    const Spectrum s = doubleWell();
    v.setBasis(s, RowSymmetricWell);
    v.setSelection({0, 1}, {1, 1});
    const double beat = 4.135667 / (s.states[1].energy - s.states[0].energy); // h in eV fs
    const QString text = v.STBeat->text();
    ASSERT_TRUE(text.startsWith("Beat period = ") && text.endsWith(" fs")) << text.toStdString();
    EXPECT_NEAR(text.mid(14).chopped(3).toDouble() / beat, 1, 1e-4) << text.toStdString();
    EXPECT_EQ(v.STTime->text(), "t = 0.00 fs");

    const Graph* g = v.GraphPsi;
    const int middle = g->GLeft + g->GWidth / 2;
    const QImage start = g->GXP->Image().copy(), trace = v.GraphTrace->GXP->Image().copy();
    EXPECT_LT(markerColumn(g), middle - 20);
    EXPECT_GT(markerColumn(g), g->GLeft);
    v.advance(beat / 2);
    EXPECT_EQ(v.STTime->text(), QString("t = %1 fs").arg(beat / 2, 0, 'f', 2));
    EXPECT_GT(markerColumn(g), middle + 20);
    EXPECT_NE(v.GraphTrace->GXP->Image(), trace);
    v.reset();
    EXPECT_EQ(g->GXP->Image(), start);

    // Re Psi appears behind its check box.
    const QRgb real = qRgb(0, 0, 220);
    EXPECT_TRUE(columnsWith(g, real).empty());
    v.CBReal->click();
    EXPECT_GT(columnsWith(g, real).size(), 40u);

    // Three levels have no single beat; levels with no amplitude leave nothing to show.
    v.setSelection({0, 1, 2}, {1, 1, 1});
    EXPECT_EQ(v.STBeat->text(), "");
    v.setSelection({0, 1}, {0, 0});
    EXPECT_FALSE(v.superposition());
    EXPECT_EQ(markerColumn(g), -1);
    EXPECT_FALSE(v.PBPlay->isEnabled());
}

TEST(TimeView, PlayRunsAtTheChosenSpeedUntilPausedOrHidden) {
    TimeView v;
    v.setBasis(doubleWell(), RowSymmetricWell);
    v.setSelection({1, 0, 99}, {0.5, 1}); // 99 is no level; 0 gets the default amplitude
    ASSERT_TRUE(v.superposition());
    EXPECT_EQ(v.superposition()->size(), 2);

    v.PMSpeed->setCurrentIndex(v.PMSpeed->findText("1000 fs/s"));
    QElapsedTimer wall;
    wall.start();
    QTest::mouseClick(v.PBPlay, Qt::LeftButton);
    EXPECT_EQ(v.PBPlay->text(), "Pause");
    QTest::qWait(200);
    QTest::mouseClick(v.PBPlay, Qt::LeftButton);
    const double elapsed = double(wall.elapsed()) / 1000;
    EXPECT_EQ(v.PBPlay->text(), "Play");
    // Each frame adds its wall time at the chosen speed: at least one frame of 16 ms went by.
    EXPECT_GT(v.time(), 1000 * 0.010);
    EXPECT_LE(v.time(), 1000 * elapsed);
    const double paused = v.time();
    QTest::qWait(50);
    EXPECT_EQ(v.time(), paused);
    QTest::mouseClick(v.PBReset, Qt::LeftButton);
    EXPECT_EQ(v.time(), 0);

    v.show(); // nothing plays while the view is hidden
    v.play();
    v.hide();
    EXPECT_FALSE(v.playing());
}
