// A long random session on the real window: what students do (pick rows, move sliders, switch
// parity, type anything into the energy field, press Return, Draw and Find, click and drag in
// and around the potential plot), with the invariants they rely on checked after every action:
// whatever text the field holds, nothing becomes infinite or not a number.
//
// WELLSCOPE_SEED replays a run; WELLSCOPE_ACTIONS makes it longer (default 20000).

#include "WindowFixture.h"

#include <QMouseEvent>

#include <array>
#include <cmath>
#include <random>

namespace {

unsigned long envNumber(const char* name, unsigned long fallback) {
    const QByteArray v = qgetenv(name);
    bool ok = false;
    const unsigned long n = v.toULong(&ok);
    return ok ? n : fallback;
}

class Session {
  public:
    Session(Window1& w, unsigned long seed) : w_(w), rng_(seed) {}

    int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    bool Chance(double p) { return std::bernoulli_distribution(p)(rng_); }

    QString EnergyText() {
        static const char* odd[] = {
            "",  "abc",   "1e400", "nan", "-1e300",         "1,5",  "inf", "-",
            ".", "1e300", "-13.8", "+2",  "9.999999999999", "0x10", "1e"};
        if (Chance(0.25)) return QString::fromLatin1(odd[Int(0, std::size(odd) - 1)]);
        return QString::number(std::uniform_real_distribution<double>(-20, 25)(rng_), 'g',
                               Int(1, 15));
    }

    // A point in and around the potential plot.
    QPoint Anywhere() {
        if (Chance(0.3)) { // near a handle, where the hit test decides
            const int k = Int(0, HandleLast);
            const double v = w_.solver.Points[k] == NoHandle ? Int(0, 20) : w_.solver.Points[k];
            return {w_.Graph1->XCoord((k - 175) / 100.0) + Int(-2, 2),
                    w_.Graph1->YCoord(v) + Int(-3, 3)};
        }
        return {Int(-20, 470), Int(-20, 224)};
    }

    // One user action; returns its name for the failure message.
    std::string Act() {
        Graph* g = w_.Graph1;
        switch (Int(0, 12)) {
        case 0:
            w_.PopupMenu1->setCurrentIndex(Int(0, 6));
            return "row " + std::to_string(w_.PopupMenu1->currentIndex());
        case 1:
        case 2: {
            QSlider* s = std::array{w_.Slider1, w_.Slider2, w_.Slider3}[Int(0, 2)];
            if (!s->isVisible()) return "hidden slider";
            const int v = Chance(0.2) ? Int(-1000, 1000) : Int(s->minimum(), s->maximum());
            s->setValue(v);
            return "slider " + std::to_string(v);
        }
        case 3:
            if (w_.PMSymmetric->isVisible()) w_.PMSymmetric->setCurrentIndex(Int(0, 1));
            return "parity";
        case 4: {
            const QString text = EnergyText();
            w_.EFEnergy->selectAll();
            QTest::keyClicks(w_.EFEnergy, text.isEmpty() ? QString(" ") : text);
            if (text.isEmpty()) w_.EFEnergy->clear();
            return "type '" + text.toStdString() + "'";
        }
        case 5:
            QTest::keyClick(w_.EFEnergy, Qt::Key_Return);
            return "return";
        case 6:
            QTest::mouseClick(w_.PBDraw, Qt::LeftButton);
            return "draw";
        case 7:
        case 8:
            QTest::mouseClick(w_.PBFind, Qt::LeftButton);
            findDone_ = true;
            return "find";
        case 9:
        case 10: {
            const QPoint from = Anywhere();
            QTest::mousePress(g, Qt::LeftButton, {}, from);
            QPoint at = from;
            for (int i = Int(0, 4); i > 0; --i) {
                at = QPoint(from.x() + Int(-3, 3), Int(-40, 250));
                QMouseEvent move(QEvent::MouseMove, at, g->mapToGlobal(at), Qt::NoButton,
                                 Qt::LeftButton, {});
                QApplication::sendEvent(g, &move);
            }
            QTest::mouseRelease(g, Qt::LeftButton, {}, at);
            return "drag from " + std::to_string(from.x()) + "," + std::to_string(from.y()) +
                   " to y " + std::to_string(at.y());
        }
        case 11:
            QTest::mouseMove(g, Anywhere());
            return "move";
        default:
            Chance(0.5) ? w_.Graph1_MouseEnter() : w_.Graph1_MouseExit();
            return "enter/exit";
        }
    }

    bool TakeFindDone() {
        const bool f = findDone_;
        findDone_ = false;
        return f;
    }

  private:
    Window1& w_;
    std::mt19937 rng_;
    bool findDone_ = false;
};

// The state a user relies on between any two actions.
void ExpectConsistent(Window1& w, bool afterFind) {
    const Solver& s = w.solver;
    for (int i = 0; i <= GridLast; ++i) {
        if (w.row() == RowHydrogen && i == WindowFirst) continue; // the attracting centre
        ASSERT_TRUE(std::isfinite(s.PEGraph[i])) << "PEGraph " << i;
    }
    for (int k = 0; k <= HandleLast; ++k) // no edit can put a handle off the plot
        ASSERT_TRUE(s.Points[k] == NoHandle ||
                    (s.Points[k] >= w.Graph1->YMin && s.Points[k] <= w.Graph1->YMax))
            << "Points " << k << " = " << s.Points[k];
    for (int i = 0; i <= GridLast + 1; ++i) ASSERT_TRUE(std::isfinite(s.feta[i])) << "feta " << i;
    ASSERT_TRUE(std::isfinite(s.Energy));
    ASSERT_GE(s.lasti, w.row() == RowHydrogen ? WindowFirst + 1 : 1);
    ASSERT_LE(s.lasti, w.row() == RowSymmetricWell ? 499 : GridLast);
    if (afterFind) {
        ASSERT_EQ(s.Energy, Val(w.EFEnergy->text()));
    }
    ASSERT_FALSE(w.beingChanged || w.BusyFindingEta || w.dragging);
    for (Graph* g : {w.Graph1, w.Graph2}) {
        ASSERT_EQ(g->GX, g->GXP->GetGraphics());
        ASSERT_EQ(g->GX->ForeColor(), (Color{0, 0, 0})); // no colour left over from a redraw
    }
}

// Redraws both plots onto a recording page: every shape must lie inside the picture. (Text is
// clipped by the picture; a title with a 300-digit energy is allowed to run past it.)
void ExpectDrawnInside(Window1& w) {
    for (Graph* g : {w.Graph1, w.Graph2}) {
        RecordingDevice device(450, 204);
        {
            Graphics page(&device);
            g->PrintGraphOn(page);
        }
        for (const Recorded& item : device.Items()) {
            if (item.kind == Recorded::Kind::Text) continue;
            const QRectF box = item.kind == Recorded::Kind::Line
                                   ? QRectF(item.line.p1(), item.line.p2()).normalized()
                                   : item.rect.normalized();
            // Comparisons with a NaN fail, so a shape at no number fails too.
            ASSERT_TRUE(box.left() >= 0 && box.top() >= 0 && box.right() <= 450 &&
                        box.bottom() <= 204)
                << box.left() << "," << box.top() << " " << box.right() << "," << box.bottom();
        }
    }
}

} // namespace

TEST_F(WindowTest, LongRandomSessionKeepsEveryInvariant) {
    const unsigned long seed = envNumber("WELLSCOPE_SEED", 20261206);
    const unsigned long actions = envNumber("WELLSCOPE_ACTIONS", 20000);
    Session session(*w, seed);
    for (unsigned long i = 0; i < actions; ++i) {
        const std::string action = session.Act();
        SCOPED_TRACE(testing::Message() << "replay with WELLSCOPE_SEED=" << seed << ", action " << i
                                        << ": " << action);
        ExpectConsistent(*w, session.TakeFindDone());
        if (!HasFatalFailure() && i % 50 == 0) ExpectDrawnInside(*w);
        if (HasFatalFailure()) return;
    }
}
