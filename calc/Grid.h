#pragma once

#include <array>
#include <cstdint>

namespace calc {

// The grid both tables cover: the numbers of variables p and the numbers of subjects N.
inline constexpr std::array<std::int64_t, 20> VarGrid = {5,  10, 15, 20, 25, 30, 35, 40, 45, 50,
                                                         55, 60, 65, 70, 75, 80, 85, 90, 95, 100};
inline constexpr std::array<std::int64_t, 11> SubGrid = {100, 150,  200,  300,  400, 500,
                                                         750, 1000, 1500, 2000, 2500};

// Entries per table: 11 subject levels for every eigenvalue number of every block.
inline constexpr std::int64_t kTableFieldCount = 11550;

// The field number where the block of p (a grid number of variables) begins: 1 plus 11 times
// the sum of the grid numbers below p.
constexpr std::int64_t BlockStart(std::int64_t p) {
    const std::int64_t k = p / 5;
    return 1 + 55 * k * (k - 1) / 2;
}

// The field number of eigenvalue i (from 1) at subject level s (0 to 10) in the block of p.
// Inside a block the eigenvalue number runs outer and the subject level inner.
constexpr std::int64_t FieldNumber(std::int64_t p, std::int64_t i, std::int64_t s) {
    return BlockStart(p) + 11 * (i - 1) + s;
}

}  // namespace calc
