// The model: Find against the spectrum of drawn potentials, the particle's mass, and undo.
#include "model/Model.h"

#include "model/EnergyText.h"
#include "solver/core/ExactLevels.h"
#include "solver/core/FindLevel.h"
#include "solver/core/Spectrum.h"

#include <gtest/gtest.h>

#include <QUndoStack>

#include <random>
#include <vector>

namespace {

// A drawn potential from [index, eV] handles; both ends must be among them.
Setup drawn(std::initializer_list<std::pair<int, double>> handles, int row = RowDraw) {
    ::Setup s = WithRow(Setup{}, row);
    Handles h;
    h.fill(NoHandle);
    for (const auto& [k, v] : handles) h[std::size_t(k)] = v;
    s.reshape = h;
    return s;
}

// Every energy Find publishes from the row's start energy, until it says there is none.
std::vector<double> findAll(Model& m) {
    std::vector<double> out;
    double shown = StartEnergy(m.Value().row);
    while (out.size() < 200 && m.Find(shown)) {
        shown = m.Value().energy;
        out.push_back(shown);
    }
    return out;
}

Spectrum spectrumOf(const Setup& s) {
    Solver built;
    BuildPotential(s, built);
    return ComputeSpectrum(built.PEGraph, PhysicsRow(s), built.fMaxE, 1000, s.mass);
}

// Find publishes each level once, in order, on its upper side within the search's last step
// (the field's eleven decimals may round it down by half a step). Levels that the eleven
// decimals cannot tell apart are one energy shown, published once.
void expectFindWalksTheSpectrum(const ::Setup& s) {
    Model m;
    m.Open(s);
    const std::vector<double> found = findAll(m);
    std::vector<double> levels;
    for (const BoundState& b : spectrumOf(s).states)
        if (levels.empty() || b.energy - levels.back() > 2e-11) levels.push_back(b.energy);
    ASSERT_EQ(found.size(), levels.size());
    for (std::size_t j = 0; j < found.size(); ++j)
        EXPECT_TRUE(found[j] >= levels[j] - 0.6e-11 && found[j] <= levels[j] + 1.6e-11)
            << j << ": " << EnergyText(found[j]).toStdString() << " for " << levels[j];
}

} // namespace

TEST(Find, PublishesEveryLevelOfDrawnPotentialsOnceNearDegeneratePairsIncluded) {
    // Two equal square dips: a pair 0.94 meV apart that the search used to step over.
    const ::Setup twoWells = drawn({{0, 10},
                                    {119, 10},
                                    {120, 0},
                                    {129, 0},
                                    {130, 10},
                                    {219, 10},
                                    {220, 0},
                                    {229, 0},
                                    {230, 10},
                                    {350, 10}});
    expectFindWalksTheSpectrum(twoWells);
    Model m;
    m.Open(twoWells);
    const std::vector<double> found = findAll(m);
    ASSERT_GE(found.size(), 2u);
    EXPECT_EQ(EnergyText(found[0]), "6.35716370311");
    EXPECT_EQ(EnergyText(found[1]), "6.35810410082");
    // Far apart, the pair's splitting falls far below the search's first steps.
    expectFindWalksTheSpectrum(drawn({{0, 12},
                                      {40, 12},
                                      {41, 2},
                                      {60, 2},
                                      {61, 12},
                                      {289, 12},
                                      {290, 2},
                                      {309, 2},
                                      {310, 12},
                                      {350, 12}}));
    std::mt19937 rng(17);
    for (int trial = 0; trial < 40; ++trial) {
        SCOPED_TRACE(trial);
        std::uniform_real_distribution<double> ev(0, 15);
        const double left = ev(rng), right = ev(rng);
        ::Setup s = drawn({{0, left}, {350, right}});
        // Random dips, and now and then a mirror image, as the Symmetric Well row draws them.
        const bool mirrored = trial % 4 == 0;
        for (int d = std::uniform_int_distribution<int>(1, 6)(rng); d > 0; --d) {
            const int k = std::uniform_int_distribution<int>(1, 349)(rng);
            const double v = ev(rng);
            (*s.reshape)[std::size_t(k)] = v;
            if (mirrored) (*s.reshape)[std::size_t(350 - k)] = v;
        }
        expectFindWalksTheSpectrum(s);
    }
}

TEST(Find, AReshapedSymmetricWellHasTheLevelsOfTheSamePotentialInAnyRow) {
    const ::Setup inWell = drawn({{0, 10}, {175, 0}, {350, 10}}, RowWell);
    const ::Setup inSymmetric = drawn({{0, 10}, {175, 0}, {350, 10}}, RowSymmetricWell);
    Model a, b;
    a.Open(inWell);
    b.Open(inSymmetric);
    const std::vector<double> levels = findAll(a);
    EXPECT_EQ(findAll(b), levels);
    ASSERT_FALSE(levels.empty());
    EXPECT_EQ(EnergyText(levels[0]), "1.09538249945");
    // The row's own potential keeps its half-problems: the even ground state of the 1 nm pair.
    Model own;
    own.ChooseRow(RowSymmetricWell);
    EXPECT_EQ(own.Value().energyText,
              EnergyText(spectrumOf(own.Value()).states[0].energy + 0.5e-11).toStdString());
}

TEST(Mass, LevelsFollowTheParticleAndMatchTheContinuum) {
    // The oscillator's levels are (n + 1/2) hbar omega with omega ~ 1/sqrt(m), for the grid
    // as for the continuum; a heavier particle also has more bound states in a well.
    for (const double mass : {0.067, 0.51, 2.0}) {
        SCOPED_TRACE(mass);
        Model m;
        m.SetMass(mass);
        m.ChooseRow(RowOscillator);
        const Spectrum grid = spectrumOf(m.Value());
        const ExactLevels exact =
            ExactLevelsOf(RowOscillator, m.Value().sliders[0], 0, 0, 1e9, 5, mass);
        ASSERT_GE(grid.states.size(), 5u);
        for (int n = 0; n < 5; ++n)
            EXPECT_NEAR(grid.states[std::size_t(n)].energy / exact.levels[std::size_t(n)].energy, 1,
                        2e-3 * std::sqrt(mass) + 1e-4);
        EXPECT_NEAR(
            exact.levels[0].energy * std::sqrt(mass),
            ExactLevelsOf(RowOscillator, m.Value().sliders[0], 0, 0, 1e9, 1).levels[0].energy,
            1e-12);
        // Find agrees with the spectrum for any mass, the first level found on choosing the row.
        EXPECT_NEAR(m.Value().energy, grid.states[0].energy, 1.6e-11);
    }
    Model light, heavy;
    light.SetMass(0.067);
    heavy.SetMass(2);
    light.ChooseRow(RowWell);
    heavy.ChooseRow(RowWell);
    EXPECT_LT(spectrumOf(light.Value()).states.size(), spectrumOf(heavy.Value()).states.size());
    EXPECT_GT(light.Value().energy, heavy.Value().energy);
}

TEST(Undo, EveryChangeIsOneCommandAndADragIsOne) {
    Model m;
    QUndoStack& stack = *m.UndoStack();
    std::vector<::Setup> seen{m.Value()};
    m.ChooseRow(RowSymmetricWell);
    seen.push_back(m.Value());
    m.MoveSlider(1, 40); // the wells' width follows the distance down
    EXPECT_EQ(m.Value().sliders[1], 40);
    seen.push_back(m.Value());
    m.SetParity(false);
    seen.push_back(m.Value());
    m.Find(m.Value().energy);
    seen.push_back(m.Value());
    for (int v = 41; v <= 60; ++v) m.MoveSlider(2, std::min(v, 40), true);
    for (int v = 100; v <= 200; v += 10) m.MoveSlider(1, v, true);
    m.EndSliderDrag();
    seen.push_back(m.Value());
    for (int v = 190; v >= 150; v -= 10) m.MoveSlider(1, v, true); // a second drag
    m.EndSliderDrag();
    seen.push_back(m.Value());
    EXPECT_EQ(stack.count(), 6); // the drag of slider 2 ended where it began: no command
    for (int i = int(seen.size()) - 2; i >= 0; --i) {
        stack.undo();
        EXPECT_EQ(m.Value(), seen[std::size_t(i)]) << i;
    }
    for (std::size_t i = 1; i < seen.size(); ++i) {
        stack.redo();
        EXPECT_EQ(m.Value(), seen[i]) << i;
    }
    // A slider move over a reshape rebuilds the row's potential; undo brings the reshape back.
    Solver s = m.Potential();
    s.ClickAt(100, 3, true, true);
    m.Reshape(s.Points, "Create Handle");
    const ::Setup reshaped = m.Value();
    ASSERT_TRUE(reshaped.reshape.has_value());
    m.MoveSlider(1, 150);
    EXPECT_FALSE(m.Value().reshape.has_value());
    stack.undo();
    EXPECT_EQ(m.Value(), reshaped);
}
