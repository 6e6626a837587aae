#pragma once

#include <cstdint>
#include <optional>

#include "framework/core/String.h"

namespace fw {

// The one-character text of a Unicode code point: Chr(13) is CR.
String Chr(std::int64_t code);

// The number of characters (code points), the unit of a text area's insertion point.
std::int64_t Len(const String& text);

// The last n characters: the whole text when n >= Len, empty when n <= 0.
String Right(const String& text, std::int64_t n);

// Field n, counted from 1, of text split at each occurrence of delimiter. The first field
// starts at the beginning and the last runs to the end; n <= 0 or past the last field gives "".
String NthField(const String& text, const String& delimiter, std::int64_t n);

// The decimal digits of n, with "-" for negatives.
String Str(std::int64_t n);

// The platform line end (LF here). Written as text + EndOfLine().
String EndOfLine();

}  // namespace fw
