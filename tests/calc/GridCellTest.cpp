#include "calc/GridCell.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "calc/Grid.h"
#include "tests/calc/WorkedExamples.h"

namespace {

using calc::FindGridCell;
using calc::GridCell;
using calc::Interpolate;

TEST(GridCell, VariableLadderFindsTheGridNumbersAroundEveryValidValue) {
    for (std::int64_t vars = 5; vars <= 100; ++vars) {
        const GridCell cell = FindGridCell(vars, 1000);
        const std::int64_t lo = vars / 5 * 5;
        EXPECT_EQ(cell.VarLo, lo) << "Vars = " << vars;
        EXPECT_EQ(cell.VarLoBase, calc::BlockStart(lo)) << "Vars = " << vars;
        if (vars < 100) {
            EXPECT_EQ(cell.VarHi, lo + 5) << "Vars = " << vars;
            EXPECT_EQ(cell.VarHiBase, calc::BlockStart(lo + 5)) << "Vars = " << vars;
        }
    }
}

TEST(GridCell, VariableLadderAtItsEnds) {
    const GridCell five = FindGridCell(5, 100);
    EXPECT_EQ(five.VarLo, 5);
    EXPECT_EQ(five.VarLoBase, 1);
    EXPECT_EQ(five.VarHi, 10);
    EXPECT_EQ(five.VarHiBase, 56);

    // A grid point is the lower end of its cell.
    const GridCell ten = FindGridCell(10, 100);
    EXPECT_EQ(ten.VarLo, 10);
    EXPECT_EQ(ten.VarLoBase, 56);
    EXPECT_EQ(ten.VarHi, 15);
    EXPECT_EQ(ten.VarHiBase, 166);

    const GridCell ninetyNine = FindGridCell(99, 100);
    EXPECT_EQ(ninetyNine.VarLo, 95);
    EXPECT_EQ(ninetyNine.VarLoBase, 9406);
    EXPECT_EQ(ninetyNine.VarHi, 100);
    EXPECT_EQ(ninetyNine.VarHiBase, 10451);

    // The top grid number: the upper neighbour is one past it and shares its block.
    const GridCell hundred = FindGridCell(100, 100);
    EXPECT_EQ(hundred.VarLo, 100);
    EXPECT_EQ(hundred.VarLoBase, 10451);
    EXPECT_EQ(hundred.VarHi, 101);
    EXPECT_EQ(hundred.VarHiBase, 10451);
}

TEST(GridCell, SubjectLadderFindsTheGridNumbersAroundEveryValidValue) {
    struct Level {
        std::int64_t from, lo, loOff, hi, hiOff;
    };
    const Level levels[] = {
        {100, 100, 0, 150, 1},     {150, 150, 1, 200, 2},      {200, 200, 2, 300, 3},
        {300, 300, 3, 400, 4},     {400, 400, 4, 500, 5},      {500, 500, 5, 750, 6},
        {750, 750, 6, 1000, 7},    {1000, 1000, 7, 1500, 8},   {1500, 1500, 8, 2000, 9},
        {2000, 2000, 9, 2500, 10}, {2500, 2500, 10, 2501, 10},
    };
    for (std::int64_t subs = 100; subs <= 2500; ++subs) {
        const Level* match = nullptr;
        for (const Level& level : levels) {
            if (level.from <= subs) {
                match = &level;
            }
        }
        const GridCell cell = FindGridCell(50, subs);
        ASSERT_EQ(cell.SubLo, match->lo) << "Subs = " << subs;
        ASSERT_EQ(cell.SubLoOff, match->loOff) << "Subs = " << subs;
        ASSERT_EQ(cell.SubHi, match->hi) << "Subs = " << subs;
        ASSERT_EQ(cell.SubHiOff, match->hiOff) << "Subs = " << subs;
    }
}

TEST(GridCell, AnAxisOutsideItsRangeLeavesItsValuesAtZero) {
    const GridCell fewVars = FindGridCell(4, 120);
    EXPECT_EQ(fewVars.VarLo, 0);
    EXPECT_EQ(fewVars.VarHi, 0);
    EXPECT_EQ(fewVars.SubLo, 100);

    const GridCell fewSubs = FindGridCell(7, 99);
    EXPECT_EQ(fewSubs.VarLo, 5);
    EXPECT_EQ(fewSubs.SubLo, 0);
    EXPECT_EQ(fewSubs.SubHi, 0);
}

TEST(GridCell, CornerFieldsOfTheWorkedRows) {
    for (const auto& ex : kEigenvalueExamples) {
        const auto f = calc::CornerFieldsOfRow(FindGridCell(ex.Vars, ex.Subs), ex.i);
        EXPECT_EQ(f.f1, ex.fields[0]) << ex.Vars << ", " << ex.Subs << ", row " << ex.i;
        EXPECT_EQ(f.f2, ex.fields[1]) << ex.Vars << ", " << ex.Subs << ", row " << ex.i;
        EXPECT_EQ(f.f3, ex.fields[2]) << ex.Vars << ", " << ex.Subs << ", row " << ex.i;
        EXPECT_EQ(f.f4, ex.fields[3]) << ex.Vars << ", " << ex.Subs << ", row " << ex.i;
    }
}

TEST(GridCell, CornerFieldsNeverLeaveTheTable) {
    for (std::int64_t vars = 5; vars <= 100; ++vars) {
        for (std::int64_t subs : {100, 149, 2499, 2500}) {
            const GridCell cell = FindGridCell(vars, subs);
            for (std::int64_t i = 1; i <= cell.VarLo; ++i) {
                const auto f = calc::CornerFieldsOfRow(cell, i);
                for (std::int64_t field : {f.f1, f.f2, f.f3, f.f4}) {
                    ASSERT_GE(field, 1);
                    ASSERT_LE(field, calc::kTableFieldCount);
                }
            }
        }
    }
    const auto last = calc::CornerFieldsOfRow(FindGridCell(100, 2000), 100);
    EXPECT_EQ(last.f3, 11550);
}

void ExpectWorkedRow(const WorkedExample& ex) {
    double e[4];
    for (int k = 0; k < 4; ++k) {
        e[k] = std::strtod(ex.entries[k], nullptr);
    }
    const auto r =
        Interpolate(FindGridCell(ex.Vars, ex.Subs), ex.Vars, ex.Subs, e[0], e[1], e[2], e[3]);
    EXPECT_EQ(r.A, ex.A) << ex.Vars << ", " << ex.Subs << ", row " << ex.i;
    EXPECT_EQ(r.B, ex.B) << ex.Vars << ", " << ex.Subs << ", row " << ex.i;
    EXPECT_EQ(r.R, ex.R) << ex.Vars << ", " << ex.Subs << ", row " << ex.i;
}

TEST(Interpolate, WorkedRowsOfRandomEigenvaluesAreBitExact) {
    for (const auto& ex : kEigenvalueExamples) {
        ExpectWorkedRow(ex);
    }
}

TEST(Interpolate, WorkedRowsOfStandardErrorsAreBitExact) {
    for (const auto& ex : kStandardErrorExamples) {
        ExpectWorkedRow(ex);
    }
}

// Halfway between two grid numbers of subjects the exact result often ends in a 5 at the fifth
// decimal; which side of it the double lands on decides the rounded fourth decimal.
TEST(Interpolate, DecimalTiesFollowTheComputedDouble) {
    const GridCell cell = FindGridCell(5, 125);

    const auto row1 = Interpolate(cell, 5, 125, 1.2808, 1.5270, 1.2333, 1.4404);
    EXPECT_EQ(row1.R, 1.25705000000000000071);  // above 1.25705: rounds to 1.2571
    EXPECT_GT(static_cast<long double>(row1.R), 1.25705L);

    const auto row5 = Interpolate(cell, 5, 125, 0.7332, 1.0211, 0.7835, 1.0218);
    EXPECT_EQ(row5.R, 0.75834999999999996856);  // below 0.75835: rounds to 0.7583
    EXPECT_LT(static_cast<long double>(row5.R), 0.75835L);

    const auto row5se = Interpolate(cell, 5, 125, .0064, .0043, .0051, .0036);
    EXPECT_LT(static_cast<long double>(row5se.R), 0.00575L);  // rounds to 0.0057
}

TEST(Interpolate, TheWrittenOrderOfOperationsDecidesATie) {
    // Vars 8, Subs 125, row 2 of the standard errors.
    const double e1 = .0050, e2 = .0070, e3 = .0043, e4 = .0053;
    const auto r = Interpolate(FindGridCell(8, 125), 8, 125, e1, e2, e3, e4);
    EXPECT_EQ(r.A, 0.006200000000000001);
    EXPECT_EQ(r.B, 0.0049);
    EXPECT_EQ(r.R, 0.00555000000000000025);  // above 0.00555: rounds to 0.0056
    EXPECT_GT(static_cast<long double>(r.R), 0.00555L);

    // The algebraically equal "e + t * (e' - e)" lands on the other side of the tie.
    const double t1 = 3.0 / 5.0;
    const double a = e1 + t1 * (e2 - e1);
    const double b = e3 + t1 * (e4 - e3);
    const double t2 = 25.0 / 50.0;
    EXPECT_EQ(a, 0.0062);
    EXPECT_EQ(a + t2 * (b - a), 0.005549999999999999);
}

TEST(Interpolate, OnTheTopGridNumbersTheEntryComesBackUnchanged) {
    // Vars 100 and Subs 2500: the increments are zero and all four corners are the same field.
    const GridCell cell = FindGridCell(100, 2500);
    const auto f = calc::CornerFieldsOfRow(cell, 1);
    EXPECT_EQ(f.f1, f.f2);
    EXPECT_EQ(f.f1, f.f3);
    EXPECT_EQ(f.f1, f.f4);
    EXPECT_EQ(Interpolate(cell, 100, 2500, 1.4191, 9.0, 7.0, 5.0).R, 1.4191);
}

}  // namespace
