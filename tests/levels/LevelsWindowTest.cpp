// The Levels window on the real main window: choosing a level by its line or its table row puts
// it into the main window, and the window follows the main window's changes while it is shown.
#include "levels/LevelsWindow.h"
#include "graph/Graph.h"
#include "levels/LevelsReport.h"
#include "solver/Window1.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTableWidget>
#include <QTest>

#include <memory>

namespace {

class LevelsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        main = std::make_unique<Window1>();
        main->beep = [] {};
        main->show();
        levels = new LevelsWindow(*main, main.get());
        levels->show();
    }
    // The pixel row of level k's line on the levels plot, in widget coordinates.
    int lineY(int k) const {
        return levels->GraphLevels->YCoord(levels->Model().spectrum.states[std::size_t(k)].energy);
    }
    QString cell(int row, int column) const { return levels->Table->item(row, column)->text(); }

    std::unique_ptr<Window1> main;
    LevelsWindow* levels = nullptr; // owned by the main window
};

} // namespace

TEST_F(LevelsTest, AClickOnALevelsLinePutsItIntoTheMainWindow) {
    // The 1 nm well's levels as Find publishes them, in the table and on the plot.
    ASSERT_EQ(levels->Table->rowCount(), 6);
    EXPECT_EQ(cell(0, 1), ".30273417311");
    EXPECT_EQ(cell(1, 1), "1.20644009518");
    EXPECT_EQ(cell(2, 2), "2");                 // nodes
    EXPECT_EQ(levels->Table->columnCount(), 6); // no parity column outside the symmetric well

    const QImage before = levels->GraphState->GXP->Image().copy();
    QTest::mouseClick(levels->GraphLevels, Qt::LeftButton, {}, QPoint(200, lineY(2) + 2));
    EXPECT_EQ(levels->Chosen(), 2);
    EXPECT_EQ(main->EFEnergy->text(), cell(2, 1));
    EXPECT_NEAR(main->solver.Energy, levels->Model().spectrum.states[2].energy, 1e-10);
    EXPECT_EQ(levels->Table->currentRow(), 2);
    EXPECT_NE(levels->GraphState->GXP->Image(), before);
    // Draw was pressed: the main window's wave function is the level's, with its two nodes.
    EXPECT_EQ(main->solver.NCrossings, 2);

    // A press far from every line chooses nothing.
    QTest::mouseClick(levels->GraphLevels, Qt::LeftButton, {},
                      QPoint(200, (lineY(4) + lineY(5)) / 2));
    EXPECT_EQ(levels->Chosen(), 2);
}

TEST_F(LevelsTest, ATableRowChoosesTheLevelAndItsParity) {
    main->PopupMenu1->setCurrentIndex(RowSymmetricWell);
    ASSERT_GE(levels->Table->rowCount(), 2);
    EXPECT_EQ(levels->Table->horizontalHeaderItem(3)->text(), "Parity");
    EXPECT_EQ(cell(0, 3), "even");
    EXPECT_EQ(cell(1, 3), "odd");

    levels->Table->setCurrentCell(1, 0); // as a click on the row does
    EXPECT_EQ(main->PMSymmetric->currentText(), "Anti-Symmetric");
    EXPECT_FALSE(main->solver.symmetric);
    EXPECT_EQ(main->EFEnergy->text(), cell(1, 1));
    EXPECT_EQ(levels->Chosen(), 1);

    // Find in the main window moves the choice along with it: the next odd level is level 3.
    main->PBFind_Action();
    EXPECT_EQ(main->EFEnergy->text(), cell(3, 1));
    EXPECT_EQ(levels->Chosen(), 3);
}

TEST_F(LevelsTest, FollowsTheMainWindowOnlyWhileShown) {
    main->Slider1->setValue(200); // a 2 nm well holds more levels
    EXPECT_TRUE(levels->Model().IsFor(*main));
    const int wide = levels->Table->rowCount();
    EXPECT_GT(wide, 6);

    levels->hide();
    main->Slider1->setValue(50);
    EXPECT_FALSE(levels->Model().IsFor(*main)); // nothing computed while hidden
    levels->show();
    EXPECT_TRUE(levels->Model().IsFor(*main));
    EXPECT_LT(levels->Table->rowCount(), wide);

    // The drawn potential starts flat at 10 eV: no bound state, said in words.
    main->PopupMenu1->setCurrentIndex(RowDraw);
    EXPECT_FALSE(levels->Table->isVisible());
    EXPECT_TRUE(levels->STNone->isVisible());
    EXPECT_EQ(levels->STNone->text(), "No bound state below 10 eV");
    EXPECT_EQ(levels->Chosen(), -1);
}

TEST_F(LevelsTest, TheStatePlotShadesTheForbiddenRegionsAndGrowsWithTheWindow) {
    Graph& g = *levels->GraphState;
    const QImage image = g.GXP->Image();
    const int top = g.GTop + 3;
    // The well's walls are at +-0.5 nm: 0.3 nm lies inside, 1.2 nm beyond the wall.
    const QColor inside = image.pixelColor(g.XCoord(0.3) + 1, top);
    const QColor wall = image.pixelColor(g.XCoord(1.2) + 1, top);
    EXPECT_EQ(inside, QColor(Qt::white));
    EXPECT_EQ(wall, QColor(225, 225, 225));

    levels->CBDensity->setChecked(true); // |psi|^2 is never negative: the axis starts at 0
    EXPECT_EQ(g.YMin, 0.0);

    const int width = g.GXP->Width();
    levels->resize(levels->width() + 200, levels->height() + 100);
    QCoreApplication::processEvents();
    EXPECT_GT(g.GXP->Width(), width);
    EXPECT_GT(levels->GraphLevels->GXP->Width(), width);
}

TEST(LevelsReport, CsvAndTextCarryTheSameLevels) {
    Window1 main;
    main.beep = [] {};
    const LevelsModel m = ComputeLevels(main);
    const QStringList csv = LevelsCsv(m).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(csv.size(), 7);
    EXPECT_EQ(csv[0], "n,energy_eV,nodes,parity,mean_x_nm,spread_x_nm,p_forbidden");
    EXPECT_TRUE(csv[1].startsWith("0,0.30273417311,0,,0.000000,")) << csv[1].toStdString();
    const QStringList fields = csv[6].split(',');
    ASSERT_EQ(fields.size(), 7);
    EXPECT_EQ(fields[1], "9.86069108188");
    EXPECT_GT(fields[6].toDouble(), 0.0);
    EXPECT_LT(fields[6].toDouble(), 1.0); // a fraction, not per cent
    const QStringList text = LevelsText(m).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(text.size(), 7);
    EXPECT_TRUE(text[6].contains("9.86069108188"));
}
