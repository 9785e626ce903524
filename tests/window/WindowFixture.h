#pragma once
// A real main window, built offscreen, and the ways a test looks at it as a user would.
#include "graph/Graph.h"
#include "model/Model.h"
#include "platform/NumberText.h"
#include "tests/common/RecordingDevice.h"
#include "windows/main/Window1.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include <memory>
#include <vector>

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        w = std::make_unique<Window1>();
        w->beep = [this] { ++beeps; };
        w->show();
    }

    // What a user does.
    void chooseRow(int row) { w->PopupMenu1->setCurrentIndex(row); }
    void typeEnergy(const QString& text) {
        w->EFEnergy->setFocus();
        w->EFEnergy->selectAll();
        QTest::keyClick(w->EFEnergy, Qt::Key_Delete);
        QTest::keyClicks(w->EFEnergy, text);
    }
    void pressDraw() { QTest::mouseClick(w->PBDraw, Qt::LeftButton); }
    void pressFind() { QTest::mouseClick(w->PBFind, Qt::LeftButton); }

    // What a user sees.
    QString energyText() const { return w->EFEnergy->text(); }
    static QImage picture(const Graph* g) { return g->GXP->Image().copy(); }

    std::unique_ptr<Window1> w;
    int beeps = 0;
};

// What a redraw of a plot paints, recorded.
inline std::vector<Recorded> redrawOf(Graph& g) {
    RecordingDevice device(450, 204);
    Graphics page(&device);
    g.PrintGraphOn(page);
    return device.Items();
}

// The black line segments a plot draws inside its frame: its curve, without axes and ticks.
inline std::vector<QLineF> curveOf(Graph& g) {
    const QRectF frame =
        QRectF(g.GLeft, g.GTop, g.GWidth, g.GHeight).adjusted(-0.5, -0.5, 0.5, 0.5);
    std::vector<QLineF> curve;
    for (const Recorded& item : redrawOf(g))
        if (item.kind == Recorded::Kind::Line && item.pen == Qt::black &&
            frame.contains(item.line.p1()) && frame.contains(item.line.p2()))
            curve.push_back(item.line);
    return curve;
}
