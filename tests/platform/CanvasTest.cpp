// The canvas' mouse protocol and its screen: what a control built on it can rely on.
#include "platform/Canvas.h"

#include <gtest/gtest.h>

#include <QTest>

#include <string>
#include <vector>

namespace {

struct Recorder {
    std::vector<std::string> log;
    bool accept = false;

    void attach(Canvas& c) {
        c.MouseDown = [this](int x, int y) {
            log.push_back("down " + std::to_string(x) + "," + std::to_string(y));
            return accept;
        };
        c.MouseDrag = [this](int x, int y) {
            log.push_back("drag " + std::to_string(x) + "," + std::to_string(y));
        };
        c.MouseUp = [this](int x, int y) {
            log.push_back("up " + std::to_string(x) + "," + std::to_string(y));
        };
        c.MouseMove = [this](int x, int y) {
            log.push_back("move " + std::to_string(x) + "," + std::to_string(y));
        };
    }
};

void drag(Canvas& c, QPoint from, QPoint to) {
    QTest::mousePress(&c, Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, to, c.mapToGlobal(to), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(&c, &move);
    QTest::mouseRelease(&c, Qt::LeftButton, {}, to);
}

} // namespace

TEST(Canvas, DragAndUpFollowOnlyAnAcceptedPress) {
    Canvas canvas;
    canvas.resize(100, 80);
    canvas.show();
    Recorder r;
    r.attach(canvas);

    drag(canvas, {10, 20}, {15, 40});
    EXPECT_EQ(r.log, (std::vector<std::string>{"down 10,20"}));

    r.log.clear();
    r.accept = true;
    drag(canvas, {10, 20}, {15, 40});
    EXPECT_EQ(r.log, (std::vector<std::string>{"down 10,20", "drag 15,40", "up 15,40"}));

    r.log.clear();
    QTest::mouseMove(&canvas, {30, 30});
    ASSERT_FALSE(r.log.empty());
    EXPECT_EQ(r.log.back(), "move 30,30");
}

TEST(Canvas, ScreenFollowsTheControlsSize) {
    Canvas canvas;
    canvas.resize(120, 50);
    const QImage& first = canvas.ScreenImage();
    EXPECT_EQ(first.size(), QSize(120, 50));
    EXPECT_EQ(first.pixel(3, 3), qRgb(255, 255, 255));
    canvas.ScreenGraphics().FillRect(0, 0, 2, 2);
    EXPECT_EQ(canvas.ScreenImage().pixel(1, 1), qRgb(0, 0, 0));
    canvas.resize(60, 30);
    EXPECT_EQ(canvas.ScreenImage().size(), QSize(60, 30));
}
