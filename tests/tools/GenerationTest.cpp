#include "tools/tablegen/Generation.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

tablegen::SimulationRequest SmallGrid(int threads, std::uint64_t seed) {
    tablegen::SimulationRequest request;
    request.vars = {10, 15};
    request.subjects = {100, 150};
    request.replications = 50;
    request.seed = seed;
    request.threads = threads;
    return request;
}

TEST(Generation, SameBytesWhateverTheNumberOfThreads) {
    const auto one = tablegen::GenerateTables(SmallGrid(1, 123));
    const auto four = tablegen::GenerateTables(SmallGrid(4, 123));
    EXPECT_EQ(one.eigenvalues, four.eigenvalues);
    EXPECT_EQ(one.standardErrors, four.standardErrors);
    // 10 and 15 eigenvalues at two numbers of subjects.
    EXPECT_EQ(std::count(one.eigenvalues.begin(), one.eigenvalues.end(), '\r'), 49);
    EXPECT_EQ(one.eigenvalues.substr(0, 14), "1.5270\r1.4404\r");

    const auto otherSeed = tablegen::GenerateTables(SmallGrid(4, 124));
    EXPECT_NE(one.eigenvalues, otherSeed.eigenvalues);
}

TEST(Generation, ReplicationsAreSummarisedInOrder) {
    // One eigenvalue over four replications: 1, 2, 3, 4.
    const auto cell = tablegen::SummariseReplications(1, 100, {1, 2, 3, 4}, 4);
    EXPECT_EQ(cell.mean[0], 2.5);
    EXPECT_DOUBLE_EQ(cell.standardError[0], std::sqrt(5.0 / 3.0) / 2.0);
}

}  // namespace
