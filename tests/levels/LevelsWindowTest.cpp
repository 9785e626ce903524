// The Levels window on the real main window: choosing a level by its line or its table row puts
// it into the main window, and the window follows the main window's changes while it is shown.
#include "levels/LevelsWindow.h"
#include "graph/Graph.h"
#include "levels/LevelsReport.h"
#include "levels/TimeView.h"
#include "solver/Window1.h"
#include "tests/common/PrintQt.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
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

    Window1 main;
    LevelsWindow* levels = new LevelsWindow(main, &main); // owned by the main window
};

} // namespace

TEST_F(LevelsTest, AClickOnALevelsLinePutsItIntoTheMainWindow) {
    // The 1 nm well's levels as Find publishes them, nodes, and the textbook's exact level.
    ASSERT_EQ(levels->Table->rowCount(), 6);
    EXPECT_EQ(QStringList({cell(0, 1), cell(1, 1), cell(2, 2), cell(0, 6), cell(0, 7)}),
              QStringList({".30273417311", "1.20644009518", "2", ".29760767409", "1.723"}));

    const QImage before = levels->GraphState->GXP->Image().copy();
    QTest::mouseClick(levels->GraphLevels, Qt::LeftButton, {}, QPoint(200, lineY(2) + 2));
    EXPECT_EQ(levels->Chosen(), 2);
    EXPECT_EQ(levels->Table->currentRow(), 2);
    EXPECT_NE(levels->GraphState->GXP->Image(), before);
    // Typed and drawn: the main window's wave function is the level's, with its two nodes.
    EXPECT_EQ(main.EFEnergy->text(), cell(2, 1));
    EXPECT_EQ(main.solver.NCrossings, 2);
    // A press far from every line chooses nothing.
    QTest::mouseClick(levels->GraphLevels, Qt::LeftButton, {},
                      QPoint(200, (lineY(4) + lineY(5)) / 2));
    EXPECT_EQ(levels->Chosen(), 2);
}

TEST_F(LevelsTest, ATableRowChoosesTheLevelAndItsParity) {
    main.PopupMenu1->setCurrentIndex(RowSymmetricWell);
    ASSERT_GE(levels->Table->rowCount(), 4);
    EXPECT_EQ(cell(0, 3) + ' ' + cell(1, 3), "even odd");
    levels->Table->setCurrentCell(1, 0); // as a click on the row does
    EXPECT_EQ(main.PMSymmetric->currentText(), "Anti-Symmetric");
    EXPECT_EQ(main.EFEnergy->text(), cell(1, 1));
    EXPECT_EQ(levels->Chosen(), 1);
    // Find in the main window moves the choice along with it: the next odd level is level 3.
    main.PBFind_Action();
    EXPECT_EQ(main.EFEnergy->text(), cell(3, 1));
    EXPECT_EQ(levels->Chosen(), 3);
}

TEST_F(LevelsTest, FollowsTheMainWindowOnlyWhileShownAndIsReusedUntilClosed) {
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
    EXPECT_FALSE(levels->Table->isVisible());
    EXPECT_TRUE(levels->STNone->isVisible());
    EXPECT_EQ(levels->STNone->text(), "No bound state below 10 eV");
    EXPECT_EQ(levels->Chosen(), -1);

    levels->close(); // destroyed later, in the event loop; View > Levels then makes a new one
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(main.findChildren<LevelsWindow*>().size(), 0);
    EXPECT_TRUE(LevelsWindow::Show(main)->isVisible());
    EXPECT_EQ(main.findChildren<LevelsWindow*>().size(), 1);
}

TEST_F(LevelsTest, TickedLevelsMoveInTimeUntilThePotentialChanges) {
    main.PopupMenu1->setCurrentIndex(RowUneven);
    levels->Tick(0, true);
    EXPECT_FALSE(levels->Time->isVisible()); // one level does not move
    levels->Tick(1, true, 0.5);
    EXPECT_TRUE(levels->Time->isVisible());
    EXPECT_FALSE(levels->GraphState->isVisible());
    ASSERT_TRUE(levels->Time->superposition().has_value());
    EXPECT_EQ(levels->Time->superposition()->size(), 2);
    // An amplitude outside 0 ... 1 goes back to what it was.
    QTableWidgetItem* amplitude = levels->Table->item(1, levels->Table->columnCount() - 1);
    amplitude->setData(Qt::EditRole, 3.0);
    EXPECT_EQ(amplitude->data(Qt::EditRole).toDouble(), 0.5);
    EXPECT_EQ(levels->Amplitudes(), (std::vector<double>{1.0, 0.5}));

    levels->Time->play();
    levels->Time->advance(5);
    main.Slider2->setValue(14); // a new potential: the basis is new, the animation stops
    EXPECT_FALSE(levels->Time->playing());
    EXPECT_EQ(levels->Time->time(), 0.0);
    EXPECT_EQ(levels->Ticked(), (std::vector<int>{0, 1}));
    // A well too narrow for a second level unticks it, and the single state returns.
    main.Slider1->setValue(20);
    ASSERT_EQ(levels->Model().spectrum.states.size(), 1u);
    EXPECT_EQ(levels->Ticked(), (std::vector<int>{0}));
    EXPECT_TRUE(levels->GraphState->isVisible());
}

TEST_F(LevelsTest, TheStatePlotShadesTheForbiddenRegionsAndGrowsWithTheWindow) {
    Graph& g = *levels->GraphState;
    // The well's walls are at +-0.5 nm: 0.3 nm lies inside, 1.2 nm beyond the wall.
    EXPECT_EQ(g.GXP->Image().pixelColor(g.XCoord(0.3) + 1, g.GTop + 3), QColor(Qt::white));
    EXPECT_EQ(g.GXP->Image().pixelColor(g.XCoord(1.2) + 1, g.GTop + 3), QColor(225, 225, 225));
    levels->CBDensity->setChecked(true); // |psi|^2 is never negative: the axis starts at 0
    EXPECT_EQ(g.YMin, 0.0);

    const int width = g.GXP->Width();
    levels->resize(levels->width() + 200, levels->height() + 100);
    QCoreApplication::processEvents();
    EXPECT_GT(g.GXP->Width(), width);
    EXPECT_GT(levels->GraphLevels->GXP->Width(), width);
}

TEST_F(LevelsTest, CsvAndTextCarryTheLevelsAndTheExactOnesWhereTheSlidersDescribeThem) {
    QStringList rows = csv(false);
    ASSERT_EQ(rows.size(), 7);
    EXPECT_EQ(rows[0], "n,energy_eV,nodes,parity,mean_x_nm,spread_x_nm,p_forbidden");
    EXPECT_TRUE(rows[1].startsWith("0,0.30273417311,0,,0.000000,")) << rows[1].toStdString();
    const QStringList fields = rows[6].split(',');
    ASSERT_EQ(fields.size(), 7);
    EXPECT_EQ(fields[1], "9.86069108188");
    EXPECT_TRUE(fields[6].toDouble() > 0 && fields[6].toDouble() < 1); // a fraction, not per cent
    const QStringList text = LevelsText(ComputeLevels(main), false).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(text.size(), 7);
    EXPECT_TRUE(text[6].contains("9.86069108188"));

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
    ASSERT_GE(rows.size(), 2);
    EXPECT_TRUE(rows[1].endsWith(",,")) << rows[1].toStdString();
}
