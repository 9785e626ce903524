// Typing an energy, Draw, Return and Find: the red energy line, the title and the search.
#include "WindowFixture.h"

namespace {

// The rows of the potential plot's frame that the red energy line fills.
std::vector<int> redRows(const Graph& g, const QImage& image) {
    std::vector<int> rows;
    for (int y = g.GTop; y <= g.GTop + g.GHeight; ++y) {
        int red = 0;
        for (int x = g.GLeft; x <= g.GLeft + g.GWidth; ++x) red += image.pixel(x, y) == 0xffff0000;
        if (red > g.GWidth / 2) rows.push_back(y);
    }
    return rows;
}

} // namespace

TEST_F(WindowTest, TypedEnergyMovesTheRedLineAndReturnDrawsAtIt) {
    Graph& g = *w->Graph1;
    const int groundLasti = w->solver.lasti;
    typeEnergy("5");
    EXPECT_EQ(redRows(g, picture(&g)), std::vector<int>{g.YCoord(5)});
    EXPECT_TRUE(w->Graph2->GetSString(w->Graph2->Title).endsWith("Solution for Energy = 5 eV"));
    EXPECT_EQ(w->solver.lasti, groundLasti); // typing alone does not integrate
    typeEnergy("25");                        // above the plot: along its top edge
    EXPECT_EQ(redRows(g, picture(&g)), std::vector<int>{g.GTop});
    typeEnergy("-3");
    EXPECT_EQ(redRows(g, picture(&g)), std::vector<int>{g.GTop + g.GHeight});

    typeEnergy("1.5");
    QTest::keyClick(w->EFEnergy, Qt::Key_Return);
    Solver oracle;
    oracle.DrawWell(100);
    oracle.Energy = 1.5;
    oracle.DrawEta(RowWell);
    EXPECT_EQ(w->solver.lasti, oracle.lasti);
    EXPECT_EQ(w->solver.NCrossings, oracle.NCrossings);
}

TEST_F(WindowTest, FindPublishesTheNextLevelOrBeeps) {
    pressFind();
    EXPECT_EQ(energyText(), "1.20644009518");
    EXPECT_EQ(w->solver.Energy, 1.20644009518);
    // Nothing below the top of the well: the field keeps its text, and Draw and the red line
    // stay at the energy shown.
    typeEnergy("9.9");
    pressFind();
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(energyText(), "9.9");
    EXPECT_EQ(w->solver.Energy, 9.9);
    EXPECT_FALSE(w->BusyFindingEta);
}
