#include "platform/NumberText.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <clocale>
#include <cmath>
#include <limits>

TEST(NumberText, PatternedFormat) {
    EXPECT_EQ(Format(0.30273417311, "-#.00000000000"), ".30273417311");
    EXPECT_EQ(Format(1.20644009518, "-#.00000000000"), "1.20644009518");
    EXPECT_EQ(Format(-0.5, "-#.00000000000"), "-.50000000000");
    EXPECT_EQ(Format(-2.5, "-#0.00"), "-2.50");
    EXPECT_EQ(Format(3, "-#0"), "3");
    EXPECT_EQ(Format(0, "-#0"), "0");
    EXPECT_EQ(Format(-20, "-#0"), "-20");
    EXPECT_EQ(Format(0.25, "-#0.0"), "0.2"); // 0.25 is exact: round half to even
    EXPECT_EQ(Format(1.5, "-#.###########"), "1.5");
    EXPECT_EQ(Format(-13.6, "-#.###########"), "-13.6");
    EXPECT_EQ(Format(0.0000000000049, "-#.###########"), "0");            // no digit left: its zero
    EXPECT_EQ(Format(2, "-#.###########"), "2");                          // no dangling point
    EXPECT_EQ(Format(-0.000000000001, "-#.00000000000"), ".00000000000"); // no "-" on zero
    EXPECT_EQ(Format(-4, "#0"), "4"); // without "-" in the pattern the sign is not shown
    EXPECT_EQ(Format(0.125, "-#0.000"), "0.125");
    EXPECT_EQ(Format(12345.678, "-#0"), "12346");
}

TEST(NumberText, PlainConversion) {
    EXPECT_EQ(Str(3.5), "3.5");
    EXPECT_EQ(Str(1), "1");
    EXPECT_EQ(Str(0.01), "0.01");
    EXPECT_EQ(Str(100 / 100.0), "1");
    EXPECT_EQ(Str(350 / 100.0), "3.5");
    EXPECT_EQ(Str(-0.0), "0");
    EXPECT_EQ(Str(0.1 + 0.2), "0.30000000000000004"); // reads back to the same double
    EXPECT_EQ(Str(-7), "-7");
    EXPECT_EQ(Str(std::nan("")), "nan");
}

TEST(NumberText, ReadingText) {
    EXPECT_EQ(Val("abc"), 0);
    EXPECT_EQ(Val(""), 0);
    EXPECT_EQ(Val(".5"), 0.5);
    EXPECT_EQ(Val("  2.25 eV"), 2.25);
    EXPECT_EQ(Val("-13.6"), -13.6);
    EXPECT_EQ(Val("+4"), 4);
    EXPECT_EQ(Val("1e-3"), 0.001);
    EXPECT_EQ(Val("1,5"), 1); // a comma ends the number
    EXPECT_EQ(Val(".30273417311"), 0.30273417311);
    EXPECT_EQ(Val("-1e300"), -1e300);
    // Non-finite energies are not numbers a user can use.
    EXPECT_EQ(Val("1e400"), 0);
    EXPECT_EQ(Val("-1e400"), 0);
    EXPECT_EQ(Val("nan"), 0);
    EXPECT_EQ(Val("inf"), 0);
    EXPECT_EQ(Val("-infinity"), 0);
    EXPECT_EQ(Val("-"), 0);
    EXPECT_EQ(Val("."), 0);
}

TEST(NumberText, IndependentOfTheLocale) {
    // A process locale whose decimal mark is a comma must change nothing.
    const char* set = std::setlocale(LC_ALL, "de_DE.UTF-8");
    if (!set) set = std::setlocale(LC_NUMERIC, "fr_FR.UTF-8");
    EXPECT_EQ(Format(-2.5, "-#0.00"), "-2.50");
    EXPECT_EQ(Str(3.5), "3.5");
    EXPECT_EQ(Val("2.5"), 2.5);
    std::setlocale(LC_ALL, "C");
    QLocale::setDefault(QLocale(QLocale::German));
    EXPECT_EQ(Format(0.30273417311, "-#.00000000000"), ".30273417311");
    EXPECT_EQ(Val("0.5"), 0.5);
    QLocale::setDefault(QLocale::c());
}
