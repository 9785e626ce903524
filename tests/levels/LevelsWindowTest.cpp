// The Levels window on the real main window: choosing, following while shown, the time view.
#include "windows/levels/LevelsWindow.h"
#include "graph/Graph.h"
#include "model/EnergyText.h"
#include "model/Model.h"
#include "solver/core/MomentumSpace.h"
#include "tests/common/PrintQt.h"
#include "windows/levels/LevelLabels.h"
#include "windows/levels/LevelsReport.h"
#include "windows/levels/TimeView.h"
#include "windows/main/Window1.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTableWidget>
#include <QTest>
#include <QUndoStack>
#include <QtConcurrent/QtConcurrentRun>

namespace {

class LevelsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        main.beep = [] {};
        main.show();
        levels->show();
    }
    int lineY(int k) const { // level k's line on the levels plot
        return levels->GraphLevels->YCoord(levels->Model().spectrum.states[std::size_t(k)].energy);
    }
    void press(int y) { QTest::mouseClick(levels->GraphLevels, Qt::LeftButton, {}, {200, y}); }
    QString cell(int row, int column) const { return levels->Table->item(row, column)->text(); }
    QStringList csv(bool compare) const {
        return LevelsCsv(ComputeLevels(main.model().Value()), compare)
            .split('\n', Qt::SkipEmptyParts);
    }
    Window1 main;
    LevelsWindow* levels = new LevelsWindow(main.model(), &main); // owned by the main window
};

// The middle of the green <x> marker's columns (its line and the square at its foot), or -1.
int markerColumn(const Graph* g) {
    const QImage image = g->GXP->Image();
    std::vector<int> c;
    for (int x = g->GLeft + 1; x < g->GLeft + g->GWidth; ++x)
        for (int y = g->GTop + 1; y < g->GTop + g->GHeight && (c.empty() || c.back() != x); ++y)
            if (image.pixel(x, y) == qRgb(0, 150, 0)) c.push_back(x);
    return c.empty() || c.size() > 5 ? -1 : (c.front() + c.back()) / 2;
}

} // namespace

TEST_F(LevelsTest, ALineOrARowChoosesTheLevelAndTheWindowFollowsOnlyWhileShown) {
    Graph& g = *levels->GraphState;
    // The well's walls are at +-0.5 nm: 0.3 nm lies inside, 1.2 nm in the shaded forbidden zone.
    EXPECT_EQ(g.GXP->Image().pixelColor(g.XCoord(0.3) + 1, g.GTop + 3), QColor(Qt::white));
    EXPECT_EQ(g.GXP->Image().pixelColor(g.XCoord(1.2) + 1, g.GTop + 3), QColor(225, 225, 225));
    ASSERT_EQ(levels->Table->rowCount(), 6);
    press(lineY(2) + 2);
    EXPECT_EQ(std::tuple(levels->Chosen(), levels->Table->currentRow(), main.EFEnergy->text(),
                         main.solver.NCrossings),
              std::tuple(2, 2, cell(2, 1), 2)); // typed and drawn, with its two nodes
    press((lineY(4) + lineY(5)) / 2);
    EXPECT_EQ(levels->Chosen(), 2); // a press far from every line chooses nothing
    main.PopupMenu1->setCurrentIndex(RowSymmetricWell);
    levels->Table->setCurrentCell(1, 0); // as a click on the row does: the odd level
    EXPECT_EQ(std::tuple(main.PMSymmetric->currentText(), main.EFEnergy->text(), levels->Chosen()),
              std::tuple(QString("Anti-Symmetric"), cell(1, 1), 1));
    main.PBFind_Action(); // Find moves the choice along: the next odd level is level 3
    EXPECT_EQ(std::pair(main.EFEnergy->text(), levels->Chosen()), std::pair(cell(3, 1), 3));
    main.Slider1->setValue(350); // wells 3 nm apart: each even level has an odd twin of its energy
    main.Slider2->setValue(50);
    ASSERT_NEAR(levels->Model().spectrum.states[0].energy,
                levels->Model().spectrum.states[1].energy, 1e-12);
    for (const int level : {1, 0, 1}) { // the parity tells the twins apart
        const bool even = levels->Model().spectrum.states[std::size_t(level)].parity > 0;
        levels->ChooseLevel(level);
        EXPECT_EQ(
            std::tuple(levels->Chosen(), main.PMSymmetric->currentIndex(), main.solver.symmetric),
            std::tuple(level, even ? 0 : 1, even));
    }
    main.model().UndoStack()->undo(); // one step: the parity and the energy together
    EXPECT_EQ(levels->Chosen(), 0);
    main.PopupMenu1->setCurrentIndex(RowWell);
    main.Slider1->setValue(200); // a 2 nm well holds more levels
    const int wide = levels->Table->rowCount();
    EXPECT_GT(wide, 6);
    levels->hide();
    main.Slider1->setValue(50);
    EXPECT_FALSE(levels->Model().IsFor(main.model().Value())); // nothing computed while hidden
    EXPECT_EQ(LevelsWindow::Show(main.model(), &main), levels);
    EXPECT_LT(levels->Table->rowCount(), wide);
    main.PopupMenu1->setCurrentIndex(RowDraw); // flat at 10 eV: no bound state, said in words
    EXPECT_TRUE(!levels->Table->isVisible() && levels->STNone->isVisible());
    EXPECT_EQ(std::pair(levels->STNone->text(), levels->Chosen()),
              std::pair(QString("No bound state below 10 eV"), -1));
}

TEST_F(LevelsTest, CsvAndTextCarryTheLevelsAndTheExactOnesWhereTheSlidersDescribeThem) {
    QStringList rows = csv(false);
    ASSERT_EQ(rows.size(), 7);
    EXPECT_EQ(rows[0], "n,energy_eV,nodes,parity,mean_x_nm,spread_x_nm,p_forbidden");
    EXPECT_TRUE(rows[1].startsWith("0,0.30273417311,0,,0.000000,"));
    EXPECT_EQ(rows[6].section(',', 1, 1), "9.86069108188");
    const double forbidden = rows[6].section(',', 6).toDouble();
    EXPECT_TRUE(forbidden > 0 && forbidden < 1) << forbidden; // a fraction, not per cent
    main.PopupMenu1->setCurrentIndex(RowHydrogen);
    rows = csv(true);
    EXPECT_TRUE(rows[0].endsWith(",p_forbidden,exact_eV,difference_percent"));
    EXPECT_TRUE(rows[1].startsWith("1,-13.48670545988,") &&
                rows[1].contains(",-13.60605451038,0.877"));
    EXPECT_TRUE(
        LevelsText(ComputeLevels(main.model().Value()), true).contains("uncut Coulomb potential"));
    main.PopupMenu1->setCurrentIndex(RowWell); // reshaped: not what the sliders describe
    Solver edited = main.solver;
    edited.ClickAt(175, 5, true, false);
    main.model().Reshape(edited.Points, "Create Handle");
    EXPECT_TRUE(csv(true).value(1).endsWith(",,"));
}

TEST_F(LevelsTest, TickedLevelsMoveInTimeTheMarkerTunnelsAndANewPotentialStopsThem) {
    main.PopupMenu1->setCurrentIndex(RowSymmetricWell); // the double well's even-odd pair
    main.Slider1->setValue(150);
    main.Slider2->setValue(60);
    levels->Tick(0, true);
    EXPECT_FALSE(levels->Time->isVisible()); // one level does not move
    levels->Tick(1, true);
    EXPECT_TRUE(levels->Time->isVisible() && !levels->GraphState->isVisible());
    TimeView& v = *levels->Time;
    // Grown with the window, the curves' boxes stay between the two plots.
    ASSERT_GT(v.GraphPsi->height(), 180);
    for (const QCheckBox* box : {v.CBDensity, v.CBReal, v.CBImag})
        EXPECT_TRUE(box->geometry().top() > v.GraphPsi->geometry().bottom() &&
                    box->geometry().bottom() < v.GraphTrace->geometry().top());
    const auto& s = levels->Model().spectrum;
    const double beat = 4.135667 / (s.states[1].energy - s.states[0].energy); // h in eV fs
    const QString text = v.STBeat->text();
    ASSERT_TRUE(text.startsWith("Beat period = ") && text.endsWith(" fs")) << text.toStdString();
    EXPECT_NEAR(text.mid(14).chopped(3).toDouble() / beat, 1, 1e-4);
    const Graph* g = v.GraphPsi;
    const int middle = g->GLeft + g->GWidth / 2;
    const QImage start = g->GXP->Image().copy();
    EXPECT_TRUE(markerColumn(g) > g->GLeft && markerColumn(g) < middle - 20);
    v.advance(beat / 2);
    EXPECT_EQ(v.STTime->text(), QString("t = %1 fs").arg(beat / 2, 0, 'f', 2));
    EXPECT_GT(markerColumn(g), middle + 20);
    v.PMSpeed->setCurrentIndex(v.PMSpeed->findText("1000 fs/s"));
    QTest::mouseClick(v.PBPlay, Qt::LeftButton);
    QTest::qWait(100);
    QTest::mouseClick(v.PBPlay, Qt::LeftButton);
    EXPECT_GT(v.time() - beat / 2, 1000 * 0.016); // Play moves on at least a frame at the speed
    QTest::mouseClick(v.PBReset, Qt::LeftButton);
    EXPECT_EQ(std::pair(v.time(), g->GXP->Image()), std::pair(0.0, start));
    v.play(); // a stalled event loop does not make the time jump: at most 0.1 s of it a frame
    QTest::qSleep(400);
    v.Timer_Action();
    v.pause();
    EXPECT_TRUE(v.time() > 0 && v.time() <= 1000 * 0.1) << v.time();
    QTest::mouseClick(v.PBReset, Qt::LeftButton);
    v.play();
    v.advance(5);
    main.Slider2->setValue(55); // a new potential: the basis is new, the animation stops
    EXPECT_EQ(std::tuple(v.playing(), v.time(), levels->Ticked()),
              std::tuple(false, 0.0, std::vector<int>{0, 1}));
    v.setSelection({0, 1, 2}, {1, 1, 1});
    EXPECT_EQ(v.STBeat->text(), ""); // three levels have no single beat
    v.play();                        // nothing plays while the view is hidden
    levels->hide();
    EXPECT_FALSE(v.playing());
    levels->show();
    v.setSelection({0, 1}, {0, 0}); // no amplitude: nothing to show
    EXPECT_FALSE(v.superposition() || v.PBPlay->isEnabled());
    EXPECT_EQ(markerColumn(g), -1);
    main.PopupMenu1->setCurrentIndex(RowWell);
    main.Slider1->setValue(20); // too narrow for a second level: it is unticked
    EXPECT_EQ(levels->Ticked(), (std::vector<int>{0}));
    EXPECT_TRUE(levels->GraphState->isVisible());
}

TEST_F(LevelsTest, ASliderDragIsFollowedStepByStepAndUndoneAsOne) {
    QUndoStack& stack = *main.model().UndoStack();
    const int before = stack.count();
    QSlider& s = *main.Slider1;
    s.setSliderDown(true); // the thumb held: each position is shown as the hand moves it
    for (const int width : {120, 160, 200}) {
        s.setSliderPosition(width);
        EXPECT_EQ(main.STTitle1->text(), QStringLiteral("Width = %1 nm").arg(width / 100.0));
        // The Levels table keeps up: a wider well holds more levels.
        const LevelsModel fresh = ComputeLevels(main.model().Value());
        EXPECT_EQ(levels->Table->rowCount(), int(fresh.spectrum.states.size()));
        EXPECT_EQ(cell(0, 1), EnergyText(PublishedEnergy(fresh.spectrum.states[0].energy)));
    }
    s.setSliderDown(false);
    EXPECT_EQ(stack.count(), before + 1);
    const QImage dragged = main.Graph2->GXP->Image().copy();
    stack.undo();
    s.setValue(200); // the same value in one step gives the same picture
    EXPECT_EQ(main.Graph2->GXP->Image(), dragged);
    QTest::keyClick(&s, Qt::Key_PageDown); // a tenth of the range
    EXPECT_EQ(s.value(), 165);
}

TEST_F(LevelsTest, TheTableAndTheStatePlotBackFromTheTimeViewShowTheNewestLevels) {
    levels->Tick(0, true);
    levels->Tick(1, true, 0.5); // the time view takes the state plot's place
    QTableWidget& table = *levels->Table;
    const int amplitude = table.columnCount() - 1;
    for (const int width : {200, 300, 120}) { // more rows, then fewer
        main.Slider1->setValue(width);
        const LevelsModel fresh = ComputeLevels(main.model().Value());
        ASSERT_EQ(table.rowCount(), int(fresh.spectrum.states.size()));
        for (int r = 0; r < table.rowCount(); ++r) {
            QStringList shown;
            for (int c = 0; c < amplitude; ++c) shown << cell(r, c);
            EXPECT_EQ(shown, LevelCells(fresh, r, true, true)) << width << " " << r;
            EXPECT_EQ(table.item(r, 0)->checkState(), r < 2 ? Qt::Checked : Qt::Unchecked) << r;
            EXPECT_EQ(table.item(r, amplitude)->data(Qt::EditRole), r == 1 ? 0.5 : 1.0) << r;
        }
    }
    levels->Tick(1, false); // the state plot is back, as drawing it anew shows it
    ASSERT_TRUE(levels->GraphState->isVisible());
    const QImage back = levels->GraphState->GXP->Image().copy();
    levels->CBDensity->toggle();
    levels->CBDensity->toggle();
    EXPECT_EQ(levels->GraphState->GXP->Image(), back);
}

TEST_F(LevelsTest, TheBoxShowsTheChosenStateInMomentumSpaceAndTheTableItsSpread) {
    const int columns = levels->Table->columnCount(); // ..., delta k, delta x delta k, amplitude
    EXPECT_EQ(levels->Table->horizontalHeaderItem(columns - 3)->text(), QString("Δk (nm⁻¹)"));
    EXPECT_GE(levels->Table->item(0, columns - 2)->text().toDouble(), 0.5); // the uncertainty bound
    Graph& g = *levels->GraphState;
    levels->CBMomentum->setChecked(true);
    EXPECT_TRUE(g.XMin == -g.XMax && g.XLabel.contains("k") && !levels->CBDensity->isEnabled());
    // The curve's highest point in a column (the frame's bottom when it has none there): even
    // states peak at k = 0, odd ones vanish there.
    auto top = [&g](int x) {
        const QImage image = g.GXP->Image();
        int y = g.GTop + 1;
        while (y < g.GTop + g.GHeight && image.pixel(x, y) != qRgb(0, 0, 0)) ++y;
        return y;
    };
    auto highest = [&] {
        int y = g.GTop + g.GHeight;
        for (int x = g.GLeft + 1; x < g.GLeft + g.GWidth; ++x) y = std::min(y, top(x));
        return y;
    };
    levels->ChooseLevel(0);
    EXPECT_EQ(top(g.XCoord(0)), highest());
    EXPECT_LT(highest(), g.GTop + g.GHeight / 2);
    levels->ChooseLevel(1);
    EXPECT_GE(top(g.XCoord(0)), g.GTop + g.GHeight - 1);
    levels->CBMomentum->setChecked(false);
    EXPECT_TRUE(g.XMin < -1 && levels->CBDensity->isEnabled()); // psi in x again
}

TEST_F(LevelsTest, OpensShowingTheWholeTableLinesUpItsAxesAndNeverOverprintsALabel) {
    QHeaderView& header = *levels->Table->horizontalHeader();                    // as it opens
    EXPECT_LE(header.length(), levels->Table->viewport()->width());              // every column
    EXPECT_GE(levels->Table->rowAt(levels->Table->viewport()->height() - 1), 5); // six rows
    EXPECT_LE(levels->height(), levels->screen()->availableGeometry().height());
    main.PopupMenu1->setCurrentIndex(RowHydrogen);
    EXPECT_EQ(std::pair(levels->GraphLevels->GLeft, levels->GraphLevels->GWidth),
              std::pair(levels->GraphState->GLeft, levels->GraphState->GWidth));
    EXPECT_EQ(
        QAccessible::queryAccessibleInterface(levels->GraphState)->text(QAccessible::Description),
        "Level 1 of 7, -13.49 eV, nodes: 0");
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(levels->GraphLevels)
                    ->text(QAccessible::Description)
                    .startsWith("Bound states: 7, from -13.48671 to "));
    // Hydrogen's upper levels crowd under 0 eV: they share labels, one label-height apart.
    Graph& g = *levels->GraphLevels;
    const std::vector<LevelLabel> labels =
        LevelLabels(levels->Model().spectrum.states, levels->Chosen(), g.YMin, g.YMax, 12,
                    std::function<int(double)>([&g](double e) { return g.YCoord(e); }));
    ASSERT_LT(labels.size(), levels->Model().spectrum.states.size());
    EXPECT_EQ(labels.front().text, "1");
    EXPECT_TRUE(labels.front().chosen);
    for (std::size_t i = 1; i < labels.size(); ++i) EXPECT_GE(labels[i - 1].y - labels[i].y, 12);
    EXPECT_TRUE(labels[1].text == "2" && labels[2].text.contains(QString::fromUtf8("–")));
    // Tab leaves the table, and the level chosen stays as it was.
    ASSERT_TRUE(QTest::qWaitForWindowActive(levels));
    levels->Table->setFocus();
    QTest::keyClick(levels->Table, Qt::Key_Down);
    EXPECT_EQ(levels->Chosen(), 1);
    QTest::keyClick(levels->Table, Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), levels->Table);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(levels->Chosen(), 1);
    // Each column fits its widest cell, as measuring every cell sizes it; the Oscillator's
    // widest energies lie far down its 100 rows.
    // Then the Symmetric Well's, whose parity column moves the titles along.
    main.PopupMenu1->setCurrentIndex(RowOscillator);
    levels->Tick(40, true, 1.234567e-5); // an amplitude wider than its title, far down
    main.Slider1->setValue(main.Slider1->value() + 1);
    ASSERT_EQ(levels->Table->rowCount(), 100);
    for (const int row : {RowOscillator, RowSymmetricWell}) {
        main.PopupMenu1->setCurrentIndex(row);
        std::vector<int> widths;
        for (int c = 0; c < header.count(); ++c) widths.push_back(header.sectionSize(c));
        levels->Table->resizeColumnsToContents();
        for (int c = 0; c < header.count(); ++c)
            EXPECT_EQ(widths[std::size_t(c)], header.sectionSize(c)) << row << " " << c;
    }
}

TEST_F(LevelsTest, ADrawnPotentialIsSolvedAsideAndTheNewestChangeWins) {
    main.PopupMenu1->setCurrentIndex(RowDraw);
    auto twoDips = [&](double bottom) { // two equal square dips far apart: a near pair
        Handles h;
        h.fill(NoHandle);
        for (const auto& [k, v] : {std::pair{0, 10.0},
                                   {60, 10.0},
                                   {61, bottom},
                                   {80, bottom},
                                   {81, 10.0},
                                   {269, 10.0},
                                   {270, bottom},
                                   {289, bottom},
                                   {290, 10.0},
                                   {350, 10.0}})
            h[std::size_t(k)] = v;
        return h;
    };
    main.model().Reshape(twoDips(2), "Create Handle");
    EXPECT_TRUE(levels->Busy()); // the window is not held up: the old table stays meanwhile
    main.model().Reshape(twoDips(1), "Move Handle");
    QTRY_VERIFY_WITH_TIMEOUT(!levels->Busy() && levels->Model().IsFor(main.model().Value()), 5000);
    const LevelsModel fresh = ComputeLevels(main.model().Value());
    ASSERT_GE(fresh.spectrum.states.size(), 2u);
    EXPECT_EQ(levels->Table->rowCount(), int(fresh.spectrum.states.size()));
    EXPECT_EQ(cell(1, 1), EnergyText(PublishedEnergy(fresh.spectrum.states[1].energy)));
}

// Each state's <k> and Delta k are its own, in both halves the table's transforms are split in,
// and on a thread that computes a spectrum aside.
TEST(LevelsModel, EveryStateHasTheMomentaOfItsOwnTransform) {
    const ::Setup oscillator = WithRow(::Setup{}, RowOscillator);
    const LevelsModel here = ComputeLevels(oscillator);
    ASSERT_EQ(here.momenta.size(), 100u);
    MomentumSpace full;
    for (std::size_t j = 0; j < here.momenta.size(); ++j) {
        full.Transform(here.spectrum.states[j].psi);
        EXPECT_NEAR(here.momenta[j].meanK, full.MeanK(), 1e-12) << j;
        EXPECT_NEAR(here.momenta[j].spreadK, full.SpreadK(), 1e-12 * full.SpreadK()) << j;
    }
    const LevelsModel aside = QtConcurrent::run(ComputeLevels, oscillator).result();
    for (std::size_t j = 0; j < here.momenta.size(); ++j)
        EXPECT_EQ(aside.momenta[j].spreadK, here.momenta[j].spreadK) << j;
}
