// `levels --all` and `snapshot --levels` on the command line, and the one Levels window that
// View > Levels opens.
#include "app/CommandLine.h"
#include "levels/LevelsWindow.h"
#include "solver/Window1.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>

TEST(LevelsCommand, AllTakesAFormatAndNothingThatCountsFinds) {
    auto parse = [](const QString& line) {
        return ParseCommandLine(line.split(' ', Qt::SkipEmptyParts));
    };
    ParsedCommand p = parse("levels --all --format csv --potential ramp --slope 20");
    ASSERT_EQ(p.error, "");
    EXPECT_TRUE(p.command.all);
    EXPECT_TRUE(p.command.csv);
    EXPECT_FALSE(parse("levels --all").command.csv);
    EXPECT_TRUE(parse("snapshot s.png --levels").command.levelsWindow);

    struct Case {
        const char* line;
        const char* mentions;
    };
    for (const Case c :
         {Case{"levels --all --from 1", "--from"}, Case{"levels --all --count 2", "--count"},
          Case{"levels --format csv", "--format"}, Case{"levels --all --format xml", "--format"},
          Case{"print p.pdf --levels", "--levels"}}) {
        const ParsedCommand bad = parse(c.line);
        EXPECT_TRUE(bad.error.contains(c.mentions)) << c.line << ": " << bad.error.toStdString();
    }
}

TEST(LevelsCommand, ViewLevelsReusesItsWindowUntilClosed) {
    Window1 main;
    main.beep = [] {};
    LevelsWindow* first = LevelsWindow::Show(main);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(LevelsWindow::Show(main), first);
    first->close(); // destroyed later, in the event loop
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(main.findChildren<LevelsWindow*>().size(), 0);
    EXPECT_NE(LevelsWindow::Show(main), nullptr);
    EXPECT_EQ(main.findChildren<LevelsWindow*>().size(), 1);
}
