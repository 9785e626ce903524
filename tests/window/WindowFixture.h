#pragma once

// A real main window, built offscreen, and the ways a test looks at it as a user would.

#include "graph/Graph.h"
#include "platform/NumberText.h"
#include "solver/Window1.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include <memory>

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

// The energy text that a fresh search on `solver` publishes: the window's answer computed
// without the window.
inline QString levelText(Solver& s, int row, double from) {
    s.Energy = from;
    if (!s.CalculateEnergy(row)) return QString();
    return Format(s.Energy, QStringLiteral("-#.00000000000"));
}
