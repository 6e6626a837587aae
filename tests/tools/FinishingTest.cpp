#include "tools/tablegen/Finishing.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

using tablegen::CellMoments;
using tablegen::FinishCell;

std::int64_t Sum(const std::vector<std::int64_t>& units) {
    return std::accumulate(units.begin(), units.end(), std::int64_t{0});
}

TEST(Finishing, ReferenceEntriesReplaceTheSimulatedValues) {
    CellMoments cell{10, 100, {}, {}};
    for (int k = 0; k < 10; ++k) {
        cell.mean.push_back(1.45 - 0.1 * k);
        cell.standardError.push_back(0.002);
    }
    const auto finished = FinishCell(cell);
    EXPECT_EQ(finished.s, 0);
    const std::vector<std::int64_t> eigen(finished.eigenvalues.begin(),
                                          finished.eigenvalues.begin() + 5);
    const std::vector<std::int64_t> errors(finished.standardErrors.begin(),
                                           finished.standardErrors.begin() + 5);
    EXPECT_EQ(eigen, (std::vector<std::int64_t>{15270, 13587, 12304, 11169, 10211}));
    EXPECT_EQ(errors, (std::vector<std::int64_t>{103, 70, 55, 41, 43}));
    EXPECT_EQ(finished.standardErrors[5], 20);
    EXPECT_LE(std::llabs(Sum(finished.eigenvalues) - 100000), 9);
}

TEST(Finishing, TheFreeEntriesTakeUpTheGapToTheTraceByTheirVariance) {
    // Twenty entries 0.0060 too many in all; the second ten have four times the variance of the
    // first ten, and the last has none.
    CellMoments cell{20, 300, {}, {}};
    std::vector<std::int64_t> base;
    for (int k = 0; k < 20; ++k) {
        base.push_back(19500 - 1000 * k + (k == 0 ? 60 : 0));
    }
    ASSERT_EQ(Sum(base), 200060);
    for (int k = 0; k < 20; ++k) {
        cell.mean.push_back(base[k] / 10000.0);
        cell.standardError.push_back(k < 10 ? 0.001 : (k < 19 ? 0.002 : 0.0));
    }
    const auto finished = FinishCell(cell);
    for (int k = 0; k < 20; ++k) {
        const std::int64_t moved = k < 10 ? -1 : (k < 19 ? -5 : 0);  // -60/46 and -240/46
        EXPECT_EQ(finished.eigenvalues[k], base[k] + moved) << "i " << k + 1;
    }
    EXPECT_EQ(finished.standardErrors[0], 10);
    EXPECT_EQ(finished.standardErrors[19], 0);
}

TEST(Finishing, WhenRoundingMissesTheSumTheLargestRemaindersRoundUp) {
    // Fifty entries that each round down by 0.46 units: 23 units short in all.
    CellMoments cell{50, 400, {}, {}};
    std::vector<std::int64_t> whole;
    for (int k = 0; k < 50; ++k) {
        whole.push_back(19800 - 400 * k - (k == 0 ? 23 : 0));
        cell.mean.push_back((static_cast<double>(whole[k]) + 0.46) / 10000.0);
        cell.standardError.push_back(0.001);
    }
    const auto finished = FinishCell(cell);
    EXPECT_EQ(Sum(finished.eigenvalues), 500000);
    for (int k = 0; k < 50; ++k) {
        EXPECT_GE(finished.eigenvalues[k], whole[k]);
        EXPECT_LE(finished.eigenvalues[k], whole[k] + 1);
    }
}

TEST(Finishing, ShortEntriesKeepThreeDecimals) {
    // 55 variables at 2,500 subjects: entries 6, 31, 42, 49 and 55 have three decimals.
    CellMoments cell{55, 2500, {}, {}};
    for (int k = 0; k < 55; ++k) {
        cell.mean.push_back(1.0 + (27 - k) * 0.001);
        cell.standardError.push_back(0.0005);
    }
    cell.mean[30] += 0.00037;
    cell.mean[31] -= 0.00037;
    // The reference entry 6 is 1.208; the last entry balances it, so the sum stays 55.
    cell.mean[54] -= 1.208 - cell.mean[5];
    cell.mean[5] = 1.208;
    const auto finished = FinishCell(cell);
    EXPECT_EQ(finished.eigenvalues[5], 12080);  // the reference entry "1.208"
    EXPECT_EQ(finished.eigenvalues[30], 9970);
    EXPECT_EQ(finished.eigenvalues[31], 9956);

    const auto texts = tablegen::WriteTables({finished});
    std::vector<std::string> fields;
    std::size_t begin = 0;
    for (std::size_t end; (end = texts.eigenvalues.find('\r', begin)) != std::string::npos;
         begin = end + 1) {
        fields.push_back(texts.eigenvalues.substr(begin, end - begin));
    }
    fields.push_back(texts.eigenvalues.substr(begin));
    ASSERT_EQ(fields.size(), 55u);
    EXPECT_EQ(fields[5], "1.208");
    EXPECT_EQ(fields[30], "0.997");
    EXPECT_EQ(fields[31], "0.9956");
    for (int i : {6, 31, 42, 49, 55}) {
        EXPECT_EQ(fields[i - 1].size(), 5u) << "i " << i;
    }
    EXPECT_EQ(texts.standardErrors.substr(0, 6), ".0005\r");
}

TEST(Finishing, TablesRunByBlockThenEigenvalueThenSubjects) {
    tablegen::FinishedCell a{5, 0, {12808, 11151, 9996, 8712, 7332}, {74, 50, 42, 53, 64}};
    tablegen::FinishedCell b{5, 1, {12333, 10947, 9925, 8960, 7835}, {62, 43, 32, 39, 51}};
    tablegen::FinishedCell c{10, 0, std::vector<std::int64_t>(10, 10000),
                             std::vector<std::int64_t>(10, 1)};
    const auto texts = tablegen::WriteTables({a, b, c});
    EXPECT_EQ(texts.eigenvalues.substr(0, 28), "1.2808\r1.2333\r1.1151\r1.0947\r");
    EXPECT_EQ(texts.eigenvalues.size(), 20 * 7u - 1);
    EXPECT_EQ(texts.standardErrors.substr(0, 12), ".0074\r.0062\r");
    EXPECT_EQ(texts.standardErrors.substr(texts.standardErrors.size() - 6), "\r.0001");
}

}  // namespace
