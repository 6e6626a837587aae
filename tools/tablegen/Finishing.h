#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/tablegen/GridSimulation.h"

namespace tablegen {

// One cell's entries as whole units of 0.0001, largest eigenvalue first.
struct FinishedCell {
    int p = 0;
    int s = 0;  // subject level
    std::vector<std::int64_t> eigenvalues;
    std::vector<std::int64_t> standardErrors;
};

// Turns one cell's simulated means and standard errors into table entries:
//  1. the reference entries of the cell replace their simulated values;
//  2. the entries that are not fixed take up the difference between p and the column sum, each
//     in proportion to its variance (the least-squares correction: the trace is p);
//  3. each is rounded to four decimals, or three where the table keeps three; should the sum
//     then miss p by more than the tolerance, the four-decimal ones are rounded by largest
//     remainder instead, so that it does not.
FinishedCell FinishCell(const CellMoments& cell);

struct TableTexts {
    std::string eigenvalues;
    std::string standardErrors;
};

// Writes finished cells (vars outer, subjects inner, as SimulateGrid returns them) as the two
// table texts, in field order: blocks by p, eigenvalue number outer, subject level inner.
TableTexts WriteTables(const std::vector<FinishedCell>& cells);

}  // namespace tablegen
