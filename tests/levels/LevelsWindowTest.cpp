// The Levels window on the real main window: choosing a level puts it into the main window, the
// window follows the main window while shown, and its time view shows a superposition move.
#include "levels/LevelsWindow.h"
#include "graph/Graph.h"
#include "levels/LevelsReport.h"
#include "levels/TimeView.h"
#include "solver/Window1.h"
#include "tests/common/PrintQt.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>
#include <QTest>

namespace {

class LevelsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        main.beep = [] {};
        main.show();
        levels->show();
    }
    // The pixel row of level k's line on the levels plot, in widget coordinates.
    int lineY(int k) const {
        return levels->GraphLevels->YCoord(levels->Model().spectrum.states[std::size_t(k)].energy);
    }
    QString cell(int row, int column) const { return levels->Table->item(row, column)->text(); }
    QStringList csv(bool compare) const {
        return LevelsCsv(ComputeLevels(main), compare).split('\n', Qt::SkipEmptyParts);
    }
    // The double well's even-odd pair, ticked: its time view.
    TimeView& pair() {
        main.PopupMenu1->setCurrentIndex(RowSymmetricWell);
        main.Slider1->setValue(150);
        main.Slider2->setValue(60);
        for (int k : {0, 1}) levels->Tick(k, true);
        return *levels->Time;
    }
    Window1 main;
    LevelsWindow* levels = new LevelsWindow(main, &main); // owned by the main window
};

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

} // namespace

TEST_F(LevelsTest, TheStatePlotShadesTheForbiddenAndAClickOnALineChoosesTheLevel) {
    Graph& g = *levels->GraphState;
    // The well's walls are at +-0.5 nm: 0.3 nm lies inside, 1.2 nm beyond the wall.
    EXPECT_EQ(g.GXP->Image().pixelColor(g.XCoord(0.3) + 1, g.GTop + 3), QColor(Qt::white));
    EXPECT_EQ(g.GXP->Image().pixelColor(g.XCoord(1.2) + 1, g.GTop + 3), QColor(225, 225, 225));
    // The 1 nm well's levels as Find publishes them, nodes, and the textbook's exact level.
    ASSERT_EQ(levels->Table->rowCount(), 6);
    EXPECT_EQ(QStringList({cell(0, 1), cell(1, 1), cell(2, 2), cell(0, 6), cell(0, 7)}),
              QStringList({".30273417311", "1.20644009518", "2", ".29760767409", "1.723"}));
    const QImage before = g.GXP->Image().copy();
    QTest::mouseClick(levels->GraphLevels, Qt::LeftButton, {}, QPoint(200, lineY(2) + 2));
    EXPECT_EQ(std::pair(levels->Chosen(), levels->Table->currentRow()), std::pair(2, 2));
    EXPECT_NE(g.GXP->Image(), before);
    // Typed and drawn: the main window's wave function is the level's, with its two nodes.
    EXPECT_EQ(std::pair(main.EFEnergy->text(), main.solver.NCrossings), std::pair(cell(2, 1), 2));
    // A press far from every line chooses nothing.
    QTest::mouseClick(levels->GraphLevels, Qt::LeftButton, {},
                      QPoint(200, (lineY(4) + lineY(5)) / 2));
    EXPECT_EQ(levels->Chosen(), 2);
    levels->CBDensity->setChecked(true); // |psi|^2 is never negative: the axis starts at 0
    EXPECT_EQ(g.YMin, 0.0);
    const int width = g.GXP->Width(); // both plots grow with the window
    levels->resize(levels->width() + 200, levels->height() + 100);
    QCoreApplication::processEvents();
    EXPECT_TRUE(g.GXP->Width() > width && levels->GraphLevels->GXP->Width() > width);
}

TEST_F(LevelsTest, ATableRowChoosesTheLevelAndTheWindowFollowsOnlyWhileShown) {
    main.PopupMenu1->setCurrentIndex(RowSymmetricWell);
    ASSERT_GE(levels->Table->rowCount(), 4);
    EXPECT_EQ(cell(0, 3) + ' ' + cell(1, 3), "even odd");
    levels->Table->setCurrentCell(1, 0); // as a click on the row does
    EXPECT_EQ(std::tuple(main.PMSymmetric->currentText(), main.EFEnergy->text(), levels->Chosen()),
              std::tuple(QString("Anti-Symmetric"), cell(1, 1), 1));
    // Find in the main window moves the choice along with it: the next odd level is level 3.
    main.PBFind_Action();
    EXPECT_EQ(std::pair(main.EFEnergy->text(), levels->Chosen()), std::pair(cell(3, 1), 3));
    main.PopupMenu1->setCurrentIndex(RowWell);
    main.Slider1->setValue(200); // a 2 nm well holds more levels
    const int wide = levels->Table->rowCount();
    EXPECT_GT(wide, 6);
    levels->hide();
    main.Slider1->setValue(50);
    EXPECT_FALSE(levels->Model().IsFor(main)); // nothing computed while hidden
    EXPECT_EQ(LevelsWindow::Show(main), levels);
    EXPECT_LT(levels->Table->rowCount(), wide);
    // The drawn potential starts flat at 10 eV: no bound state, said in words.
    main.PopupMenu1->setCurrentIndex(RowDraw);
    EXPECT_TRUE(!levels->Table->isVisible() && levels->STNone->isVisible());
    EXPECT_EQ(std::pair(levels->STNone->text(), levels->Chosen()),
              std::pair(QString("No bound state below 10 eV"), -1));
    levels->close(); // destroyed later, in the event loop; View > Levels then makes a new one
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(main.findChildren<LevelsWindow*>().isEmpty());
    EXPECT_TRUE(LevelsWindow::Show(main)->isVisible());
    EXPECT_EQ(main.findChildren<LevelsWindow*>().size(), 1);
}

TEST_F(LevelsTest, TickedLevelsMoveInTimeUntilThePotentialChanges) {
    main.PopupMenu1->setCurrentIndex(RowUneven);
    levels->Tick(0, true);
    EXPECT_FALSE(levels->Time->isVisible()); // one level does not move
    levels->Tick(1, true, 0.5);
    EXPECT_TRUE(levels->Time->isVisible() && !levels->GraphState->isVisible());
    ASSERT_TRUE(levels->Time->superposition() && levels->Time->superposition()->size() == 2);
    // An amplitude outside 0 ... 1 goes back to what it was.
    QTableWidgetItem* amplitude = levels->Table->item(1, levels->Table->columnCount() - 1);
    amplitude->setData(Qt::EditRole, 3.0);
    EXPECT_EQ(std::pair(amplitude->data(Qt::EditRole).toDouble(), levels->Amplitudes()),
              std::pair(0.5, std::vector<double>{1.0, 0.5}));
    levels->Time->play();
    levels->Time->advance(5);
    main.Slider2->setValue(14); // a new potential: the basis is new, the animation stops
    EXPECT_FALSE(levels->Time->playing());
    EXPECT_EQ(levels->Time->time(), 0.0);
    EXPECT_EQ(levels->Ticked(), (std::vector<int>{0, 1}));
    // A well too narrow for a second level unticks it, and the single state returns.
    main.Slider1->setValue(20);
    EXPECT_EQ(levels->Ticked(), (std::vector<int>{0}));
    EXPECT_TRUE(levels->GraphState->isVisible());
}

TEST_F(LevelsTest, CsvAndTextCarryTheLevelsAndTheExactOnesWhereTheSlidersDescribeThem) {
    QStringList rows = csv(false);
    ASSERT_EQ(rows.size(), 7);
    EXPECT_EQ(rows[0], "n,energy_eV,nodes,parity,mean_x_nm,spread_x_nm,p_forbidden");
    EXPECT_TRUE(rows[1].startsWith("0,0.30273417311,0,,0.000000,")) << rows[1].toStdString();
    EXPECT_EQ(rows[6].section(',', 1, 1), "9.86069108188");
    const double forbidden = rows[6].section(',', 6).toDouble();
    EXPECT_TRUE(forbidden > 0 && forbidden < 1) << forbidden; // a fraction, not per cent
    const QStringList text = LevelsText(ComputeLevels(main), false).split('\n', Qt::SkipEmptyParts);
    EXPECT_TRUE(text.size() == 7 && text[6].contains("9.86069108188"))
        << text.join('\n').toStdString();
    main.PopupMenu1->setCurrentIndex(RowHydrogen);
    rows = csv(true);
    EXPECT_TRUE(rows[0].endsWith(",p_forbidden,exact_eV,difference_percent"));
    EXPECT_TRUE(rows[1].startsWith("1,-13.48670545988,")) << rows[1].toStdString();
    EXPECT_TRUE(rows[1].contains(",-13.60605451038,0.877")) << rows[1].toStdString();
    // The text says what the Coulomb levels stand for: the potential is cut at the plot's edge.
    EXPECT_TRUE(LevelsText(ComputeLevels(main), true).contains("uncut Coulomb potential"));
    // A well reshaped with the mouse is no longer the one the sliders describe.
    main.PopupMenu1->setCurrentIndex(RowWell);
    main.solver.ClickAt(175, 5, true, false);
    rows = csv(true);
    EXPECT_TRUE(rows.value(1).endsWith(",,")) << rows.value(1).toStdString();
}

TEST_F(LevelsTest, TheTimeViewsMarkerTunnelsInHalfABeatAndPlaysAtTheChosenSpeed) {
    TimeView& v = pair();
    const auto& s = levels->Model().spectrum;
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
    // Play adds the wall time at the chosen speed, at least one 16 ms frame; Pause holds it.
    v.PMSpeed->setCurrentIndex(v.PMSpeed->findText("1000 fs/s"));
    QElapsedTimer wall;
    wall.start();
    QTest::mouseClick(v.PBPlay, Qt::LeftButton);
    EXPECT_EQ(v.PBPlay->text(), "Pause");
    QTest::qWait(200);
    QTest::mouseClick(v.PBPlay, Qt::LeftButton);
    const double played = v.time() - beat / 2, elapsed = double(wall.elapsed()) / 1000;
    EXPECT_EQ(v.PBPlay->text(), "Play");
    EXPECT_TRUE(played > 1000 * 0.010 && played <= 1000 * elapsed) << played;
    const double paused = v.time();
    QTest::qWait(50);
    EXPECT_EQ(v.time(), paused);
    QTest::mouseClick(v.PBReset, Qt::LeftButton);
    EXPECT_EQ(v.time(), 0);
    EXPECT_EQ(g->GXP->Image(), start);
    // Re Psi appears behind its check box.
    const QRgb real = qRgb(0, 0, 220);
    EXPECT_TRUE(columnsWith(g, real).empty());
    v.CBReal->click();
    EXPECT_GT(columnsWith(g, real).size(), 40u);
    // Three levels have no single beat; levels with no amplitude leave nothing to show.
    v.setSelection({0, 1, 2}, {1, 1, 1});
    EXPECT_EQ(v.STBeat->text(), "");
    v.play(); // nothing plays while the view is hidden
    levels->hide();
    EXPECT_FALSE(v.playing());
    levels->show();
    v.setSelection({0, 1}, {0, 0});
    EXPECT_FALSE(v.superposition() || v.PBPlay->isEnabled());
    EXPECT_EQ(markerColumn(g), -1);
}
