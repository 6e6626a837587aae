// From a cell's simulated moments to its table entries, and from the entries to the table texts.
#include "tools/tablegen/Finishing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/TestText.h"

namespace {

using tablegen::CellMoments;
using tablegen::FinishCell;

TEST(Finishing, ReferenceEntriesStayAndTheOthersTakeUpTheGapToTheTraceByTheirVariance) {
    // Ten variables at 100 subjects keep the first five entries of both tables. The other five
    // are 0.0050 too many in all; the last has four times the variance of each of the others.
    CellMoments cell{10, 100, {1.5, 1.4, 1.3, 1.2, 1.1, 0.95, 0.85, 0.75, 0.65, 0.5509}, {}};
    cell.standardError.assign(9, 0.00127);
    cell.standardError.push_back(0.00254);
    const auto finished = FinishCell(cell);
    EXPECT_EQ(finished.s, 0);
    EXPECT_EQ(finished.eigenvalues, (std::vector<std::int64_t>{15270, 13587, 12304, 11169, 10211,
                                                               9494, 8494, 7494, 6494, 5484}));
    EXPECT_EQ(finished.standardErrors,
              (std::vector<std::int64_t>{103, 70, 55, 41, 43, 13, 13, 13, 13, 25}));
}

TEST(Finishing, WhenRoundingMissesTheSumTheLargestRemaindersRoundUp) {
    // Fifty entries that each round down, by 0.302 to 0.498 units: 20 units short in all.
    CellMoments cell{50, 400, {}, {}};
    for (int k = 0; k < 50; ++k) {
        cell.mean.push_back((19800 - 400 * k - (k == 0 ? 20 : 0) + 0.302 + 0.004 * k) / 10000.0);
        cell.standardError.push_back(0.001);
    }
    const auto finished = FinishCell(cell);
    for (int k = 0; k < 50; ++k) {
        EXPECT_EQ(finished.eigenvalues[k], 19800 - 400 * k - (k == 0 ? 20 : 0) + (k >= 30)) << k;
    }
}

TEST(Finishing, ShortEntriesAreRoundedAndWrittenToThreeDecimals) {
    // 55 variables at 2,500 subjects keep entries 6, 31, 42, 49 and 55 to three decimals.
    CellMoments cell{55, 2500, {}, std::vector<double>(55, 0.0005)};
    for (int k = 0; k < 55; ++k) {
        cell.mean.push_back(1.0 + (27 - k) * 0.001);
    }
    cell.mean[30] += 0.00067;  // 0.99767 rounds to 0.998 as a short entry
    cell.mean[31] -= 0.00067;  // 0.99533 rounds to 0.9953
    // The reference entry 6 is 1.208; the last entry balances it, so the sum stays 55.
    cell.mean[54] -= 1.208 - cell.mean[5];
    const std::vector<std::string> fields =
        testsupport::Lines(tablegen::WriteTables({FinishCell(cell)}).eigenvalues);
    ASSERT_EQ(fields.size(), 55u);
    EXPECT_EQ(fields[5], "1.208");
    EXPECT_EQ(fields[30], "0.998");
    EXPECT_EQ(fields[31], "0.9953");
    for (std::size_t k = 0; k < 55; ++k) {
        EXPECT_EQ(fields[k].size(), k == 5 || k == 30 || k == 41 || k == 48 || k == 54 ? 5u : 6u);
    }
}

}  // namespace
