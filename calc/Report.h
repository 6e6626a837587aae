#pragma once

#include <cstdint>

#include "framework/core/String.h"

namespace calc {

// The pieces of the report, each complete with its line ends. The head lines end with the
// window's line end (eol, a CR); the rows, the closing rule and the footer end with the
// platform's EndOfLine.

// n right-aligned in a field of width characters: the last width characters of width spaces
// followed by the digits.
fw::String NumberField(std::int64_t n, std::int64_t width);

// "short date   long time" + eol.
fw::String DateLine(const fw::String& shortDate, const fw::String& longTime, const fw::String& eol);

// "Number of variables: " and the number in a field of 4, + eol.
fw::String VariablesLine(std::int64_t vars, const fw::String& eol);

// "Number of subjects:  " and the number in a field of 4, then the two empty lines: three eols.
fw::String SubjectsLine(std::int64_t subs, const fw::String& eol);

// 60 "+" + eol.
fw::String RuleLine(const fw::String& eol);

// The column header + eol.
fw::String ColumnHeaderLine(const fw::String& eol);

// Four spaces, the eigenvalue number in a field of 3, 15 spaces, the random eigenvalue as
// "0.0000", 15 spaces, the standard error as ".0000", EndOfLine.
fw::String Row(std::int64_t i, double randEigen, double randSE);

// 60 "+", EndOfLine, then the empty line (eol).
fw::String ClosingRule(const fw::String& eol);

// The footer + EndOfLine.
fw::String FooterLine(const fw::String& footer);

}  // namespace calc
