#include "tools/tablegen/Random.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <vector>

namespace {

using tablegen::NormalSource;
using tablegen::Xoshiro256;

TEST(Random, EachReplicationHasItsOwnStream) {
    // Streams keyed by neighbouring seeds, sizes and replications all differ.
    const std::uint64_t first = Xoshiro256(1, 10, 100, 0).Next();
    EXPECT_NE(first, Xoshiro256(2, 10, 100, 0).Next());
    EXPECT_NE(first, Xoshiro256(1, 15, 100, 0).Next());
    EXPECT_NE(first, Xoshiro256(1, 10, 150, 0).Next());
    EXPECT_NE(first, Xoshiro256(1, 10, 100, 1).Next());
    // The key words do not commute.
    EXPECT_NE(Xoshiro256(1, 100, 10, 0).Next(), Xoshiro256(1, 10, 100, 0).Next());
    EXPECT_EQ(first, Xoshiro256(1, 10, 100, 0).Next());
}

TEST(Random, UnitDrawsStayInsideTheHalfOpenInterval) {
    Xoshiro256 stream(7, 5, 100, 3);
    double sum = 0;
    const int count = 100000;
    for (int k = 0; k < count; ++k) {
        const double u = stream.NextUnit();
        ASSERT_GE(u, 0.0);
        ASSERT_LT(u, 1.0);
        sum += u;
    }
    EXPECT_NEAR(sum / count, 0.5, 5 * std::sqrt(1.0 / 12 / count));
}

TEST(Random, NormalDrawsHaveTheMomentsOfTheStandardNormal) {
    Xoshiro256 stream(11, 20, 300, 0);
    NormalSource normal(stream);
    const int count = 400000;
    double sum = 0, squares = 0, fourth = 0;
    int beyondTwo = 0;
    for (int k = 0; k < count; ++k) {
        const double z = normal.Next();
        sum += z;
        squares += z * z;
        fourth += z * z * z * z;
        beyondTwo += std::fabs(z) > 2.0;
    }
    // Each bound is about five standard errors wide.
    EXPECT_NEAR(sum / count, 0.0, 5 / std::sqrt(count));
    EXPECT_NEAR(squares / count, 1.0, 5 * std::sqrt(2.0 / count));
    EXPECT_NEAR(fourth / count, 3.0, 5 * std::sqrt(96.0 / count));
    EXPECT_NEAR(static_cast<double>(beyondTwo) / count, 0.0455, 5 * std::sqrt(0.0455 / count));
}

TEST(Random, NormalDrawsFollowTheNormalDistributionIntoTheTails) {
    // The share of draws at or below z against the normal distribution function, from the
    // middle out past the start of the tail (3.44).
    Xoshiro256 stream(13, 40, 500, 2);
    NormalSource normal(stream);
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

}  // namespace
