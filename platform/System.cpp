#include "platform/System.h"

#include <QApplication>
#include <QElapsedTimer>

void Beep() {
    QApplication::beep();
}

QCursor ArrowCursor() {
    return QCursor(Qt::ArrowCursor);
}
QCursor updown() {
    return QCursor(Qt::SizeVerCursor);
}
QCursor cross() {
    return QCursor(Qt::CrossCursor);
}

void YieldToFramework() {
    // Reading the clock costs more than the integration step that calls us, so look at it only
    // every 64th call, and let the framework repaint at most every 40 ms.
    static unsigned calls = 0;
    static QElapsedTimer since;
    if (++calls % 64 != 0) return;
    if (!since.isValid()) {
        since.start();
        return;
    }
    if (since.elapsed() < 40) return;
    since.restart();
    if (QCoreApplication::instance())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
