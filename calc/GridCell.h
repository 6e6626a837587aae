#pragma once

#include <cstdint>

namespace calc {

// The grid cell around an entered number of variables and of subjects: the neighbouring grid
// numbers on each axis, with the block start of each number of variables and the subject level
// of each number of subjects. On the top grid number the upper neighbour is one past it and
// shares its block or level, so the cell stays well formed and the upper corners repeat the lower.
struct GridCell {
    std::int64_t VarLo = 0;
    std::int64_t VarLoBase = 0;
    std::int64_t VarHi = 0;
    std::int64_t VarHiBase = 0;
    std::int64_t SubLo = 0;
    std::int64_t SubLoOff = 0;
    std::int64_t SubHi = 0;
    std::int64_t SubHiOff = 0;
};

// The cell that holds Vars (5 to 100) and Subs (100 to 2,500); a value on a grid point is the
// lower end of its cell. Outside those ranges the values of the axis that misses stay 0, so the
// caller must validate first.
GridCell FindGridCell(std::int64_t Vars, std::int64_t Subs);

// The field numbers of eigenvalue number i at the four corners of the cell.
struct CornerFields {
    std::int64_t f1 = 0;  // (VarLo, SubLo)
    std::int64_t f2 = 0;  // (VarHi, SubLo)
    std::int64_t f3 = 0;  // (VarLo, SubHi)
    std::int64_t f4 = 0;  // (VarHi, SubHi)
};
CornerFields CornerFieldsOfRow(const GridCell& cell, std::int64_t i);

// The bilinear interpolation of the entries e1..e4 read at f1..f4: first along the number of
// variables (A from e1 and e2, B from e3 and e4), then along the number of subjects (R from A
// and B). Each operation is rounded to double on its own, in the written order; the last bit
// decides the fourth decimal at exact decimal ties, so no algebraically equal form will do.
struct Interpolation {
    double A = 0;
    double B = 0;
    double R = 0;
};
Interpolation Interpolate(const GridCell& cell, std::int64_t Vars, std::int64_t Subs, double e1,
                          double e2, double e3, double e4);

}  // namespace calc
