#pragma once

// The eigenpairs that shooting cannot tell apart, from LAPACK: levels so close (drawn double
// wells far apart) that no double-precision glued vector separates one from the other. And the
// reorthogonalisation of levels close enough that their vectors lean toward each other.

#include "solver/core/GridProblem.h"

// Replaces the pairs first ... last (indices from the lowest, 0) of `pairs` with LAPACK's:
// values by bisection (dstebz), vectors by inverse iteration on them (dstein), then
// reorthogonalised. Leaves them as they were if LAPACK fails.
void SolveCluster(const GridProblem& p, int first, int last, Eigenpairs& pairs);

// Normalises the vectors first ... last of `pairs` and makes each orthogonal to those before it
// (modified Gram-Schmidt).
void Reorthonormalise(Eigenpairs& pairs, int first, int last);
