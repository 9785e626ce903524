// The Transmission window on the real main window: it follows the model while shown, a click on
// the curve or a row of the table chooses the energy, and T is never made up where undefined.
#include "windows/transmission/TransmissionWindow.h"
#include "graph/Graph.h"
#include "model/Model.h"
#include "tests/common/PrintQt.h"
#include "windows/levels/LevelsWindow.h"
#include "windows/main/Window1.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QSlider>
#include <QTableWidget>
#include <QTest>

namespace {

class TransmissionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        main.beep = [this] { ++beeps; };
        main.show();
        window->show();
    }
    // Until the curve computed off the UI thread is the model's.
    bool settled() const {
        return QTest::qWaitFor([this] { return window->UpToDate(); }, 20000);
    }
    Window1 main;
    TransmissionWindow* window = new TransmissionWindow(main.model(), &main); // owned by main
    int beeps = 0;
};

} // namespace

TEST_F(TransmissionTest, FollowsASliderWhileShownAndAClickOrARowChoosesTheEnergy) {
    main.PopupMenu1->setCurrentIndex(RowDoubleBarrier);
    ASSERT_TRUE(settled());
    const TransmissionCurve& c = window->Curve();
    ASSERT_GE(window->Table->rowCount(), 3);
    EXPECT_EQ(window->Table->rowCount(), int(c.resonances.size()));
    // A symmetric double barrier passes everything at its quasi-bound states.
    window->Table->setCurrentCell(1, 0);
    EXPECT_EQ(window->Energy(), c.resonances[1].energy);
    ASSERT_TRUE(window->State());
    EXPECT_NEAR(window->State()->result.transmission, 1, 1e-6);
    EXPECT_EQ(window->Table->item(1, 0)->text(), QString::number(c.resonances[1].energy, 'g', 8));

    Graph& g = *window->GraphCurve;
    const int x = g.XCoord(5.0);
    QTest::mouseClick(&g, Qt::LeftButton, {}, {x, g.GTop + g.GHeight / 2});
    EXPECT_EQ(window->Energy(), g.XToVal(x));
    EXPECT_NEAR(window->Energy(), 5, (g.XMax - g.XMin) / g.GWidth);
    EXPECT_EQ(window->Table->currentRow(), -1);
    const double t5 = window->State()->result.transmission;

    const double first = c.resonances[0].energy;
    main.Slider3->setValue(5); // lower barriers: the quasi-bound states sink and broaden
    ASSERT_TRUE(settled());
    EXPECT_EQ(window->Curve().potential, main.model().Potential().PEGraph);
    EXPECT_LT(window->Curve().resonances[0].energy, first);
    EXPECT_EQ(window->Energy(), g.XToVal(x)); // the energy is the window's own
    EXPECT_NE(window->State()->result.transmission, t5);
    EXPECT_EQ(
        window->State()->result.transmission,
        GridTransmission(main.model().Potential().PEGraph, 1, window->Energy())->transmission);

    // A handle made with the mouse: the continuum no longer describes the potential.
    QTest::mouseClick(main.Graph1, Qt::LeftButton, {},
                      {main.Graph1->XCoord(0.0), main.Graph1->YCoord(8)});
    ASSERT_TRUE(main.model().Value().reshape);
    ASSERT_TRUE(settled());
    EXPECT_TRUE(!window->Curve().pieces && window->Curve().continuum.empty());
    EXPECT_EQ(window->Curve().potential, main.model().Potential().PEGraph);

    window->hide();
    main.Slider3->setValue(7);
    QTest::qWait(50);
    EXPECT_FALSE(window->Curve().IsFor(main.model().Value(), DefaultCurveTop)); // no work hidden
    window->show();
    EXPECT_TRUE(settled());
}

TEST_F(TransmissionTest, BelowALeadTIsUndefinedAndSaidSoAndTheNewRowsHaveNoLevel) {
    // The 1 nm well's leads are its 10 eV walls.
    window->ChooseEnergy(3);
    EXPECT_FALSE(window->State());
    EXPECT_EQ(window->STResult->text(),
              "T is undefined at E = 3 eV: below both leads' potential (10 eV left, 10 eV right)");
    EXPECT_EQ(window->STFlux->text(), "");
    LevelsWindow* levels = LevelsWindow::Show(main.model(), &main);
    for (int row : {RowBarrier, RowDoubleBarrier, RowStep}) {
        beeps = 0;
        main.PopupMenu1->setCurrentIndex(row);
        main.PBFind_Action();
        EXPECT_EQ(beeps, 2) << row; // choosing the row searches too
        EXPECT_TRUE(levels->STNone->isVisible());
        EXPECT_EQ(levels->STNone->text(), "No bound state below 0 eV");
    }
    ASSERT_TRUE(settled());
    window->ChooseEnergy(3); // the 5 eV step's right lead is closed at 3 eV
    EXPECT_EQ(window->STResult->text(),
              "T is undefined at E = 3 eV: below the right lead's potential, 5 eV");
    window->ChooseEnergy(6);
    EXPECT_TRUE(window->STResult->text().startsWith("E = 6 eV: T = 0.82"));
    EXPECT_TRUE(window->STFlux->text().startsWith("Flux (nm/fs): in "));
}
