#include "calc/Grid.h"

#include <gtest/gtest.h>

namespace {

using calc::BlockStart;
using calc::FieldNumber;

TEST(Grid, BlockStartsAndEndsOfEveryNumberOfVariables) {
    // (p, first field, last field) of each block.
    const std::int64_t blocks[20][3] = {
        {5, 1, 55},       {10, 56, 165},    {15, 166, 330},    {20, 331, 550},
        {25, 551, 825},   {30, 826, 1155},  {35, 1156, 1540},  {40, 1541, 1980},
        {45, 1981, 2475}, {50, 2476, 3025}, {55, 3026, 3630},  {60, 3631, 4290},
        {65, 4291, 5005}, {70, 5006, 5775}, {75, 5776, 6600},  {80, 6601, 7480},
        {85, 7481, 8415}, {90, 8416, 9405}, {95, 9406, 10450}, {100, 10451, 11550},
    };
    for (const auto& b : blocks) {
        EXPECT_EQ(BlockStart(b[0]), b[1]) << "p = " << b[0];
        EXPECT_EQ(FieldNumber(b[0], b[0], 10), b[2]) << "p = " << b[0];
    }
}

TEST(Grid, EveryEntryHasItsOwnFieldAndTheFieldsRunWithoutGaps) {
    std::int64_t expected = 1;
    for (std::int64_t p : calc::VarGrid) {
        for (std::int64_t i = 1; i <= p; ++i) {
            for (std::int64_t s = 0; s < static_cast<std::int64_t>(calc::SubGrid.size()); ++s) {
                const std::int64_t f = FieldNumber(p, i, s);
                // Blocks in ascending p, eigenvalue number outer, subject level inner.
                ASSERT_EQ(f, expected) << "p = " << p << ", i = " << i << ", s = " << s;
                ++expected;
            }
        }
    }
    EXPECT_EQ(expected - 1, calc::kTableFieldCount);
}

TEST(Grid, FieldsAtTheSeamOfTwoBlocks) {
    EXPECT_EQ(FieldNumber(5, 5, 10), 55);
    EXPECT_EQ(FieldNumber(10, 1, 0), 56);
    EXPECT_EQ(FieldNumber(55, 6, 10), 3091);
    EXPECT_EQ(FieldNumber(100, 100, 10), 11550);
}

}  // namespace
