#include "app/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace {

// The catalogues in use: Wellscope's own, and Qt's for its dialogs' buttons.
struct Catalogues {
    QString code = QStringLiteral("en");
    std::unique_ptr<QTranslator> own, qt;
};

Catalogues& inUse() {
    static Catalogues c;
    return c;
}

QString fromSystem() {
    for (const QString& name : QLocale::system().uiLanguages()) {
        const QString code = QLocale(name).bcp47Name().section('-', 0, 0);
        if (IsLanguage(code)) return code;
        if (name == QLatin1String("C") || code == QLatin1String("en")) break;
    }
    return QStringLiteral("en");
}

void remove(std::unique_ptr<QTranslator>& t) {
    if (t) QCoreApplication::removeTranslator(t.get());
    t.reset();
}

std::unique_ptr<QTranslator> load(const QString& file, const QString& folder) {
    auto t = std::make_unique<QTranslator>();
    if (!t->load(file, folder) || !QCoreApplication::installTranslator(t.get())) return nullptr;
    return t;
}

} // namespace

QStringList LanguageCodes() {
    return {QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es")};
}

bool IsLanguage(const QString& code) {
    return LanguageCodes().contains(code);
}

QString UseLanguage(const QString& code) {
    Catalogues& c = inUse();
    remove(c.own);
    remove(c.qt);
    c.code = code.isEmpty() ? fromSystem() : code;
    if (c.code == QLatin1String("en") || !IsLanguage(c.code)) {
        c.code = QStringLiteral("en");
        return c.code;
    }
    c.own = load(QStringLiteral("wellscope_") + c.code, QStringLiteral(":/i18n"));
    // Qt's own texts (Save, Cancel, the file dialog) where Debian's qt6-translations are there.
    c.qt = load(QStringLiteral("qtbase_") + c.code,
                QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return c.code;
}

QString LanguageInUse() {
    return inUse().code;
}
