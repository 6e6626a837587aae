#include "tools/tablegen/TableForm.h"

namespace tablegen {

namespace {

void AppendDigits(std::string& out, std::int64_t value, int width) {
    std::string digits(width, '0');
    for (int k = width - 1; k >= 0; --k) {
        digits[k] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    out += digits;
}

bool AllDigits(std::string_view text) {
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string EigenvalueText(std::int64_t units, bool isShort) {
    std::string text;
    AppendDigits(text, units / kUnitsPerOne, 1);
    text += '.';
    if (isShort) {
        AppendDigits(text, units % kUnitsPerOne / 10, 3);
    } else {
        AppendDigits(text, units % kUnitsPerOne, 4);
    }
    return text;
}

std::string StandardErrorText(std::int64_t units) {
    std::string text = ".";
    AppendDigits(text, units, 4);
    return text;
}

std::optional<std::int64_t> EntryUnits(std::string_view text) {
    const auto point = text.find('.');
    if (point == std::string_view::npos || point > 1) {
        return std::nullopt;
    }
    const std::string_view whole = text.substr(0, point);
    const std::string_view decimals = text.substr(point + 1);
    if (!AllDigits(whole) || !AllDigits(decimals) || decimals.size() < 3 || decimals.size() > 4 ||
        (whole.empty() && decimals.size() != 4)) {
        return std::nullopt;
    }
    std::int64_t units = whole.empty() ? 0 : (whole[0] - '0') * kUnitsPerOne;
    std::int64_t fraction = 0;
    for (char c : decimals) {
        fraction = fraction * 10 + (c - '0');
    }
    if (decimals.size() == 3) {
        fraction *= 10;
    }
    return units + fraction;
}

}  // namespace tablegen
