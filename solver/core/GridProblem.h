#pragma once

// One eigenvalue problem of the grid: the integration's three-point recurrence
//   psi(j+1) = 2 psi(j) - psi(j-1) - K (E - v(j)) psi(j)
// on the unknowns j = 0 ... size - 1, with psi(size) = 0 and psi(-1) = 0, or psi(-1) = psi(0)
// (zero slope). The energies E where it holds are the eigenvalues of the symmetric tridiagonal
// H = tridiag(-1/K, 2/K + v, -1/K), the first diagonal entry 1/K + v(0) with zero slope.

#include <vector>

struct GridProblem {
    const double* v = nullptr; // the potential at the unknowns, in eV
    int size = 0;
    bool flatLeft = false; // psi(-1) = psi(0)
    double K = 0;          // the integration constant in 1/eV
};

// The lowest eigenpairs of a GridProblem, ascending in energy.
struct Eigenpairs {
    int size = 0;                // entries per vector
    std::vector<double> values;  // eV
    std::vector<double> vectors; // column k: values[k]'s eigenvector, size entries, any norm
    // Whether the pair was settled apart from its neighbours; those that were not, and those
    // too close to a neighbour, go to LAPACK.
    std::vector<char> settled;

    int Count() const { return int(values.size()); }
    double* Vector(int k) { return vectors.data() + std::size_t(k) * std::size_t(size); }
    const double* Vector(int k) const {
        return vectors.data() + std::size_t(k) * std::size_t(size);
    }
};
