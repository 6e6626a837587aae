#include "tools/tablegen/PlainReplication.h"

#include <cmath>
#include <vector>

namespace tablegen {

PlainReplication::PlainReplication(int p, int n)
    : m_p(p), m_n(n), m_sample(n, p), m_correlation(p, p), m_solver(p) {}

void PlainReplication::Run(Xoshiro256& stream, double* eigenvalues) {
    NormalSource normal(stream);
    for (int j = 0; j < m_p; ++j) {
        for (int r = 0; r < m_n; ++r) {
            m_sample(r, j) = normal.Next();
        }
    }
    std::vector<double> mean(m_p, 0.0);
    for (int j = 0; j < m_p; ++j) {
        for (int r = 0; r < m_n; ++r) {
            mean[j] += m_sample(r, j);
        }
        mean[j] /= m_n;
    }
    for (int j = 0; j < m_p; ++j) {
        for (int k = 0; k <= j; ++k) {
            double products = 0;
            for (int r = 0; r < m_n; ++r) {
                products += (m_sample(r, j) - mean[j]) * (m_sample(r, k) - mean[k]);
            }
            m_correlation(j, k) = products;
        }
    }
    std::vector<double> scale(m_p);
    for (int j = 0; j < m_p; ++j) {
        scale[j] = 1.0 / std::sqrt(m_correlation(j, j));
    }
    for (int j = 0; j < m_p; ++j) {
        for (int k = 0; k <= j; ++k) {
            m_correlation(j, k) *= scale[j] * scale[k];
        }
    }
    m_solver.compute(m_correlation, Eigen::EigenvaluesOnly);
    for (int i = 0; i < m_p; ++i) {
        eigenvalues[i] = m_solver.eigenvalues()[m_p - 1 - i];
    }
}

}  // namespace tablegen
