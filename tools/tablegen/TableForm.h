#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calc/Grid.h"

// How the two table texts are written: entries joined by a single CR in field order, eigenvalues
// as one digit, a point and four decimals, standard errors as a point and four decimals.
namespace tablegen {

inline constexpr char kSeparator = '\r';
inline constexpr std::size_t kEigenvalueTextLength = 80836;
inline constexpr std::size_t kStandardErrorTextLength = 69299;

// Entries are handled as whole units of 0.0001.
inline constexpr std::int64_t kUnitsPerOne = 10000;

// The column sums may miss the number of variables by this many units at most.
inline constexpr std::int64_t kSumTolerance = 9;

// The random eigenvalues at 2,500 subjects that the table keeps to three decimals, written
// without a fourth: (number of variables, eigenvalue number).
inline constexpr std::array<std::array<int, 2>, 13> kShortEntries = {{
    {55, 6},
    {55, 31},
    {55, 42},
    {55, 49},
    {55, 55},
    {75, 5},
    {75, 12},
    {75, 17},
    {75, 27},
    {75, 31},
    {75, 61},
    {75, 71},
    {75, 74},
}};

inline constexpr int kTopSubjectLevel = 10;

constexpr bool IsShortEntry(int p, int i, int s) {
    if (s != kTopSubjectLevel) {
        return false;
    }
    for (const auto& e : kShortEntries) {
        if (e[0] == p && e[1] == i) {
            return true;
        }
    }
    return false;
}

// The text of a random eigenvalue of units / 10000: "0.9996", or with short "1.208" (units a
// multiple of ten).
std::string EigenvalueText(std::int64_t units, bool isShort);

// The text of a standard error of units / 10000: ".0074".
std::string StandardErrorText(std::int64_t units);

// The units of an entry written as "d.dddd", "d.ddd" or ".dddd"; nothing for any other form.
std::optional<std::int64_t> EntryUnits(std::string_view text);

}  // namespace tablegen
