#pragma once

#include <cstddef>

// The two table texts as compiled into the program (a source generated from resources/tables
// when the program is built). Reach them through calc/Tables.h.
namespace calc {

inline constexpr std::size_t kRandomEigenvalueTableLength = 80836;
inline constexpr std::size_t kStandardErrorTableLength = 69299;

extern const unsigned char kRandomEigenvalueTableBytes[kRandomEigenvalueTableLength];
extern const unsigned char kStandardErrorTableBytes[kStandardErrorTableLength];

}  // namespace calc
