// A seeded random session on the real window: all stays finite and is drawn inside the picture.
#include "WindowFixture.h"
#include "solver/core/PotentialRows.h"

#include <QMouseEvent>

#include <array>
#include <cmath>
#include <random>

namespace {

unsigned long envNumber(const char* name, unsigned long fallback) {
    bool ok = false;
    const unsigned long n = qgetenv(name).toULong(&ok);
    return ok ? n : fallback;
}

// The state a user relies on between any two actions.
void ExpectConsistent(Window1& w, bool afterFind) {
    const Solver& s = w.solver;
    for (int i = 0; i <= GridLast; ++i) {
        if (w.row() == RowHydrogen && i == WindowFirst) continue; // the attracting centre
        ASSERT_TRUE(std::isfinite(s.PEGraph[i])) << i;
    }
    for (int k = 0; k <= HandleLast; ++k) // no edit can put a handle off the plot
        ASSERT_TRUE(s.Points[k] == NoHandle ||
                    (s.Points[k] >= w.Graph1->YMin && s.Points[k] <= w.Graph1->YMax))
            << k;
    for (int i = 0; i <= GridLast + 1; ++i) ASSERT_TRUE(std::isfinite(s.feta[i])) << i;
    ASSERT_TRUE(std::isfinite(s.Energy));
    ASSERT_GE(s.lasti, w.row() == RowHydrogen ? WindowFirst + 1 : 1);
    ASSERT_LE(s.lasti, PhysicsRow(w.model().Value()) == RowSymmetricWell ? 499 : GridLast);
    if (afterFind) {
        ASSERT_EQ(s.Energy, Val(w.EFEnergy->text()));
    }
    ASSERT_FALSE(w.beingChanged || w.BusyFindingEta || w.dragging);
    for (Graph* g : {w.Graph1, w.Graph2}) {
        ASSERT_EQ(g->GX, g->GXP->GetGraphics());
        ASSERT_EQ(g->GX->ForeColor(), (Color{0, 0, 0})); // no colour left over from a redraw
    }
}

// Every shape but text (clipped) inside the picture; a shape at NaN fails the comparison too.
void ExpectDrawnInside(Window1& w) {
    for (Graph* g : {w.Graph1, w.Graph2}) {
        for (const Recorded& item : redrawOf(*g)) {
            if (item.kind == Recorded::Kind::Text) continue;
            const QRectF box = item.kind == Recorded::Kind::Line
                                   ? QRectF(item.line.p1(), item.line.p2()).normalized()
                                   : item.rect.normalized();
            ASSERT_TRUE(box.left() >= 0 && box.top() >= 0 && box.right() <= 450 &&
                        box.bottom() <= 204);
        }
    }
}

} // namespace

TEST_F(WindowTest, LongRandomSessionKeepsEveryInvariant) {
    const unsigned long seed = envNumber("WELLSCOPE_SEED", 20261206);
    const unsigned long actions = envNumber("WELLSCOPE_ACTIONS", 20000);
    std::mt19937 rng(seed);
    auto Int = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    auto Chance = [&](double p) { return std::bernoulli_distribution(p)(rng); };
    auto energyText = [&] {
        static const char* odd[] = {
            "",  "abc",   "1e400", "nan", "-1e300",         "1,5",  "inf", "-",
            ".", "1e300", "-13.8", "+2",  "9.999999999999", "0x10", "1e"};
        if (Chance(0.25)) return QString::fromLatin1(odd[Int(0, std::size(odd) - 1)]);
        return QString::number(std::uniform_real_distribution<double>(-20, 25)(rng), 'g',
                               Int(1, 15));
    };
    Graph* g = w->Graph1;
    auto anywhere = [&]() -> QPoint { // in and around the plot; often near a handle
        if (!Chance(0.3)) return {Int(-20, 470), Int(-20, 224)};
        const int k = Int(0, HandleLast);
        const double v = w->solver.Points[k] == NoHandle ? Int(0, 20) : w->solver.Points[k];
        return {g->XCoord((k - 175) / 100.0) + Int(-2, 2), g->YCoord(v) + Int(-3, 3)};
    };
    // One user action; its name goes into the failure message (the seed replays the details).
    auto act = [&](bool& find) -> std::string {
        switch (Int(0, 12)) {
        case 0:
            chooseRow(Int(0, int(PotentialRows.size()) - 1));
            return "row";
        case 1:
        case 2: {
            QSlider* s = std::array{w->Slider1, w->Slider2, w->Slider3}[Int(0, 2)];
            if (!s->isVisible()) return "hidden slider";
            s->setValue(Chance(0.2) ? Int(-1000, 1000) : Int(s->minimum(), s->maximum()));
            return "slider";
        }
        case 3:
            if (w->PMSymmetric->isVisible()) w->PMSymmetric->setCurrentIndex(Int(0, 1));
            return "parity";
        case 4: {
            const QString text = energyText();
            w->EFEnergy->selectAll();
            QTest::keyClicks(w->EFEnergy, text.isEmpty() ? QString(" ") : text);
            if (text.isEmpty()) w->EFEnergy->clear();
            return "type '" + text.toStdString() + "'";
        }
        case 5:
            QTest::keyClick(w->EFEnergy, Qt::Key_Return);
            return "return";
        case 6:
            pressDraw();
            return "draw";
        case 7:
        case 8:
            pressFind();
            find = true;
            return "find";
        case 9:
        case 10: {
            const QPoint from = anywhere();
            QTest::mousePress(g, Qt::LeftButton, {}, from);
            QPoint at = from;
            for (int i = Int(0, 4); i > 0; --i) {
                at = QPoint(from.x() + Int(-3, 3), Int(-40, 250));
                QMouseEvent move(QEvent::MouseMove, at, g->mapToGlobal(at), Qt::NoButton,
                                 Qt::LeftButton, {});
                QApplication::sendEvent(g, &move);
            }
            QTest::mouseRelease(g, Qt::LeftButton, {}, at);
            return "drag";
        }
        case 11:
            QTest::mouseMove(g, anywhere());
            return "move";
        default:
            Chance(0.5) ? w->Graph1_MouseEnter() : w->Graph1_MouseExit();
            return "enter/exit";
        }
    };
    for (unsigned long i = 0; i < actions; ++i) {
        bool find = false;
        const std::string action = act(find);
        SCOPED_TRACE(testing::Message() << "replay with WELLSCOPE_SEED=" << seed << ", action " << i
                                        << ": " << action);
        ExpectConsistent(*w, find);
        if (!HasFatalFailure() && i % 50 == 0) ExpectDrawnInside(*w);
        if (HasFatalFailure()) return;
    }
}
