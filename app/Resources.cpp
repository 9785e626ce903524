#include "app/Resources.h"

#include <QFile>
#include <QHash>

// The resources live in a static library: register them before the first lookup. (At global
// scope: the macro declares the registration function where it stands.)
static void registerResources() {
    Q_INIT_RESOURCE(resources);
}

const QString& AboutWellscope(const QString& language) {
    static QHash<QString, QString> pages;
    if (!pages.contains(language)) {
        registerResources();
        QFile file(QStringLiteral(":/about_%1.html").arg(language));
        if (!file.exists()) file.setFileName(QStringLiteral(":/about.html"));
        pages[language] = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll())
                                                         : QStringLiteral("<p>Wellscope</p>");
    }
    return pages[language];
}
