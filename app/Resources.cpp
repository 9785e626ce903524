#include "app/Resources.h"

#include <QFile>

// The resources live in a static library: register them before the first lookup. (At global
// scope: the macro declares the registration function where it stands.)
static void registerResources() {
    Q_INIT_RESOURCE(resources);
}

const QString& AboutWellscope() {
    static const QString text = [] {
        registerResources();
        QFile file(QStringLiteral(":/about.html"));
        if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("<p>Wellscope</p>");
        return QString::fromUtf8(file.readAll());
    }();
    return text;
}
