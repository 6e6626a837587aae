#include "calc/GridCell.h"

#include "calc/Grid.h"

namespace calc {

namespace {

// Twenty independent tests in ascending order; for a valid Vars exactly one matches.
void SetVariableLadder(GridCell& cell, std::int64_t Vars) {
    for (std::int64_t g = 5; g <= 95; g += 5) {
        if (g <= Vars && Vars < g + 5) {
            cell.VarLo = g;
            cell.VarLoBase = BlockStart(g);
            cell.VarHi = g + 5;
            cell.VarHiBase = BlockStart(g + 5);
        }
    }
    if (100 <= Vars) {
        cell.VarLo = 100;
        cell.VarLoBase = BlockStart(100);
        cell.VarHi = 101;
        cell.VarHiBase = BlockStart(100);
    }
}

// Eleven independent tests in ascending order; the last one keeps the top level for both ends.
void SetSubjectLadder(GridCell& cell, std::int64_t Subs) {
    for (std::int64_t s = 0; s + 1 < static_cast<std::int64_t>(SubGrid.size()); ++s) {
        if (SubGrid[s] <= Subs && Subs < SubGrid[s + 1]) {
            cell.SubLo = SubGrid[s];
            cell.SubLoOff = s;
            cell.SubHi = SubGrid[s + 1];
            cell.SubHiOff = s + 1;
        }
    }
    if (2500 <= Subs) {
        cell.SubLo = 2500;
        cell.SubLoOff = 10;
        cell.SubHi = 2501;
        cell.SubHiOff = 10;
    }
}

}  // namespace

GridCell FindGridCell(std::int64_t Vars, std::int64_t Subs) {
    GridCell cell;
    SetVariableLadder(cell, Vars);
    SetSubjectLadder(cell, Subs);
    return cell;
}

CornerFields CornerFieldsOfRow(const GridCell& cell, std::int64_t i) {
    CornerFields f;
    f.f1 = (cell.VarLoBase + cell.SubLoOff) + (i - 1) * 11;
    f.f2 = (cell.VarHiBase + cell.SubLoOff) + (i - 1) * 11;
    f.f3 = (cell.VarLoBase + cell.SubHiOff) + (i - 1) * 11;
    f.f4 = (cell.VarHiBase + cell.SubHiOff) + (i - 1) * 11;
    return f;
}

Interpolation Interpolate(const GridCell& cell, std::int64_t Vars, std::int64_t Subs, double e1,
                          double e2, double e3, double e4) {
    const double varSpan = static_cast<double>(cell.VarLo - cell.VarHi);
    const double varDistance = static_cast<double>(Vars - cell.VarLo);
    const double subSpan = static_cast<double>(cell.SubLo - cell.SubHi);
    const double subDistance = static_cast<double>(Subs - cell.SubLo);

    Interpolation r;
    r.A = e1 + ((e1 - e2) / varSpan) * varDistance;
    r.B = e3 + ((e3 - e4) / varSpan) * varDistance;
    r.R = r.A + ((r.A - r.B) / subSpan) * subDistance;
    return r;
}

}  // namespace calc
