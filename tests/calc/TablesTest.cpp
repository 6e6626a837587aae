// The tables the program carries, and the worked rows computed from the committed ones.
#include "calc/Tables.h"

#include <gtest/gtest.h>

#include <span>
#include <string>

#include "calc/GridCell.h"
#include "framework/core/Numbers.h"
#include "framework/core/Text.h"
#include "tests/calc/WorkedExamples.h"
#include "tests/support/TestText.h"

namespace {

using testsupport::ReadCommittedTable;

TEST(Tables, TheProgramCarriesTheCommittedTextsUnchanged) {
    EXPECT_EQ(calc::RandomEigenvalueTableText().ToStdString(),
              ReadCommittedTable("random_eigenvalues.txt"));
    EXPECT_EQ(calc::StandardErrorTableText().ToStdString(),
              ReadCommittedTable("standard_errors.txt"));
    // Built once: every call hands out the same bytes.
    EXPECT_EQ(calc::RandomEigenvalueTableText().Data(), calc::RandomEigenvalueTableText().Data());
    EXPECT_EQ(calc::StandardErrorTableText().Data(), calc::StandardErrorTableText().Data());
}

// Each row as the program computes it: the four corner entries read from the committed table the
// way the action reads them (field f of the whole text split at CR, then Val), interpolated, and
// shown with the column's mask.
void ExpectWorkedRows(const char* table, const char* mask, std::span<const WorkedExample> rows) {
    const fw::String text(ReadCommittedTable(table));
    const auto entry = [&](std::int64_t f) { return fw::Val(fw::NthField(text, fw::Chr(13), f)); };
    for (const WorkedExample& ex : rows) {
        SCOPED_TRACE(std::to_string(ex.Vars) + " variables, " + std::to_string(ex.Subs) +
                     " subjects, row " + std::to_string(ex.i));
        const calc::GridCell cell = calc::FindGridCell(ex.Vars, ex.Subs);
        const calc::CornerFields f = calc::CornerFieldsOfRow(cell, ex.i);
        const calc::Interpolation r = calc::Interpolate(cell, ex.Vars, ex.Subs, entry(f.f1),
                                                        entry(f.f2), entry(f.f3), entry(f.f4));
        EXPECT_EQ(r.A, ex.A);
        EXPECT_EQ(r.B, ex.B);
        EXPECT_EQ(r.R, ex.R);
        EXPECT_EQ(fw::Format(r.R, mask).ToStdString(), ex.shown);
    }
}

TEST(Tables, WorkedRowsFromTheCommittedTables) {
    ExpectWorkedRows("random_eigenvalues.txt", "0.0000", kEigenvalueExamples);
    ExpectWorkedRows("standard_errors.txt", ".0000", kStandardErrorExamples);
}

}  // namespace
