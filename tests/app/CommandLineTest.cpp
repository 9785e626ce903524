// Reading the command line: each option becomes its slider's value, and every mistake gets one
// line that names the option and what it accepts.
#include "app/CommandLine.h"
#include "solver/core/Solver.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

ParsedCommand parse(const QString& line) {
    return ParseCommandLine(line.split(' ', Qt::SkipEmptyParts));
}

} // namespace

TEST(CommandLine, OptionsBecomeSliderValues) {
    ParsedCommand p = parse("levels --potential uneven --width 1.25 --left 12 --right 5 --count 3");
    ASSERT_EQ(p.error, "");
    EXPECT_EQ(p.command.kind, Command::Levels);
    EXPECT_EQ(p.command.row, RowUneven);
    EXPECT_EQ(std::tuple(p.command.slider1.value_or(-1), p.command.slider2.value_or(-1),
                         p.command.slider3.value_or(-1)),
              std::tuple(125, 12, 5));
    EXPECT_EQ(p.command.count, 3);
    EXPECT_EQ(p.command.from, "0.01");

    p = parse("snapshot out.png --potential symmetric --separation 2 --well-width 0.35 "
              "--parity odd --energy 1.5");
    ASSERT_EQ(p.error, "");
    EXPECT_EQ(p.command.file, "out.png");
    EXPECT_EQ(std::tuple(p.command.slider1.value_or(-1), p.command.slider2.value_or(-1)),
              std::tuple(200, 35));
    EXPECT_FALSE(p.command.even);
    EXPECT_EQ(p.command.energy, "1.5");

    p = parse("levels --potential hydrogen");
    EXPECT_EQ(p.command.from, "-13.6");
    EXPECT_FALSE(p.command.slider1);
    EXPECT_EQ(parse("").command.kind, Command::Window);
}

TEST(CommandLine, MistakesNameTheOption) {
    struct Case {
        const char* line;
        const char* mentions;
    };
    const Case cases[] = {
        {"levels --width 3.6", "--width"},   // beyond the slider
        {"levels --width 1.255", "--width"}, // not on a step
        {"levels --width nan", "--width"},   // not a number
        {"levels --potential symmetric --separation 1 --well-width 1.5", "--well-width"},
        {"levels --potential oscillator --width 1", "--width"}, // not used by the potential
        {"levels --potential symmetric --parity sideways", "--parity"},
        {"levels --potential cube", "--potential"},
        {"levels --count 101", "--count"},
        {"levels --energy 2", "--energy"},
        {"levels --frobnicate", "frobnicate"}, // unknown option
        {"levels --width", "width"},           // missing value
        {"levels --width 1 --width 2", "--width"},
        {"explode", "explode"},   // unknown command
        {"snapshot", "snapshot"}, // missing file
        {"print page.png", ".pdf"},
    };
    for (const Case& c : cases) {
        const ParsedCommand p = parse(c.line);
        EXPECT_TRUE(p.error.contains(c.mentions)) << c.line << " -> " << p.error.toStdString();
        EXPECT_FALSE(p.error.contains('\n')) << c.line;
    }
}
