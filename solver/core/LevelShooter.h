#pragma once

// The lowest levels of a GridProblem found with the program's own integration, the method the
// program teaches:
// - the recurrence is run inward from both ends and glued where they meet; the glued vector's
//   sign changes, plus the sign of the mismatch there, count the eigenvalues below E exactly
//   (the inertia of the twisted factorisation of H - E), which brackets every level;
// - E moves by Newton's step on the glued halves' phase, which rises smoothly by pi from level
//   to level; the Rayleigh quotient of the glued vector (the Numerov-Cooley correction) gives
//   the level's last digits; once Newton's steps converge fast enough, the last pass is
//   saved and the vector taken on the line through the last two passes' vectors;
// - a step that leaves the bracket falls back to interpolation or bisection on the count.
// Its buffers are kept between calls, so one instance per thread serves every spectrum.

#include "solver/core/GridProblem.h"

#include <vector>

class LevelShooter {
  public:
    // The lowest levels of `p` below `limit`, at most `maxCount`, into `out` (whose buffers are
    // reused). A level is settled when its correction converged on the level the count names.
    void Solve(const GridProblem& p, double limit, int maxCount, Eigenpairs& out);

  private:
    struct Pass {
        int count = 0;         // eigenvalues of H below E
        int nodes = 0;         // sign changes of the glued vector
        double shift = 0;      // Rayleigh quotient - E
        int peak = 0;          // the unknown where the glued vector is largest
        double phase = 0;      // the glued halves' phase, (k + 1) pi at level k
        double phaseSlope = 0; // its derivative in E
    };

    // Both inward integrations at E, glued at unknown m; the peak, where they should meet next,
    // when `findPeak` (else the pass says m).
    Pass integrate(double E, int m, bool findPeak);
    // Copies the last pass's glued vector, 1 at its matching point, into `to`; with a
    // `shift`, the vector at that much higher energy, on the line through the pass before.
    void glue(double* to, double shift = 0) const;
    // Where the halves meet at E: the allowed point nearest the middle of the classically
    // allowed region; the lowest point when none.
    int matchingPoint(double E) const;
    // Where the integrations start at energies near E: deep enough in the forbidden tails.
    void cutTails(double E);
    // Finds level k in (lo, hi), starting from `guess`; writes it into out column k.
    void findLevel(int k, double lo, double guess, Eigenpairs& out);

    GridProblem p_;
    double tolerance_ = 0; // eV: where the correction and the bracket stop
    // One pass's inward integrations: psi from each end at index j + 1, j = -1 ... size.
    struct Halves {
        std::vector<double> left, right;
        double E = 0;
        int match = 0;        // where they were glued
        int from = 0, to = 0; // the unknowns they started from
    };
    Halves halves_;                  // the last pass's
    Halves before_;                  // and the one before, for the line through both
    std::vector<double> above_;      // above_[k]: the lowest energy seen with more than k below
    std::vector<double> abovePhase_; // and the phase there
    std::vector<double> estimate_;   // estimate_[k]: a corrected energy whose vector had k nodes
    std::vector<double> closeness_;  // and the correction that gave it
    double lowest_ = 0;              // the potential's lowest value
    double limit_ = 0;               // the levels lie below this
    double cutEnergy_ = 0;           // the cuts hold up to this energy
    double cutFloor_ = 0;            // and are needlessly wide below this one
    int cutLeft_ = 0;                // the unknowns the integrations start from
    int cutRight_ = 0;
};
