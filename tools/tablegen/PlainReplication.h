#pragma once

#include <Eigen/Dense>

#include "tools/tablegen/Random.h"

namespace tablegen {

// The same replication as Replication, written the plain way: the correlation matrix from sums
// of products in nested loops. Kept as the yardstick that the fast one is measured and checked
// against; the tables never use it.
class PlainReplication {
  public:
    PlainReplication(int p, int n);

    void Run(Xoshiro256& stream, double* eigenvalues);

    const Eigen::MatrixXd& Correlation() const { return m_correlation; }

  private:
    int m_p;
    int m_n;
    Eigen::MatrixXd m_sample;
    Eigen::MatrixXd m_correlation;
    Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd> m_solver;
};

}  // namespace tablegen
