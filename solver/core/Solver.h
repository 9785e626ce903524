#pragma once

// The Qt-free model of the solver: the grid, the potential builders, the handles that the
// mouse edits, the integration of the Schroedinger equation and the search for its levels.
// It knows nothing of windows; Window1 owns one and adds the GUI side.

#include "solver/core/Constants.h"

#include <array>
#include <functional>
#include <utility>

// The rows of the potential menu; the solver tests the row by number.
enum PotentialRow : int {
    RowWell = 0,
    RowSymmetricWell = 1,
    RowUneven = 2,
    RowRamp = 3,
    RowOscillator = 4,
    RowHydrogen = 5,
    RowDraw = 6,
    RowBarrier = 7,
    RowDoubleBarrier = 8,
    RowStep = 9,
};

// Grid index i = 0 ... 1000 lies at x = (i - 500) * 0.01 nm. The visible window is grid
// indices 325 ... 675; handle index k = 0 ... 350 sits at grid index k + 325.
inline constexpr int GridLast = 1000;
inline constexpr int WindowFirst = 325;
inline constexpr int WindowLast = 675;
inline constexpr int HandleLast = 350;
inline constexpr double NoHandle = -100.0;
// Handle k sits at x = (k - 175) / 100 nm; position x (nm) falls on fractional handle index kx.
inline constexpr int CentreHandle = 175;
inline constexpr double HandleX(double k) {
    return (k - CentreHandle) / 100.0;
}
inline constexpr double HandleIndexAt(double x) {
    return x * 100 + CentreHandle;
}
// What the display copy of the wave function holds past the tail's cut-off: a value far off the
// plot's scale, which the plot clips away.
inline constexpr double OffScale = 40.0;

// The walls of the Well and Symmetric Well rows, in eV.
inline constexpr int WellWall = 10;
// The oscillator's k in eV per squared grid step for the narrowness slider's value: V is
// 10 N x^2 eV with x in nm.
inline constexpr double OscillatorStrength(int narrowness) {
    return narrowness / 1000.0;
}

class Solver {
  public:
    using YieldFn = std::function<void()>;

    // `yield` is called once per integration and once per pass of the search, so a long
    // computation can let the framework breathe; an empty one yields nothing.
    explicit Solver(YieldFn yield = {}) : yield_(std::move(yield)) {}

    // State. Arrays are 1004 long; indices 0 ... 1000 (1001 for feta) are used.
    std::array<double, 1004> PEGraph{}; // potential V(i) in eV at grid index i
    std::array<double, 351> Points{};   // handle values in eV; NoHandle where there is none
    std::array<double, 1004> eta{};     // unscaled wave function of the last integration
    std::array<double, 1004> feta{};    // display copy: eta / max before the cut-off, 40 after
    double Energy = 0;                  // trial energy in eV
    double fMaxE = 0;                   // upper limit of the search in eV
    double max = 0;                     // largest |eta| at classically allowed points
    double MinGraph = 0;                // potential level left of the visible window
    double MaxGraph = 0;                // potential level right of the visible window
    int lasti = 0;                      // last step of the last integration
    int NCrossings = 0;                 // sign changes at classically allowed points
    int NSignChanges = 0;               // sign changes anywhere up to lasti: levels below Energy
    bool NewStep = false;               // the search's step ladder has steps left
    bool symmetric = false;             // Symmetric Well: even (true) or odd (false) solution
    // The recurrence's 2 m dx^2 / hbar^2, in 1/eV: the electron's unless a particle of another
    // mass is chosen.
    double stepFactor = phys::StepFactor;

    // Builders: fill PEGraph and the handles, and the levels named in each.
    void ClearHandles();
    void DrawWell(int w);
    void DrawDoubleWell(int a, int b);
    void DrawUnevenWell(int w, int hl, int hr);
    void DrawRamp(int s, int h);
    void DrawOscillator(double k);
    void DrawHydrogen();
    // The scattering rows, 0 outside. The barrier is DrawWell(w) upside down and the double
    // barrier DrawDoubleWell(a, b) upside down: V = h where that row has 0, 0 elsewhere, with
    // the same handles turned over. The step is 0 below grid index 500 and h from it on.
    void DrawBarrier(int w, int h);
    void DrawDoubleBarrier(int a, int b, int h);
    void DrawStep(int h);
    // The starting point of a hand-drawn potential: no handles, 10 eV everywhere.
    void DrawFlat();
    // The builder of row `row` with the row's slider values, as the window calls it; the Draw
    // row starts flat. Barrier: s1 width, s2 height; double barrier: s1 centre-to-centre, s2
    // barrier width, s3 height; step: s1 height.
    void BuildRow(int row, int s1, int s2, int s3);
    // Bound states lie below both levels outside the window: fMaxE := the lower of them.
    void LimitSearchToOutsideLevels();

    // Integration at Energy for the potential row `row`; writes eta, max, lasti, NCrossings,
    // NSignChanges.
    void DrawEta(int row);
    // Scales eta into feta.
    void DrawEtaToScreen();
    // The search ladder's step for refinement level n; writes NewStep.
    double StepSize(int n);
    // Searches upward from Energy for the next level. Returns true when a level was found
    // (Energy then lies on the upper side of the bracket); false when the search must beep
    // (nothing below fMaxE, or the tail never changed sign). Integrations stay as they ended.
    bool CalculateEnergy(int row);

    // Mouse editing. Positions are fractional handle indices kx, values in eV.
    // The handle a press at (kx, value) picks: kx + 1, then kx, then kx - 1; -1 if none.
    int HitHandle(double kx, double value) const;
    // A press that picked no handle: creates a handle at kx (and its mirror when `mirror`)
    // when `inBand` and 0 <= kx <= 350, pins the ends to MinGraph / MaxGraph and rebuilds.
    void ClickAt(double kx, double value, bool inBand, bool mirror);
    // The release of a dragged handle: pins the ends, stores the value (and the mirror's),
    // rebuilds. A dropped end handle sets the level beyond its end of the window, and with it
    // the search limit, so the curve meets the handle.
    void DropAt(int permX, double value, bool mirror);
    // The potential on the grid from straight lines between consecutive handles.
    void RebuildFromHandles();

  private:
    // Handle k = trunc(position) := value, unless k lies outside 0 ... HandleLast.
    void setHandle(double position, double value);
    // PEGraph(i) := value for every grid index i with from <= i <= to.
    void fill(double from, double to, double value);
    // Turns the potential and the handles just built upside down: h where they hold 0, 0 at
    // every other point and handle; then the leads are 0 and nothing is bound.
    void turnOver(int h);
    // The recurrence for steps first ... last with V(i) = pot[i]; writes eta, lasti, max,
    // NCrossings.
    void integrate(const double* pot, int first, int last);

    void yield() const {
        if (yield_) yield_();
    }

    YieldFn yield_;
};
