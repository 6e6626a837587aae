// The committed tables against every rule, and every rule against a fault seeded into them.
#include "tools/tablegen/TableVerifier.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "calc/Grid.h"
#include "tests/support/TestText.h"
#include "tools/tablegen/TableForm.h"

namespace {

using calc::FieldNumber;
using Fields = std::vector<std::string>;  // field f at index f - 1

std::string Joined(const Fields& fields) {
    std::string text;
    for (const std::string& field : fields) {
        text += (text.empty() ? "" : "\r") + field;
    }
    return text;
}

// Moves eigenvalue field f by a number of units of 0.0001.
void Move(Fields& eigen, std::int64_t f, std::int64_t units) {
    eigen[f - 1] = tablegen::EigenvalueText(*tablegen::EntryUnits(eigen[f - 1]) + units, false);
}

TEST(CommittedTables, KeepEveryRule) {
    const auto fault =
        tablegen::FirstTableFault(testsupport::ReadCommittedTable("random_eigenvalues.txt"),
                                  testsupport::ReadCommittedTable("standard_errors.txt"));
    EXPECT_FALSE(fault.has_value()) << *fault;
}

TEST(CommittedTables, EachSeededFaultIsFoundAtItsField) {
    struct Seed {
        const char* what;
        std::int64_t named;  // the field the fault must name; 0 when it concerns the whole text
        std::function<void(Fields& eigen, Fields& errors)> plant;
    };
    const std::int64_t last = FieldNumber(30, 30, 5), mid = FieldNumber(40, 20, 5);
    const Seed seeds[] = {
        {"a CR after the last entry", 0, [](Fields&, Fields& se) { se.push_back(""); }},
        {"a blank", 200, [](Fields& e, Fields&) { e[199] += " "; }},
        {"a short entry written long", 5830, [](Fields& e, Fields&) { e[5829] += "0"; }},
        {"a long entry cut short", 5831, [](Fields& e, Fields&) { e[5830].pop_back(); }},
        {"a standard error with a digit before the point", mid,
         [&](Fields&, Fields& se) { se[mid - 1] = "0.001"; }},
        {"a reference eigenvalue", 67, [](Fields& e, Fields&) { e[66] = "1.3588"; }},
        {"a reference standard error", FieldNumber(55, 50, 8),
         [](Fields&, Fields& se) { se[FieldNumber(55, 50, 8) - 1] = ".0010"; }},
        {"an eigenvalue equal to the one above", mid + 11,
         [&](Fields& e, Fields&) { e[mid + 10] = e[mid - 1]; }},
        // Raised by 0.0020 it still lies between its neighbours, but the sum, at most 0.0009 off
        // before, is now more than 0.0009 off.
        {"a column sum", FieldNumber(40, 40, 5), [&](Fields& e, Fields&) { Move(e, mid, 20); }},
        // Two whole columns change places: each still falls and sums to 20.
        {"the first eigenvalue rising", FieldNumber(20, 1, 4),
         [](Fields& e, Fields&) {
             for (std::int64_t f = FieldNumber(20, 1, 3); f < FieldNumber(25, 1, 0); f += 11) {
                 std::swap(e[f - 1], e[f]);
             }
         }},
        // The last lowered below the one with fewer subjects, the first raised as much.
        {"the last eigenvalue falling", last,
         [&](Fields& e, Fields&) {
             const std::int64_t d =
                 *tablegen::EntryUnits(e[last - 1]) - *tablegen::EntryUnits(e[last - 2]) + 1;
             Move(e, last, -d);
             Move(e, FieldNumber(30, 1, 5), d);
         }},
        {"a standard error as large as the largest", FieldNumber(95, 1, 0),
         [](Fields&, Fields& se) { se[FieldNumber(95, 1, 0) - 1] = ".0144"; }},
        {"a standard error above .0000 at the bottom", FieldNumber(100, 98, 0),
         [](Fields&, Fields& se) { se[FieldNumber(100, 98, 0) - 1] = ".0001"; }},
    };
    const Fields eigen =
        testsupport::Lines(testsupport::ReadCommittedTable("random_eigenvalues.txt"));
    const Fields errors =
        testsupport::Lines(testsupport::ReadCommittedTable("standard_errors.txt"));
    for (const Seed& seed : seeds) {
        SCOPED_TRACE(seed.what);
        Fields e = eigen, se = errors;
        seed.plant(e, se);
        const auto fault = tablegen::FirstTableFault(Joined(e), Joined(se));
        ASSERT_TRUE(fault.has_value());
        if (seed.named != 0) {
            EXPECT_NE(fault->find("field " + std::to_string(seed.named) + " "), std::string::npos)
                << *fault;
        }
    }
}

}  // namespace
