// The cell found around every valid number of variables and of subjects, judged against the grid
// numbers themselves: a grid number is the lower end of its cell.
#include "calc/GridCell.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "calc/Grid.h"

namespace {

using calc::FieldNumber;
using calc::SubGrid;
using calc::VarGrid;

TEST(GridCell, EveryValidNumberLiesInItsCell) {
    for (std::int64_t vars = 5; vars <= 100; ++vars) {
        SCOPED_TRACE(vars);
        const calc::GridCell cell = calc::FindGridCell(vars, 1000);
        const std::size_t k =
            std::upper_bound(VarGrid.begin(), VarGrid.end(), vars) - VarGrid.begin() - 1;
        // On the top grid number the upper neighbour is one past it and shares its block.
        const bool top = k + 1 == VarGrid.size();
        EXPECT_EQ(cell.VarLo, VarGrid[k]);
        EXPECT_EQ(cell.VarLoBase, FieldNumber(VarGrid[k], 1, 0));
        EXPECT_EQ(cell.VarHi, top ? 101 : VarGrid[k + 1]);
        EXPECT_EQ(cell.VarHiBase, FieldNumber(VarGrid[top ? k : k + 1], 1, 0));
    }
    for (std::int64_t subs = 100; subs <= 2500; ++subs) {
        SCOPED_TRACE(subs);
        const calc::GridCell cell = calc::FindGridCell(50, subs);
        const std::size_t k =
            std::upper_bound(SubGrid.begin(), SubGrid.end(), subs) - SubGrid.begin() - 1;
        const bool top = k + 1 == SubGrid.size();
        ASSERT_EQ(cell.SubLo, SubGrid[k]);
        ASSERT_EQ(cell.SubLoOff, static_cast<std::int64_t>(k));
        ASSERT_EQ(cell.SubHi, top ? 2501 : SubGrid[k + 1]);
        ASSERT_EQ(cell.SubHiOff, static_cast<std::int64_t>(top ? k : k + 1));
    }
}

}  // namespace
