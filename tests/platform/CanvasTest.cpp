// The canvas' mouse protocol: what a control built on it can rely on.
#include "platform/Canvas.h"

#include <gtest/gtest.h>

#include <QTest>

TEST(Canvas, DragAndUpFollowOnlyAnAcceptedPress) {
    Canvas canvas;
    canvas.resize(100, 80);
    canvas.show();
    QStringList log;
    bool accept = false;
    auto note = [&](const char* what) {
        return [&log, what](int x, int y) { log << QString("%1 %2,%3").arg(what).arg(x).arg(y); };
    };
    canvas.MouseDown = [&](int x, int y) { return note("down")(x, y), accept; };
    canvas.MouseDrag = note("drag");
    canvas.MouseUp = note("up");
    canvas.MouseMove = note("move");
    auto drag = [&] {
        log.clear();
        QTest::mousePress(&canvas, Qt::LeftButton, {}, {10, 20});
        const QPoint to(15, 40);
        QMouseEvent move(QEvent::MouseMove, to, canvas.mapToGlobal(to), Qt::NoButton,
                         Qt::LeftButton, {});
        QApplication::sendEvent(&canvas, &move);
        QTest::mouseRelease(&canvas, Qt::LeftButton, {}, to);
        return log;
    };
    EXPECT_EQ(drag(), QStringList({"down 10,20"}));
    accept = true;
    EXPECT_EQ(drag(), QStringList({"down 10,20", "drag 15,40", "up 15,40"}));
    log.clear();
    QTest::mouseMove(&canvas, {30, 30});
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(), "move 30,30");
}
