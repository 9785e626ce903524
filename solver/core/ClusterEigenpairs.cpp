#include "solver/core/ClusterEigenpairs.h"

#include <lapacke.h>

#include <algorithm>
#include <cmath>

void SolveCluster(const GridProblem& p, int first, int last, Eigenpairs& pairs) {
    const lapack_int n = p.size;
    const std::size_t size = std::size_t(n);
    const double inv = 1.0 / p.K;
    std::vector<double> d(size), e(size);
    for (std::size_t j = 0; j < size; ++j) {
        d[j] = 2 * inv + p.v[j];
        e[j] = -inv;
    }
    if (p.flatLeft) d[0] -= inv;

    const int count = last - first + 1;
    lapack_int found = 0, blocks = 0;
    std::vector<double> w(size);
    std::vector<lapack_int> block(size), split(size);
    // The smallest tolerance LAPACK allows: the values as exactly as the matrix defines them.
    const double tolerance = 2 * LAPACKE_dlamch('S');
    if (LAPACKE_dstebz('I', 'E', n, 0, 0, first + 1, last + 1, tolerance, d.data(), e.data(),
                       &found, &blocks, w.data(), block.data(), split.data()) != 0 ||
        found != count)
        return;
    std::vector<double> z(size * std::size_t(count));
    std::vector<lapack_int> failed(z.size() / size);
    if (LAPACKE_dstein(LAPACK_COL_MAJOR, n, d.data(), e.data(), found, w.data(), block.data(),
                       split.data(), z.data(), n, failed.data()) != 0)
        return;

    for (int a = 0; a < count; ++a) {
        const std::size_t k = std::size_t(first + a);
        pairs.values[k] = w[std::size_t(a)];
        pairs.settled[k] = true;
        std::copy_n(z.data() + std::size_t(a) * size, n, pairs.Vector(first + a));
    }
    // dstein reorthogonalises only within a block of close values; make sure of the cluster.
    Reorthonormalise(pairs, first, last);
}

void Reorthonormalise(Eigenpairs& pairs, int first, int last) {
    const int n = pairs.size;
    for (int a = first; a <= last; ++a) {
        double* x = pairs.Vector(a);
        for (int b = first; b < a; ++b) {
            const double* y = pairs.Vector(b);
            double dot = 0;
            for (int j = 0; j < n; ++j) dot += x[j] * y[j];
            for (int j = 0; j < n; ++j) x[j] -= dot * y[j];
        }
        double norm = 0;
        for (int j = 0; j < n; ++j) norm += x[j] * x[j];
        const double scale = 1 / std::sqrt(norm);
        for (int j = 0; j < n; ++j) x[j] *= scale;
    }
}
