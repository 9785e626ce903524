#pragma once

// What each row of the potential menu offers: its name, its parameter sliders (range, start,
// unit, title, end labels) and the option that sets each slider on the command line. The row
// set-up, the command line and their tests all read this one table.

#include "solver/core/Solver.h"

#include <array>
#include <string_view>

struct SliderInfo {
    std::string_view option; // command-line option, without "--"
    std::string_view what;   // what it sets, for the command line's help
    int min, max, start;     // slider range and start value
    int perUnit;             // slider steps per unit shown: 100 for nm, 1 for eV
    std::string_view unit;   // "nm", "eV", "eV/nm" or ""
    // The title: `title` + value + " " + unit when `titleShowsValue`, else `title` alone.
    std::string_view title;
    bool titleShowsValue;
    // End labels; empty: the range end in units.
    std::string_view leftText, rightText;
    // The symmetric well's wells (the double barrier's barriers) fit within their centre-to-centre
    // distance: this slider's maximum follows slider 1's value.
    bool maxFollowsSlider1 = false;
};

struct RowInfo {
    PotentialRow row;
    std::string_view menuText; // as the potential menu shows it
    std::string_view option;   // the name --potential takes
    int sliderCount;
    std::array<SliderInfo, 3> sliders;
    bool hasParity = false; // the even/odd popup
};

namespace rows {

// clang-format off
inline constexpr SliderInfo Width{"width", "width", 0, 350, 100, 100, "nm", "Width = ", true, {}, {}};
inline constexpr SliderInfo Separation{"separation", "centre-to-centre distance", 0, 350, 100, 100, "nm", "Ctr to Ctr = ", true, {}, {}};
inline constexpr SliderInfo WellWidth{"well-width", "width of each well", 0, 350, 50, 100, "nm", "Well Width = ", true, {}, {}, true};
inline constexpr SliderInfo LeftHeight{"left", "left wall height", 0, 15, 10, 1, "eV", "Left Height = ", true, {}, {}};
inline constexpr SliderInfo RightHeight{"right", "right wall height", 0, 15, 10, 1, "eV", "Right Height = ", true, {}, {}};
inline constexpr SliderInfo Slope{"slope", "slope", 4, 100, 4, 1, "eV/nm", "Slope", false, {}, "inf"};
inline constexpr SliderInfo Height{"height", "height", 0, 15, 10, 1, "eV", "Height = ", true, {}, {}};
inline constexpr SliderInfo Narrowness{"narrowness", "narrowness", 1, 20, 1, 1, "", "Narrowness", false, "Wd", "Nw"};
// The scattering rows: the wells turned over start lower, where tunnelling is easy to see.
inline constexpr SliderInfo BarrierWidth{"width", "width", 0, 350, 50, 100, "nm", "Width = ", true, {}, {}};
inline constexpr SliderInfo BarrierHeight{"height", "height", 0, 15, 5, 1, "eV", "Height = ", true, {}, {}};
inline constexpr SliderInfo BarrierSeparation{"separation", "centre-to-centre distance", 0, 350, 120, 100, "nm", "Ctr to Ctr = ", true, {}, {}};
inline constexpr SliderInfo EachBarrierWidth{"barrier-width", "width of each barrier", 0, 350, 20, 100, "nm", "Barrier Width = ", true, {}, {}, true};

} // namespace rows

inline constexpr std::array<RowInfo, 10> PotentialRows{{
    {RowWell,          "Well",           "well",       1, {rows::Width, {}, {}}},
    {RowSymmetricWell, "Symmetric Well", "symmetric",  2, {rows::Separation, rows::WellWidth, {}}, true},
    {RowUneven,        "Uneven",         "uneven",     3, {rows::Width, rows::LeftHeight, rows::RightHeight}},
    {RowRamp,          "Ramp",           "ramp",       2, {rows::Slope, rows::Height, {}}},
    {RowOscillator,    "Oscillator",     "oscillator", 1, {rows::Narrowness, {}, {}}},
    {RowHydrogen,      "Hydrogen",       "hydrogen",   0, {}},
    {RowDraw,          "Draw",           "draw",       0, {}},
    {RowBarrier,       "Barrier",        "barrier",    2, {rows::BarrierWidth, rows::BarrierHeight, {}}},
    {RowDoubleBarrier, "Double Barrier", "double-barrier", 3, {rows::BarrierSeparation, rows::EachBarrierWidth, rows::Height}},
    {RowStep,          "Step",           "step",       1, {rows::BarrierHeight, {}, {}}},
}};
// clang-format on

// The rows in menu order are the rows by number.
static_assert([] {
    for (std::size_t i = 0; i < PotentialRows.size(); ++i)
        if (PotentialRows[i].row != int(i)) return false;
    return true;
}());

inline constexpr const RowInfo& RowOf(int row) {
    return PotentialRows[std::size_t(row)];
}
