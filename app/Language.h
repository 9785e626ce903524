#pragma once

// The languages Wellscope speaks: English as written in the code, and German, French and
// Spanish from the catalogues built into the program. Only texts are translated; numbers keep
// their locale-free form (platform/NumberText.h) in every language.

#include <QString>
#include <QStringList>

// "en", "de", "fr", "es": what --language accepts.
QStringList LanguageCodes();
bool IsLanguage(const QString& code);

// Puts the texts of `code` in place for everything made afterwards (an application must
// exist). An empty code takes the first language the system's locale asks for that Wellscope
// speaks, else English. Replaces the language put in place before. Returns the code now in
// place.
QString UseLanguage(const QString& code);
// The code last put in place; "en" before any.
QString LanguageInUse();
