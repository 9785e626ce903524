// Typing an energy, Draw, Return and Find: the red energy line, the title and the search.
#include "WindowFixture.h"

#include <cmath>

namespace {

constexpr QRgb kRed = 0xffff0000;

// The rows of the potential plot's frame interior that hold the red energy line.
std::vector<int> redRows(const Graph& g, const QImage& image) {
    std::vector<int> rows;
    for (int y = g.GTop; y <= g.GTop + g.GHeight; ++y) {
        int red = 0;
        for (int x = g.GLeft; x <= g.GLeft + g.GWidth; ++x) red += image.pixel(x, y) == kRed;
        if (red > g.GWidth / 2) rows.push_back(y);
    }
    return rows;
}

} // namespace

TEST_F(WindowTest, TypedEnergyMovesTheRedLineAndRetitles) {
    typeEnergy("5");
    EXPECT_EQ(w->solver.Energy, 5);
    EXPECT_EQ(redRows(*w->Graph1, picture(w->Graph1)), std::vector<int>{w->Graph1->YCoord(5)});
    EXPECT_TRUE(w->Graph2->GetSString(w->Graph2->Title).endsWith("Solution for Energy = 5 eV"));

    typeEnergy("25"); // above the plot: along its top edge
    EXPECT_EQ(redRows(*w->Graph1, picture(w->Graph1)), std::vector<int>{w->Graph1->GTop});
    typeEnergy("-3");
    EXPECT_EQ(redRows(*w->Graph1, picture(w->Graph1)),
              std::vector<int>{w->Graph1->GTop + w->Graph1->GHeight});
}

TEST_F(WindowTest, ReturnDrawsTheSolutionAtTheTypedEnergy) {
    const int groundLasti = w->solver.lasti;
    typeEnergy("1.5");
    EXPECT_EQ(w->solver.lasti, groundLasti); // typing alone does not integrate
    const QImage before = picture(w->Graph2);
    QTest::keyClick(w->EFEnergy, Qt::Key_Return);
    Solver oracle;
    oracle.DrawWell(100);
    oracle.Energy = 1.5;
    oracle.DrawEta(RowWell);
    EXPECT_EQ(w->solver.lasti, oracle.lasti);
    EXPECT_EQ(w->solver.NCrossings, oracle.NCrossings);
    EXPECT_NE(picture(w->Graph2), before);
    EXPECT_TRUE(w->Graph2->GetSString(w->Graph2->Title).endsWith("Solution for Energy = 1.5 eV"));
}

TEST_F(WindowTest, FindPublishesTheNextLevelOrBeeps) {
    pressFind();
    EXPECT_EQ(energyText(), "1.20644009518");
    EXPECT_EQ(w->solver.Energy, 1.20644009518);
    EXPECT_EQ(beeps, 0);

    // A 2 nm well's lowest level, from 0.01 eV: an eigenvalue, not a node jump.
    w->Slider1->setValue(200);
    typeEnergy("0.01");
    pressFind();
    EXPECT_EQ(energyText(), ".08414020388");

    // Nothing below the top of the well: the field keeps its text.
    typeEnergy("9.9");
    pressFind();
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(energyText(), "9.9");
    EXPECT_EQ(w->solver.Energy, 9.9); // Draw and the red line stay at the energy shown
    EXPECT_FALSE(w->BusyFindingEta);
}

TEST_F(WindowTest, AnyTextInTheEnergyFieldIsSafe) {
    for (const char* text : {"abc", "", "1e400", "nan", "-1e300", "1,5", "1e300", "-inf", "."}) {
        SCOPED_TRACE(text);
        typeEnergy(text);
        EXPECT_TRUE(std::isfinite(w->solver.Energy));
        EXPECT_EQ(w->solver.Energy, Val(text));
        pressDraw();
        pressFind();
        EXPECT_TRUE(std::isfinite(w->solver.Energy));
        for (int i = 0; i <= 1001; ++i) ASSERT_TRUE(std::isfinite(w->solver.feta[i])) << i;
        EXPECT_FALSE(w->BusyFindingEta);
    }
}
