#pragma once

#include <Eigen/Dense>

#include "tools/tablegen/Random.h"

namespace tablegen {

// One replication of the experiment behind the tables: an n x p sample of independent standard
// normal draws, its Pearson correlation matrix, and that matrix's eigenvalues. The workspace
// keeps its matrices between replications of the same size.
class Replication {
  public:
    Replication(int p, int n);

    // Draws the sample from stream and writes the p eigenvalues, largest first, to eigenvalues.
    void Run(Xoshiro256& stream, double* eigenvalues);

    int P() const { return m_p; }
    int N() const { return m_n; }

    // The correlation matrix of the last run (lower triangle filled), for checking.
    const Eigen::MatrixXd& Correlation() const { return m_correlation; }

  private:
    int m_p;
    int m_n;
    Eigen::MatrixXd m_sample;
    Eigen::MatrixXd m_correlation;
    Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd> m_solver;
};

// Fills sample (column by column) with standard normal draws from stream, then centres each
// column and scales it to unit length, so that its cross-product is the correlation matrix.
void DrawStandardisedSample(Xoshiro256& stream, Eigen::MatrixXd& sample);

}  // namespace tablegen
