#include "calc/Tables.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "calc/GridCell.h"
#include "framework/core/Numbers.h"
#include "framework/core/Text.h"
#include "tests/calc/WorkedExamples.h"

namespace {

using calc::FindGridCell;
using calc::Interpolate;
using calc::RandomEigenvalueTableText;
using calc::StandardErrorTableText;

std::string ReadCommitted(const char* name) {
    std::ifstream in(std::string(VANTREX_TABLES_DIR) + "/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// One entry read the way the Calculate action reads it: field f of the whole text, then Val.
fw::String Entry(const fw::String& table, std::int64_t f) {
    return fw::NthField(table, fw::Chr(13), f);
}

TEST(Tables, TheProgramCarriesTheCommittedTextsUnchanged) {
    EXPECT_EQ(RandomEigenvalueTableText().ToStdString(), ReadCommitted("random_eigenvalues.txt"));
    EXPECT_EQ(StandardErrorTableText().ToStdString(), ReadCommitted("standard_errors.txt"));
    EXPECT_EQ(RandomEigenvalueTableText().ByteCount(), 80836u);
    EXPECT_EQ(StandardErrorTableText().ByteCount(), 69299u);
    // Built once: every call hands out the same bytes.
    EXPECT_TRUE(RandomEigenvalueTableText().SharesBytesWith(RandomEigenvalueTableText()));
    EXPECT_TRUE(StandardErrorTableText().SharesBytesWith(StandardErrorTableText()));
}

TEST(Tables, EntriesReadAtTheEndsAndAcrossABlockSeam) {
    const fw::String eigen = RandomEigenvalueTableText();
    const fw::String errors = StandardErrorTableText();
    EXPECT_EQ(fw::Val(Entry(eigen, 1)), 1.2808);
    EXPECT_EQ(fw::Val(Entry(eigen, 11550)), 0.6506);
    EXPECT_EQ(Entry(eigen, 11550), fw::String("0.6506"));  // nothing follows the last entry
    EXPECT_EQ(fw::Val(Entry(errors, 1)), 0.0074);
    EXPECT_EQ(fw::Val(Entry(errors, 11550)), 0.0009);
    EXPECT_EQ(fw::Val(Entry(eigen, 55)), 0.9423);
    EXPECT_EQ(fw::Val(Entry(eigen, 56)), 1.5270);
    // A short entry reads as its four-decimal form would.
    EXPECT_EQ(Entry(eigen, 3091), fw::String("1.208"));
    EXPECT_EQ(fw::Val(Entry(eigen, 3091)), fw::Val("1.2080"));
    EXPECT_EQ(fw::Val(Entry(errors, 11540)), 0.0);
}

void ExpectWorkedRowFromTable(const fw::String& table, const WorkedExample& ex) {
    const auto cell = FindGridCell(ex.Vars, ex.Subs);
    const auto f = calc::CornerFieldsOfRow(cell, ex.i);
    const std::int64_t fields[4] = {f.f1, f.f2, f.f3, f.f4};
    double e[4];
    for (int k = 0; k < 4; ++k) {
        const fw::String entry = Entry(table, fields[k]);
        EXPECT_EQ(entry, fw::String(ex.entries[k]))
            << ex.Vars << ", " << ex.Subs << ", row " << ex.i << ", field " << fields[k];
        e[k] = fw::Val(entry);
    }
    const auto r = Interpolate(cell, ex.Vars, ex.Subs, e[0], e[1], e[2], e[3]);
    EXPECT_EQ(r.A, ex.A) << ex.Vars << ", " << ex.Subs << ", row " << ex.i;
    EXPECT_EQ(r.B, ex.B) << ex.Vars << ", " << ex.Subs << ", row " << ex.i;
    EXPECT_EQ(r.R, ex.R) << ex.Vars << ", " << ex.Subs << ", row " << ex.i;
}

TEST(Tables, WorkedRowsOfRandomEigenvaluesFromTheTable) {
    for (const auto& ex : kEigenvalueExamples) {
        ExpectWorkedRowFromTable(RandomEigenvalueTableText(), ex);
    }
}

TEST(Tables, WorkedRowsOfStandardErrorsFromTheTable) {
    for (const auto& ex : kStandardErrorExamples) {
        ExpectWorkedRowFromTable(StandardErrorTableText(), ex);
    }
}

// The value of row i as shown: four corner entries read from the table, interpolated, formatted.
fw::String Shown(const fw::String& table, std::int64_t vars, std::int64_t subs, std::int64_t i,
                 const char* mask) {
    const auto cell = FindGridCell(vars, subs);
    const auto f = calc::CornerFieldsOfRow(cell, i);
    const auto r =
        Interpolate(cell, vars, subs, fw::Val(Entry(table, f.f1)), fw::Val(Entry(table, f.f2)),
                    fw::Val(Entry(table, f.f3)), fw::Val(Entry(table, f.f4)));
    return fw::Format(r.R, mask);
}

TEST(Tables, DecimalTiesAreDecidedByTheComputedDouble) {
    const fw::String eigen = RandomEigenvalueTableText();
    const fw::String errors = StandardErrorTableText();
    EXPECT_EQ(Shown(eigen, 5, 125, 1, "0.0000"), fw::String("1.2571"));  // 1.25705 exactly
    EXPECT_EQ(Shown(eigen, 5, 125, 5, "0.0000"), fw::String("0.7583"));  // 0.75835 exactly
    EXPECT_EQ(Shown(errors, 5, 125, 5, ".0000"), fw::String(".0057"));   // 0.00575 exactly
    EXPECT_EQ(Shown(errors, 8, 125, 2, ".0000"), fw::String(".0056"));   // 0.00555 exactly
    // On grid points of both axes the entries come back as they are.
    for (std::int64_t i = 1; i <= 5; ++i) {
        EXPECT_EQ(Shown(eigen, 5, 100, i, "0.0000"), Entry(eigen, 1 + 11 * (i - 1)));
        EXPECT_EQ(Shown(errors, 5, 100, i, ".0000"), Entry(errors, 1 + 11 * (i - 1)));
    }
}

}  // namespace
