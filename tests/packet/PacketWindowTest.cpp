// The Wave Packet window on a model: playing, resetting, editing the start, following the model
// only while shown, and the barrier's transmitted part beside its prediction.
#include "windows/packet/PacketWindow.h"

#include "graph/Graph.h"
#include "model/Model.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cmath>
#include <memory>

namespace {

class PacketWindowTest : public ::testing::Test {
  protected:
    void SetUp() override { w->show(); }
    void type(QLineEdit* field, const QString& text) {
        field->clear();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }
    // The number a label ends with.
    static double last(const QLabel* label) { return label->text().section(' ', -1).toDouble(); }
    Model model;
    std::unique_ptr<PacketWindow> w = std::make_unique<PacketWindow>(model);
};

} // namespace

TEST_F(PacketWindowTest, PlayAdvancesResetReturnsAndAnEditRestartsOrSaysWhatIsWrong) {
    ASSERT_TRUE(w->packet());
    EXPECT_TRUE(w->STTime->text().startsWith("t = 0.00 fs"));
    const QImage start = w->GraphPsi->GXP->Image().copy();
    w->PMSpeed->setCurrentIndex(w->PMSpeed->findText("10 fs/s"));
    QTest::mouseClick(w->PBPlay, Qt::LeftButton);
    QTest::qWait(100);
    QTest::mouseClick(w->PBPlay, Qt::LeftButton);
    EXPECT_FALSE(w->playing());
    EXPECT_GT(w->time(), 10 * 0.016); // at least a frame at the speed
    EXPECT_NE(w->GraphPsi->GXP->Image(), start);
    QTest::mouseClick(w->PBReset, Qt::LeftButton);
    EXPECT_EQ(std::pair(w->time(), w->GraphPsi->GXP->Image()), std::pair(0.0, start));

    w->advance(0.5);
    EXPECT_NEAR(w->time(), 0.5, 1e-12); // met by whole steps of 0.01 fs
    type(w->EFX0, "-1.5");
    EXPECT_EQ(std::pair(w->time(), w->packet()->Start().x0), std::pair(0.0, -1.5));
    EXPECT_NEAR(w->now().meanX, -1.5, 1e-9);
    for (const auto& [text, message] :
         {std::pair("0.01", "sigma: at least"), std::pair("abc", "sigma: 'abc' is not a number"),
          std::pair("1", "x0: the packet")}) {
        type(w->EFSigma, text);
        EXPECT_TRUE(!w->packet() && !w->PBPlay->isEnabled() &&
                    w->STMessage->text().startsWith(message))
            << w->STMessage->text().toStdString();
        w->advance(1); // nothing to move, and no crash
    }
    type(w->EFSigma, "0.2");
    EXPECT_TRUE(w->packet() && w->STMessage->text().isEmpty() && w->PBPlay->isEnabled());
}

TEST_F(PacketWindowTest, FollowsThePotentialAndMassOnlyWhileShownAndNotInHydrogen) {
    w->advance(1);
    model.DrawEnergy("2"); // the potential stays: the packet flies on
    EXPECT_NEAR(w->time(), 1, 1e-12);
    w->hide();
    model.MoveSlider(1, 200);
    EXPECT_NEAR(w->time(), 1, 1e-12); // nothing is done while hidden
    w->show();
    EXPECT_EQ(w->time(), 0.0);
    const double electron = w->packet()->WaveNumber();
    model.SetMass(0.5); // the same energy at half the mass: k0 = sqrt(2 m E) / hbar
    EXPECT_NEAR(w->packet()->WaveNumber() / electron, std::sqrt(0.5), 2e-3);
    EXPECT_TRUE(w->windowTitle().contains("0.5"));

    model.ChooseRow(RowHydrogen);
    EXPECT_TRUE(!w->packet() && !w->PBPlay->isEnabled() &&
                w->STMessage->text().contains("Hydrogen"));
    w->play();
    w->advance(1);
    EXPECT_EQ(std::pair(w->playing(), w->time()), std::pair(false, 0.0));
    model.ChooseRow(RowWell);
    EXPECT_TRUE(w->packet() && w->STMessage->text().isEmpty());
}

TEST_F(PacketWindowTest, ThePartThroughTheBarrierShowsOnceLeftBesideItsPrediction) {
    // The 0.5 nm x 5 eV barrier, met by the default packet at its own height.
    ::Setup barrier = model.Value();
    barrier.row = RowBarrier;
    barrier.sliders = {50, 5, 0};
    model.Open(barrier);
    ASSERT_TRUE(w->packet());
    EXPECT_EQ(w->STTransmitted->text(), "Transmitted: once the packet has left");
    const double predicted = last(w->STPredicted);
    EXPECT_TRUE(predicted > 0.1 && predicted < 0.9) << predicted;
    w->play();
    w->advance(10);
    EXPECT_FALSE(w->left());
    w->advance(30);
    ASSERT_TRUE(w->left());
    EXPECT_FALSE(w->playing()); // it stops by itself
    ASSERT_TRUE(w->STTransmitted->text().startsWith("Transmitted: "));
    EXPECT_NEAR(last(w->STTransmitted), w->now().right, 1e-4);
    EXPECT_NEAR(last(w->STTransmitted), predicted, 0.01);
    EXPECT_NEAR(w->now().left + w->now().right, 1, 1e-9);
}

TEST_F(PacketWindowTest, GrowsItsPlotsWithTheWindowAndMirrorsRightToLeft) {
    const QRect plot = w->GraphPsi->geometry(), play = w->PBPlay->geometry();
    w->resize(w->width() + 100, w->height() + 100);
    QApplication::sendPostedEvents();
    EXPECT_EQ(w->GraphPsi->width(), plot.width() + 100);
    EXPECT_EQ(w->GraphPsi->GXP->Width(), plot.width() + 100); // a new picture of its new size
    EXPECT_EQ(w->PBPlay->geometry(), play.translated(0, 100));
    w->setLayoutDirection(Qt::RightToLeft);
    QApplication::sendPostedEvents();
    EXPECT_EQ(w->PBPlay->x(), w->width() - play.right() - 1);
}
