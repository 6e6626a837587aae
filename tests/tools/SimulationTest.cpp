// The Monte Carlo behind the tables: the random streams, and the grid of replications run on any
// number of threads, checked against replications computed the plain way.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "tools/tablegen/Generation.h"
#include "tools/tablegen/PlainReplication.h"

namespace {

using tablegen::Xoshiro256;

TEST(Random, EachReplicationHasItsOwnStream) {
    // Streams keyed by neighbouring seeds, sizes and replications all differ; the key words
    // do not commute.
    const std::uint64_t first = Xoshiro256(1, 10, 100, 0).Next();
    for (Xoshiro256 other :
         {Xoshiro256(2, 10, 100, 0), Xoshiro256(1, 15, 100, 0), Xoshiro256(1, 10, 150, 0),
          Xoshiro256(1, 10, 100, 1), Xoshiro256(1, 100, 10, 0)}) {
        EXPECT_NE(other.Next(), first);
    }
}

TEST(Random, NormalDrawsFollowTheNormalDistributionIntoTheTails) {
    // The share of draws at or below z against the normal distribution function, from the
    // middle out past the start of the tail (3.44); each bound about five standard errors wide.
    Xoshiro256 stream(13, 40, 500, 2);
    tablegen::NormalSource normal(stream);
    const double cuts[] = {-4.0, -3.5, -3.0, -2.0, -1.0, -0.5, 0.0, 0.3, 1.0, 2.5, 3.5, 4.0};
    const int count = 2000000;
    std::vector<int> below(std::size(cuts), 0);
    for (int k = 0; k < count; ++k) {
        const double z = normal.Next();
        for (std::size_t c = 0; c < std::size(cuts); ++c) {
            below[c] += z <= cuts[c];
        }
    }
    for (std::size_t c = 0; c < std::size(cuts); ++c) {
        const double expected = 0.5 * std::erfc(-cuts[c] / std::sqrt(2.0));
        EXPECT_NEAR(static_cast<double>(below[c]) / count, expected,
                    5 * std::sqrt(expected * (1 - expected) / count) + 1e-6)
            << "z <= " << cuts[c];
    }
}

// Two numbers of variables by two of subjects, 100 replications each.
tablegen::SimulationRequest SmallGrid(int threads, std::uint64_t seed) {
    return {{10, 15}, {100, 150}, 100, seed, threads};
}

TEST(Generation, EveryReplicationDrawsFromItsOwnStreamOnAnyThread) {
    // The moments of each cell are those of its replications run one by one the plain way,
    // replication r on the stream of (seed, p, n, r).
    const auto request = SmallGrid(4, 7);
    const auto cells = tablegen::SimulateGrid(request);
    ASSERT_EQ(cells.size(), 4u);
    auto cell = cells.begin();
    for (int p : request.vars) {
        for (int n : request.subjects) {
            tablegen::PlainReplication replication(p, n);
            std::vector<double> eigenvalues(static_cast<std::size_t>(p) * request.replications);
            for (int r = 0; r < request.replications; ++r) {
                Xoshiro256 stream(request.seed, p, n, r);
                replication.Run(stream, &eigenvalues[static_cast<std::size_t>(r) * p]);
            }
            const auto expected =
                tablegen::SummariseReplications(p, n, eigenvalues, request.replications);
            for (int i = 0; i < p; ++i) {
                EXPECT_NEAR(cell->mean[i], expected.mean[i], 1e-12) << p << ", " << n << ", " << i;
                EXPECT_NEAR(cell->standardError[i], expected.standardError[i], 1e-12) << i;
            }
            ++cell;
        }
    }
    // The standard error is the sample standard deviation over the square root of the count.
    const auto four = tablegen::SummariseReplications(1, 100, {1, 2, 3, 4}, 4);
    EXPECT_EQ(four.mean[0], 2.5);
    EXPECT_DOUBLE_EQ(four.standardError[0], std::sqrt(5.0 / 3.0) / 2.0);
    // Summed in replication order, which keeps the last 1; the other way round both are lost.
    EXPECT_EQ(tablegen::SummariseReplications(1, 100, {1e16, 1, -1e16, 1}, 4).mean[0], 0.25);
}

TEST(Generation, SameBytesWhateverTheNumberOfThreads) {
    const auto one = tablegen::GenerateTables(SmallGrid(1, 123));
    const auto four = tablegen::GenerateTables(SmallGrid(4, 123));
    EXPECT_EQ(one.eigenvalues, four.eigenvalues);
    EXPECT_EQ(one.standardErrors, four.standardErrors);
    EXPECT_NE(one.eigenvalues, tablegen::GenerateTables(SmallGrid(4, 124)).eigenvalues);
    // Blocks by p, eigenvalue number outer, subjects inner; here the reference entries of p = 10.
    EXPECT_TRUE(one.eigenvalues.starts_with("1.5270\r1.4404\r1.3587\r1.2889\r"));
    EXPECT_TRUE(one.standardErrors.starts_with(".0103\r.0084\r.0070\r.0053\r"));
}

}  // namespace
