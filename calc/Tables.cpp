#include "calc/Tables.h"

#include <string_view>

#include "calc/TableBytes.h"

namespace calc {

namespace {

std::string_view View(const unsigned char* bytes, std::size_t length) {
    return std::string_view(reinterpret_cast<const char*>(bytes), length);
}

}  // namespace

fw::String RandomEigenvalueTableText() {
    static const fw::String text(View(kRandomEigenvalueTableBytes, kRandomEigenvalueTableLength));
    return text;
}

fw::String StandardErrorTableText() {
    static const fw::String text(View(kStandardErrorTableBytes, kStandardErrorTableLength));
    return text;
}

}  // namespace calc
