// Patterned and plain number text and reading numbers, independent of the locale.
#include "platform/NumberText.h"
#include "tests/common/PrintQt.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <locale>

TEST(NumberText, FormatStrAndVal) {
    EXPECT_EQ(Format(0.30273417311, "-#.00000000000"), ".30273417311");
    EXPECT_EQ(Format(-0.5, "-#.00000000000"), "-.50000000000");
    EXPECT_EQ(Format(-0.000000000001, "-#.00000000000"), ".00000000000"); // no "-" on zero
    EXPECT_EQ(Format(-2.5, "-#0.00"), "-2.50");
    EXPECT_EQ(Format(0, "-#0"), "0");
    EXPECT_EQ(Format(-4, "#0"), "4");        // without "-" in the pattern no sign
    EXPECT_EQ(Format(0.25, "-#0.0"), "0.2"); // exact halves round to even
    EXPECT_EQ(Format(0.125, "-#0.000"), "0.125");
    EXPECT_EQ(Format(12345.678, "-#0"), "12346");
    EXPECT_EQ(Format(-13.6, "-#.###########"), "-13.6");
    EXPECT_EQ(Format(2, "-#.###########"), "2");               // no dangling point
    EXPECT_EQ(Format(0.0000000000049, "-#.###########"), "0"); // no digit left: its zero
    // The shortest text that reads back to the same double.
    const std::pair<double, const char*> shortest[] = {
        {3.5, "3.5"}, {1, "1"},   {0.01, "0.01"}, {350 / 100.0, "3.5"},
        {-0.0, "0"},  {-7, "-7"}, {NAN, "nan"},   {0.1 + 0.2, "0.30000000000000004"}};
    for (auto [value, want] : shortest) EXPECT_EQ(Str(value), want) << value;
    // Text that is not a finite number reads 0; a comma ends the number.
    const std::pair<const char*, double> read[] = {
        {".5", 0.5},     {"+4", 4},          {"1,5", 1},          {"-13.6", -13.6},
        {"1e-3", 0.001}, {"-1e300", -1e300}, {"  2.25 eV", 2.25}, {".30273417311", 0.30273417311}};
    for (auto [text, want] : read) EXPECT_EQ(Val(text), want) << text;
    for (const char* text : {"abc", "", "1e400", "-1e400", "nan", "inf", "-infinity", "-", "."})
        EXPECT_EQ(Val(text), 0) << text;
}

namespace {

// While it lives, the C and C++ libraries and Qt use a decimal comma, if the machine has one.
struct CommaLocale {
    CommaLocale() {
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8"}) {
            if (!std::setlocale(LC_ALL, name) || *std::localeconv()->decimal_point != ',') continue;
            std::locale::global(std::locale(name));
            QLocale::setDefault(QLocale(QString::fromLatin1(name).section('.', 0, 0)));
            found = true;
            return;
        }
    }
    ~CommaLocale() {
        std::locale::global(std::locale::classic());
        std::setlocale(LC_ALL, "C");
        QLocale::setDefault(QLocale::c());
    }
    bool found = false;
};

} // namespace

TEST(NumberText, IndependentOfTheLocale) {
    const CommaLocale comma;
    if (!comma.found)
        GTEST_SKIP() << "no decimal-comma locale (scripts/install-deps generates de_DE.UTF-8)";
    // The libraries' own conversions write a comma now.
    char buf[16];
    std::snprintf(buf, sizeof buf, "%.1f", 2.5);
    ASSERT_STREQ(buf, "2,5");
    ASSERT_EQ(QLocale().toString(2.5), "2,5");
    EXPECT_EQ(Format(-2.5, "-#0.00"), "-2.50");
    EXPECT_EQ(Format(0.30273417311, "-#.00000000000"), ".30273417311");
    EXPECT_EQ(Str(0.1 + 0.2), "0.30000000000000004");
    EXPECT_EQ(Val("2.5"), 2.5);
    EXPECT_EQ(Val("1,5"), 1);
}
