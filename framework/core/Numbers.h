#pragma once

#include <cstdint>
#include <optional>

#include "framework/core/String.h"

namespace fw {

// The number a text begins with: leading blanks skipped, an optional sign, digits with an
// optional point and fraction, an optional exponent; reading stops at the first character that
// does not continue the number. Correctly rounded; beyond the double's range it gives an
// infinity or a zero of the number's sign. No number gives 0; "2,500" gives 2.
double Val(const String& text);

// The double truncated toward zero, or nothing when it is NaN, infinite or outside the 64-bit
// range (converting those is undefined behaviour in C++).
std::optional<std::int64_t> TruncateToInt64(double value);

// The double written with a mask: "0.0000" (at least one digit before the point) or ".0000"
// (no digit before the point below 1); more generally "0"s and "#"s, then a point and "0"s.
// The exact binary value is rounded to the mask's decimals, exact ties to even (as printf).
// A value that rounds to zero has no "-". NaN and infinities give "NaN", "INF" and "-INF";
// a mask of another shape gives the shortest text that reads back as the same double.
String Format(double value, const String& mask);

}  // namespace fw
