#include "tools/tablegen/Replication.h"

namespace tablegen {

void DrawStandardisedSample(Xoshiro256& stream, Eigen::MatrixXd& sample) {
    NormalSource normal(stream);
    double* z = sample.data();
    const Eigen::Index count = sample.size();
    for (Eigen::Index k = 0; k < count; ++k) {
        z[k] = normal.Next();
    }
    for (Eigen::Index j = 0; j < sample.cols(); ++j) {
        auto column = sample.col(j);
        column.array() -= column.mean();
        column /= column.norm();
    }
}

Replication::Replication(int p, int n)
    : m_p(p), m_n(n), m_sample(n, p), m_correlation(p, p), m_solver(p) {}

void Replication::Run(Xoshiro256& stream, double* eigenvalues) {
    DrawStandardisedSample(stream, m_sample);
    m_correlation.setZero();
    m_correlation.selfadjointView<Eigen::Lower>().rankUpdate(m_sample.transpose());
    m_solver.compute(m_correlation, Eigen::EigenvaluesOnly);
    const auto& ascending = m_solver.eigenvalues();
    for (int i = 0; i < m_p; ++i) {
        eigenvalues[i] = ascending[m_p - 1 - i];
    }
}

}  // namespace tablegen
