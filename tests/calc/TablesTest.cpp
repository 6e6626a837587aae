// The tables the program carries, and the worked rows computed from the committed ones.
#include "calc/Tables.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <string>

#include "calc/GridCell.h"
#include "framework/core/Numbers.h"
#include "framework/core/Text.h"
#include "tests/support/TestText.h"

namespace {

using testsupport::ReadCommittedTable;

// Rows worked out for known inputs from the committed tables: the doubles A, B and R that the
// interpolation must give bit for bit (each as the shortest decimal that identifies it), and R as
// the report shows it. Where the exact result ends in a 5 at the fifth decimal, the side the
// double lies on decides the shown digits, and so does the order in which each formula is
// written: the algebraically equal rewrites noted below land on the other side.
struct WorkedExample {
    std::int64_t Vars, Subs, i;
    double A, B, R;
    const char* shown;
};

inline constexpr WorkedExample kEigenvalueExamples[] = {
    {7, 120, 1, 1.3792799999999998, 1.31614, 1.354024, "1.3540"},
    {5, 125, 1, 1.2808, 1.2333, 1.25705, "1.2571"},  // R just above 1.25705
    {5, 125, 5, 0.7332, 0.7835, 0.75835, "0.7583"},  // R just below 0.75835
    // R against A + (A - B) * d / span, A + (d / -span) * (B - A), A + (A - B) / (span / d) and
    // A * (1 - t) + B * t; A and B against e * (1 - t) + e' * t.
    {41, 125, 22, 0.825, 0.8739, 0.8494499999999999, "0.8494"},
    {12, 2500, 10, 0.9275399999999999, 0.9275399999999999, 0.9275399999999999, "0.9275"},
    {55, 2500, 6, 1.208, 1.208, 1.208, "1.2080"},  // an entry kept to three decimals
    {53, 1234, 50, 0.66742, 0.7240800000000001, 0.6939368800000001, "0.6939"},
    {100, 100, 100, 0.0001, 0.0397, 0.0001, "0.0001"},
    {100, 2500, 100, 0.6506, 0.6506, 0.6506, "0.6506"},
};

inline constexpr WorkedExample kStandardErrorExamples[] = {
    {7, 120, 1, 0.00856, 0.0070799999999999995, 0.007968, ".0080"},
    {5, 125, 5, 0.0064, 0.0051, 0.00575, ".0057"},  // R just below 0.00575
    // A against e1 + (d / -span) * (e2 - e1), e1 * (1 - t) + e2 * t and two more.
    {8, 125, 2, 0.006200000000000001, 0.0049, 0.00555, ".0056"},  // R just above 0.00555
    // A and B each against e + (e - e') * d / span, e + (d / -span) * (e' - e),
    // e + (e - e') / (span / d) and (e * (hi - x) + e' * d) / (hi - lo).
    {43, 235, 37, 0.0017200000000000002, 0.00152, 0.0016500000000000002, ".0017"},
    {53, 1234, 50, 0.00108, 0.0010999999999999998, 0.00108936, ".0011"},
    {100, 100, 100, 0, 0.0006, 0, ".0000"},
    {100, 2500, 100, 0.0009, 0.0009, 0.0009, ".0009"},
};

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
