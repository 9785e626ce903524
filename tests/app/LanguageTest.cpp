// The languages: German from the built-in catalogue, in process and through the built program,
// with the numbers as the C locale writes them.
#include "app/Language.h"
#include "app/AboutWndo.h"
#include "app/CommandLine.h"
#include "app/Menu.h"
#include "solver/core/ExactLevels.h"
#include "solver/core/PotentialRows.h"
#include "windows/common/RowTexts.h"
#include "windows/levels/LevelsReport.h"
#include "windows/main/Window1.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QXmlStreamReader>

namespace {

struct Outcome {
    int status = -1;
    QString out, err;
};

Outcome wellscope(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(WELLSCOPE_EXE), args);
    EXPECT_TRUE(p.waitForFinished(60000)) << args.join(' ').toStdString();
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

QStringList svgTexts(const QString& path) {
    QFile f(path);
    QStringList texts;
    if (!f.open(QIODevice::ReadOnly)) return texts;
    QXmlStreamReader xml(&f);
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("text"))
            texts << xml.readElementText().trimmed();
    return texts;
}

// English again when the test ends, however it ends.
struct German {
    German() { EXPECT_EQ(UseLanguage(QStringLiteral("de")), "de"); }
    ~German() { UseLanguage(QStringLiteral("en")); }
};

} // namespace

TEST(Language, GermanTranslatesMenusWindowAndHelpAndKeepsTheDecimalPoint) {
    {
        const German german;
        Window1 w(new Menu);
        const auto* menu = static_cast<Menu*>(w.menuBar());
        EXPECT_EQ(menu->Item("FileMenu")->text(), "&Datei");
        EXPECT_EQ(menu->Item("ViewLevels")->text(), QString::fromUtf8("&Niveaus…"));
        EXPECT_EQ(w.STEquals->text(), "Energie =");
        EXPECT_EQ(w.PopupMenu1->itemText(RowWell), "Topf");
        EXPECT_EQ(w.PMSymmetric->itemText(1), "Antisymmetrisch");
        EXPECT_EQ(w.STTitle1->text(), "Breite = 1 nm");
        EXPECT_EQ(w.EFEnergy->text(), ".30273417311"); // the number as in every language
        const AboutWndo about;
        EXPECT_TRUE(about.windowTitle() == QString::fromUtf8("Über Wellscope") &&
                    about.HTMLViewer1->toPlainText().contains("Die Niveaus finden"));
        const QString help = CommandLineHelp();
        EXPECT_TRUE(help.startsWith("Aufruf: wellscope [BEFEHL] [OPTIONEN]\n") &&
                    help.contains("Breite, 0 bis 3.5 nm in") && help.contains("--potential NAME"))
            << help.toStdString();
        // The core's texts reach the translators through the lists beside them.
        for (const RowInfo& r : PotentialRows) {
            EXPECT_TRUE(HasRowText(r.menuText)) << r.menuText;
            for (int n = 0; n < r.sliderCount; ++n) {
                const SliderInfo& s = r.sliders[std::size_t(n)];
                for (std::string_view t : {s.title, s.what, s.leftText, s.rightText})
                    EXPECT_TRUE(t.empty() || HasRowText(t)) << t;
            }
        }
        const char* note = ExactLevelsOf(RowHydrogen, 0, 0, 0, 0).note;
        ASSERT_NE(note, nullptr);
        EXPECT_TRUE(ExactNoteText(note).startsWith("Die exakten Werte")) << note;
    }
    EXPECT_EQ(Menu().Item("FileMenu")->text(), "&File"); // and back to English

    QTemporaryDir dir;
    const QString svg = dir.filePath("de.svg");
    ASSERT_EQ(wellscope({"--language", "de", "snapshot", svg}).status, 0);
    EXPECT_TRUE(svgTexts(svg).contains(QString::fromUtf8("Lösung für Energie = .30273417311 eV")))
        << svgTexts(svg).join(" | ").toStdString();
    const Outcome levels = wellscope({"levels", "--count", "2", "--language=de", "--mass", "0.51"});
    EXPECT_EQ(levels.out.section('\n', 0, 0), "Teilchen: Schweres Loch in GaAs, 0.51 mₑ");
    EXPECT_TRUE(wellscope({"--language", "fr", "--help"}).out.startsWith("Usage : wellscope"));
    EXPECT_TRUE(wellscope({"--language", "es", "--help"}).out.startsWith("Uso: wellscope"));
    // Without --language, the system's locale chooses.
    QProcess german;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LC_ALL", "de_DE.UTF-8");
    german.setProcessEnvironment(env);
    german.start(QStringLiteral(WELLSCOPE_EXE), {"--help"});
    ASSERT_TRUE(german.waitForFinished(60000));
    EXPECT_TRUE(german.readAllStandardOutput().startsWith("Aufruf: wellscope"));
    const Outcome wrong = wellscope({"--language", "it"});
    EXPECT_TRUE(wrong.status == 2 && wrong.err.startsWith("wellscope: --language: 'it'") &&
                wrong.out.isEmpty())
        << wrong.err.toStdString();
}
