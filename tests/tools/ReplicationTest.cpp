#include "tools/tablegen/Replication.h"

#include <gtest/gtest.h>

#include <vector>

#include "tools/tablegen/PlainReplication.h"

namespace {

using tablegen::Xoshiro256;

TEST(Replication, AgreesWithThePlainComputationOnTheSameDraws) {
    for (auto [p, n] : {std::pair{5, 100}, std::pair{20, 150}, std::pair{35, 40}}) {
        tablegen::Replication fast(p, n);
        tablegen::PlainReplication plain(p, n);
        std::vector<double> a(p), b(p);
        Xoshiro256 s1(3, p, n, 9), s2(3, p, n, 9);
        fast.Run(s1, a.data());
        plain.Run(s2, b.data());
        for (int j = 0; j < p; ++j) {
            EXPECT_NEAR(fast.Correlation()(j, j), 1.0, 1e-12);
            for (int k = 0; k <= j; ++k) {
                EXPECT_NEAR(fast.Correlation()(j, k), plain.Correlation()(j, k), 1e-12);
            }
        }
        for (int i = 0; i < p; ++i) {
            EXPECT_NEAR(a[i], b[i], 1e-10) << "p " << p << ", n " << n << ", i " << i + 1;
        }
    }
}

TEST(Replication, EigenvaluesComeLargestFirstAndAddUpToTheVariables) {
    tablegen::Replication replication(30, 200);
    std::vector<double> eigenvalues(30);
    Xoshiro256 stream(5, 30, 200, 0);
    replication.Run(stream, eigenvalues.data());
    double sum = 0;
    for (int i = 0; i < 30; ++i) {
        sum += eigenvalues[i];
        if (i > 0) {
            EXPECT_GT(eigenvalues[i - 1], eigenvalues[i]);
        }
    }
    EXPECT_NEAR(sum, 30.0, 1e-10);
}

TEST(Replication, MoreVariablesThanSubjectsLeavesZeroEigenvalues) {
    // Centring takes one dimension away: n subjects give at most n - 1 nonzero eigenvalues.
    tablegen::Replication replication(12, 10);
    std::vector<double> eigenvalues(12);
    Xoshiro256 stream(5, 12, 10, 0);
    replication.Run(stream, eigenvalues.data());
    EXPECT_GT(eigenvalues[8], 1e-6);
    for (int i = 9; i < 12; ++i) {
        EXPECT_NEAR(eigenvalues[i], 0.0, 1e-12);
    }
}

}  // namespace
