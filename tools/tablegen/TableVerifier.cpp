#include "tools/tablegen/TableVerifier.h"

#include <cstdint>
#include <vector>

#include "calc/Grid.h"
#include "tools/tablegen/ReferenceEntries.h"
#include "tools/tablegen/TableForm.h"

namespace tablegen {

namespace {

using calc::FieldNumber;
using calc::kTableFieldCount;

constexpr int kLevels = static_cast<int>(calc::SubGrid.size());

// Where the extremes of both tables sit: 100 variables, 100 subjects.
constexpr std::int64_t kLargestEntryField = FieldNumber(100, 1, 0);
constexpr std::int64_t kSmallestEigenvalueField = FieldNumber(100, 100, 0);
constexpr std::int64_t kLargestEigenvalue = 38031;
constexpr std::int64_t kLargestStandardError = 144;
constexpr std::int64_t kSmallestEigenvalue = 1;

struct Table {
    std::string_view name;
    std::string_view text;
    std::size_t length;
    bool isEigenvalueTable;
    std::vector<std::string_view> fields;
    std::vector<std::int64_t> units;  // by field number; index 0 unused
};

std::string Where(const Table& table, std::int64_t f) {
    // Walk the layout back from the field number to (p, i, N).
    for (int p : calc::VarGrid) {
        const std::int64_t start = calc::BlockStart(p);
        if (f < start + 11 * p) {
            const std::int64_t offset = f - start;
            return std::string(table.name) + " field " + std::to_string(f) + " (p " +
                   std::to_string(p) + ", i " + std::to_string(offset / 11 + 1) + ", N " +
                   std::to_string(calc::SubGrid[offset % 11]) + ")";
        }
    }
    return std::string(table.name) + " field " + std::to_string(f);
}

std::string Units(std::int64_t u) {
    return EigenvalueText(u, false);
}

std::optional<std::string> CheckForm(Table& table) {
    const std::string_view text = table.text;
    std::int64_t field = 1;
    for (char c : text) {
        if (c == kSeparator) {
            ++field;
        } else if (!(c == '.' || (c >= '0' && c <= '9'))) {
            return Where(table, field) + ": a character other than a digit, a point or CR";
        }
    }
    std::size_t begin = 0;
    for (;;) {
        const std::size_t end = text.find(kSeparator, begin);
        table.fields.push_back(
            text.substr(begin, end == std::string_view::npos ? end : end - begin));
        if (end == std::string_view::npos) {
            break;
        }
        begin = end + 1;
    }
    if (static_cast<std::int64_t>(table.fields.size()) != kTableFieldCount) {
        return std::string(table.name) + ": " + std::to_string(table.fields.size()) +
               " fields, not " + std::to_string(kTableFieldCount);
    }
    table.units.assign(kTableFieldCount + 1, 0);
    for (int p : calc::VarGrid) {
        for (int i = 1; i <= p; ++i) {
            for (int s = 0; s < kLevels; ++s) {
                const std::int64_t f = FieldNumber(p, i, s);
                const std::string_view entry = table.fields[f - 1];
                const std::size_t expectedLength =
                    !table.isEigenvalueTable ? 5 : (IsShortEntry(p, i, s) ? 5 : 6);
                const auto units = EntryUnits(entry);
                if (!units || entry.size() != expectedLength ||
                    (entry[0] == '.') == table.isEigenvalueTable) {
                    return Where(table, f) + ": \"" + std::string(entry) + "\" is not written as " +
                           (!table.isEigenvalueTable ? std::string(".dddd")
                            : expectedLength == 5    ? std::string("d.ddd (a short entry)")
                                                     : std::string("d.dddd"));
                }
                table.units[f] = *units;
            }
        }
    }
    if (text.size() != table.length) {
        return std::string(table.name) + ": " + std::to_string(text.size()) + " characters, not " +
               std::to_string(table.length);
    }
    return std::nullopt;
}

std::optional<std::string> CheckReferenceEntries(const Table& eigen, const Table& se) {
    for (const ReferenceEntry& ref : ReferenceEntries()) {
        const std::int64_t f = FieldNumber(ref.p, ref.i, ref.s);
        if (eigen.fields[f - 1] != ref.eigenvalue) {
            return Where(eigen, f) + ": \"" + std::string(eigen.fields[f - 1]) +
                   "\" is not the reference entry \"" + std::string(ref.eigenvalue) + "\"";
        }
        if (se.fields[f - 1] != ref.standardError) {
            return Where(se, f) + ": \"" + std::string(se.fields[f - 1]) +
                   "\" is not the reference entry \"" + std::string(ref.standardError) + "\"";
        }
    }
    return std::nullopt;
}

std::optional<std::string> CheckColumns(const Table& eigen) {
    for (int p : calc::VarGrid) {
        for (int s = 0; s < kLevels; ++s) {
            std::int64_t sum = 0;
            for (int i = 1; i <= p; ++i) {
                const std::int64_t f = FieldNumber(p, i, s);
                sum += eigen.units[f];
                if (i > 1 && eigen.units[f] >= eigen.units[f - 11]) {
                    return Where(eigen, f) + ": " + Units(eigen.units[f]) +
                           " does not lie below the eigenvalue before it, " +
                           Units(eigen.units[f - 11]);
                }
            }
            const std::int64_t miss = sum - static_cast<std::int64_t>(p) * kUnitsPerOne;
            if (miss > kSumTolerance || miss < -kSumTolerance) {
                return Where(eigen, FieldNumber(p, p, s)) + ": the column of " + std::to_string(p) +
                       " eigenvalues ending here sums to " + Units(sum) + ", not " +
                       std::to_string(p) + " within 0.0009";
            }
        }
    }
    return std::nullopt;
}

std::optional<std::string> CheckTrendsInSubjects(const Table& eigen) {
    for (int p : calc::VarGrid) {
        for (int s = 1; s < kLevels; ++s) {
            const std::int64_t first = FieldNumber(p, 1, s);
            if (eigen.units[first] > eigen.units[first - 1]) {
                return Where(eigen, first) + ": the first eigenvalue " + Units(eigen.units[first]) +
                       " rises above " + Units(eigen.units[first - 1]) + " with more subjects";
            }
            const std::int64_t last = FieldNumber(p, p, s);
            if (eigen.units[last] < eigen.units[last - 1]) {
                return Where(eigen, last) + ": the last eigenvalue " + Units(eigen.units[last]) +
                       " falls below " + Units(eigen.units[last - 1]) + " with more subjects";
            }
        }
    }
    return std::nullopt;
}

std::optional<std::string> CheckExtremes(const Table& eigen, const Table& se) {
    if (eigen.units[kLargestEntryField] != kLargestEigenvalue) {
        return Where(eigen, kLargestEntryField) + ": the largest eigenvalue is not 3.8031";
    }
    if (se.units[kLargestEntryField] != kLargestStandardError) {
        return Where(se, kLargestEntryField) + ": the largest standard error is not .0144";
    }
    if (eigen.units[kSmallestEigenvalueField] != kSmallestEigenvalue) {
        return Where(eigen, kSmallestEigenvalueField) + ": the smallest eigenvalue is not 0.0001";
    }
    for (int i = 98; i <= 100; ++i) {
        const std::int64_t f = FieldNumber(100, i, 0);
        if (se.units[f] != 0) {
            return Where(se, f) + ": not .0000";
        }
    }
    for (std::int64_t f = 1; f <= kTableFieldCount; ++f) {
        if (f == kLargestEntryField) {
            continue;
        }
        if (eigen.units[f] >= kLargestEigenvalue) {
            return Where(eigen, f) + ": " + Units(eigen.units[f]) +
                   " reaches the largest eigenvalue 3.8031";
        }
        if (se.units[f] >= kLargestStandardError) {
            return Where(se, f) + ": " + StandardErrorText(se.units[f]) +
                   " reaches the largest standard error .0144";
        }
        if (f != kSmallestEigenvalueField && eigen.units[f] <= kSmallestEigenvalue) {
            return Where(eigen, f) + ": " + Units(eigen.units[f]) +
                   " reaches the smallest eigenvalue 0.0001";
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> FirstTableFault(std::string_view eigenvalues,
                                           std::string_view standardErrors) {
    Table eigen{"random-eigenvalue table", eigenvalues, kEigenvalueTextLength, true, {}, {}};
    Table se{"standard-error table", standardErrors, kStandardErrorTextLength, false, {}, {}};
    for (Table* table : {&eigen, &se}) {
        if (auto fault = CheckForm(*table)) {
            return fault;
        }
    }
    if (auto fault = CheckReferenceEntries(eigen, se)) {
        return fault;
    }
    if (auto fault = CheckColumns(eigen)) {
        return fault;
    }
    if (auto fault = CheckTrendsInSubjects(eigen)) {
        return fault;
    }
    return CheckExtremes(eigen, se);
}

}  // namespace tablegen
