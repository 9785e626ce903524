#include "app/QtOptions.h"

namespace {

// Qt's own options, as QGuiApplication, QApplication and the platform plugins read them.
const QStringList kWithValue = {"platform",
                                "platformpluginpath",
                                "platformtheme",
                                "plugin",
                                "qwindowgeometry",
                                "geometry",
                                "qwindowtitle",
                                "title",
                                "qwindowicon",
                                "icon",
                                "session",
                                "display",
                                "name",
                                "style",
                                "stylesheet",
                                "dialogs",
                                "qmljsdebugger"};
const QStringList kFlags = {"reverse", "widgetcount", "testability", "nograb", "dograb", "sync"};

} // namespace

QStringList WithoutQtOptions(const QStringList& arguments) {
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        // Qt takes one dash or two.
        QString name = a.startsWith(QLatin1String("--")) ? a.mid(2)
                       : a.startsWith(QLatin1Char('-'))  ? a.mid(1)
                                                         : QString();
        const qsizetype equals = name.indexOf(QLatin1Char('='));
        if (equals >= 0 && kWithValue.contains(name.left(equals))) continue; // -style=fusion
        if (kFlags.contains(name)) continue;
        if (kWithValue.contains(name) && i + 1 < arguments.size()) {
            ++i; // and its value
            continue;
        }
        kept << a;
    }
    return kept;
}
