#include "framework/core/Numbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>
#include <system_error>

namespace fw {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The numeral at the start of text (after blanks and sign): its extent, and the power of ten of
// its leading significant digit, which tells overflow from underflow when the value is out of
// the double's range. The power saturates, so absurd exponents cannot overflow it.
struct Numeral {
    std::size_t length = 0;
    bool hasDigits = false;
    std::int64_t magnitude = 0;
};

constexpr std::int64_t kExponentCap = 1'000'000'000;

Numeral ScanNumeral(std::string_view text) {
    Numeral numeral;
    std::size_t pos = 0;
    std::int64_t integerDigits = 0;  // significant digits before the point
    std::int64_t leadingZeros = 0;   // zeros after the point before the first significant digit
    bool seenSignificant = false;
    while (pos < text.size() && IsDigit(text[pos])) {
        if (text[pos] != '0' || seenSignificant) {
            seenSignificant = true;
            if (integerDigits < kExponentCap) {
                ++integerDigits;
            }
        }
        ++pos;
        numeral.hasDigits = true;
    }
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        while (pos < text.size() && IsDigit(text[pos])) {
            if (!seenSignificant) {
                if (text[pos] == '0') {
                    if (leadingZeros < kExponentCap) {
                        ++leadingZeros;
                    }
                } else {
                    seenSignificant = true;
                }
            }
            ++pos;
            numeral.hasDigits = true;
        }
    }
    if (!numeral.hasDigits) {
        return numeral;
    }
    std::int64_t exponent = 0;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t cursor = pos + 1;
        bool negative = false;
        if (cursor < text.size() && (text[cursor] == '+' || text[cursor] == '-')) {
            negative = text[cursor] == '-';
            ++cursor;
        }
        if (cursor < text.size() && IsDigit(text[cursor])) {
            while (cursor < text.size() && IsDigit(text[cursor])) {
                if (exponent < kExponentCap) {
                    exponent = exponent * 10 + (text[cursor] - '0');
                }
                ++cursor;
            }
            pos = cursor;
            if (negative) {
                exponent = -exponent;
            }
        }
    }
    numeral.length = pos;
    numeral.magnitude = (integerDigits > 0 ? integerDigits : -leadingZeros) + exponent;
    return numeral;
}

struct Mask {
    bool valid = false;
    int integerDigits = 0;  // "0"s before the point: digits always written there
    int decimals = 0;
};

// Masks of the shape [0#]*(.0*)?, such as "0.0000" and ".0000".
Mask ParseMask(std::string_view mask) {
    Mask parsed;
    std::size_t pos = 0;
    while (pos < mask.size() && (mask[pos] == '0' || mask[pos] == '#')) {
        if (mask[pos] == '0') {
            ++parsed.integerDigits;
        }
        ++pos;
    }
    if (pos < mask.size() && mask[pos] == '.') {
        ++pos;
        while (pos < mask.size() && mask[pos] == '0') {
            ++parsed.decimals;
            ++pos;
        }
    }
    parsed.valid =
        pos == mask.size() && pos > 0 && parsed.decimals <= 100 && parsed.integerDigits <= 100;
    return parsed;
}

String ShortestText(double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return String(std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer)));
}

}  // namespace

double Val(const String& text) {
    const std::string_view bytes = text.View();
    std::size_t pos = 0;
    while (pos < bytes.size() && (bytes[pos] == ' ' || bytes[pos] == '\t')) {
        ++pos;
    }
    bool negative = false;
    if (pos < bytes.size() && (bytes[pos] == '+' || bytes[pos] == '-')) {
        negative = bytes[pos] == '-';
        ++pos;
    }
    const std::string_view rest = bytes.substr(pos);
    const Numeral numeral = ScanNumeral(rest);
    if (!numeral.hasDigits) {
        return 0.0;
    }
    double value = 0.0;
    const char* first = rest.data();
    const auto result = std::from_chars(first, first + numeral.length, value);
    if (result.ec == std::errc::result_out_of_range) {
        value = numeral.magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (result.ec != std::errc()) {
        value = 0.0;
    }
    return negative ? -value : value;
}

std::optional<std::int64_t> TruncateToInt64(double value) {
    // 2^63 is exactly representable; every double below it and at or above -2^63 converts.
    constexpr double kTwoTo63 = 9223372036854775808.0;
    if (!(value < kTwoTo63 && value >= -kTwoTo63)) {
        return std::nullopt;  // NaN fails both comparisons
    }
    return static_cast<std::int64_t>(value);
}

// Rounds the double's exact binary value to the mask's decimals, ties to even (as printf
// does). "0.0000" keeps one digit before the point, ".0000" writes none when the rounded value
// is below 1. A result that rounds to zero is written without a sign. NaN and infinities are
// written "NaN", "INF" and "-INF". A mask of any other shape gets the shortest text that reads
// back as the same double.
String Format(double value, const String& mask) {
    if (std::isnan(value)) {
        return "NaN";
    }
    if (std::isinf(value)) {
        return value > 0 ? "INF" : "-INF";
    }
    const Mask parsed = ParseMask(mask.View());
    if (!parsed.valid) {
        return ShortestText(value);
    }
    // The largest double has 309 integer digits.
    std::string text(320 + static_cast<std::size_t>(parsed.decimals), '\0');
    const auto result = std::to_chars(text.data(), text.data() + text.size(), value,
                                      std::chars_format::fixed, parsed.decimals);
    text.resize(static_cast<std::size_t>(result.ptr - text.data()));

    std::string_view digits = text;
    const bool negative = !digits.empty() && digits.front() == '-';
    if (negative) {
        digits.remove_prefix(1);
    }
    const std::size_t point = digits.find('.');
    std::string_view whole = digits.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : digits.substr(point);
    const bool isZero = digits.find_first_not_of("0.") == std::string_view::npos;
    if (whole == "0") {
        whole = std::string_view();
    }

    std::string out;
    out.reserve(text.size() + static_cast<std::size_t>(parsed.integerDigits) + 1);
    if (negative && !isZero) {
        out += '-';
    }
    if (whole.size() < static_cast<std::size_t>(parsed.integerDigits)) {
        out.append(static_cast<std::size_t>(parsed.integerDigits) - whole.size(), '0');
    }
    out += whole;
    out += fraction;
    if (out.empty() || out == "-") {
        return "0";  // a mask such as "#" still writes something for zero
    }
    return String(std::move(out));
}

}  // namespace fw
