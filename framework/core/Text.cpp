#include "framework/core/Text.h"

#include <charconv>
#include <cstring>
#include <string_view>

namespace fw {

namespace {

bool IsContinuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// The position just past the (count)-th occurrence of the byte mark, or npos when there are
// fewer. Table fields are a few bytes long, too short for memchr to pay off call by call, so
// whole blocks are counted at once (a loop the compiler vectorises) and only the block holding
// the wanted occurrence is scanned byte by byte.
std::size_t PastNthByte(std::string_view text, char mark, std::int64_t count) {
    constexpr std::size_t kBlock = 128;
    static_assert(kBlock <= 255, "the count of one block must fit in a byte");
    const auto* const bytes = reinterpret_cast<const unsigned char*>(text.data());
    const auto wanted = static_cast<unsigned char>(mark);
    std::size_t pos = 0;
    std::int64_t remaining = count;
    while (text.size() - pos >= kBlock) {
        std::uint8_t inBlock = 0;  // at most kBlock, so one byte holds it
        for (std::size_t i = 0; i < kBlock; ++i) {
            inBlock = static_cast<std::uint8_t>(inBlock + (bytes[pos + i] == wanted ? 1 : 0));
        }
        if (inBlock >= remaining) {
            break;
        }
        remaining -= inBlock;
        pos += kBlock;
    }
    for (; pos < text.size(); ++pos) {
        if (bytes[pos] == wanted && --remaining == 0) {
            return pos + 1;
        }
    }
    return std::string_view::npos;
}

// The byte offset where the (index)-th delimiter-separated field begins, counted from 0, or
// npos when the text has fewer fields. One forward scan.
std::size_t FieldStart(std::string_view text, std::string_view delimiter, std::int64_t index) {
    if (index == 0) {
        return 0;
    }
    if (delimiter.size() == 1) {
        return PastNthByte(text, delimiter.front(), index);
    }
    std::size_t start = 0;
    for (std::int64_t skipped = 0; skipped < index; ++skipped) {
        const std::size_t found = text.find(delimiter, start);
        if (found == std::string_view::npos) {
            return std::string_view::npos;
        }
        start = found + delimiter.size();
    }
    return start;
}

}  // namespace

String Chr(std::int64_t code) {
    if (code < 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return String();
    }
    const auto point = static_cast<std::uint32_t>(code);
    char bytes[4];
    std::size_t count = 0;
    if (point < 0x80) {
        bytes[count++] = static_cast<char>(point);
    } else if (point < 0x800) {
        bytes[count++] = static_cast<char>(0xC0 | (point >> 6));
        bytes[count++] = static_cast<char>(0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
        bytes[count++] = static_cast<char>(0xE0 | (point >> 12));
        bytes[count++] = static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        bytes[count++] = static_cast<char>(0x80 | (point & 0x3F));
    } else {
        bytes[count++] = static_cast<char>(0xF0 | (point >> 18));
        bytes[count++] = static_cast<char>(0x80 | ((point >> 12) & 0x3F));
        bytes[count++] = static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        bytes[count++] = static_cast<char>(0x80 | (point & 0x3F));
    }
    // Chr(0) is a one-character text too, so the length is given explicitly.
    return String(std::string(bytes, count));
}

std::int64_t Len(const String& text) {
    std::int64_t count = 0;
    for (const char byte : text.View()) {
        if (!IsContinuationByte(byte)) {
            ++count;
        }
    }
    return count;
}

String Right(const String& text, std::int64_t n) {
    if (n <= 0) {
        return String();
    }
    const std::string_view bytes = text.View();
    std::size_t start = bytes.size();
    std::int64_t taken = 0;
    while (start > 0 && taken < n) {
        --start;
        if (!IsContinuationByte(bytes[start])) {
            ++taken;
        }
    }
    if (start == 0) {
        return text;
    }
    return String(bytes.substr(start));
}

String NthField(const String& text, const String& delimiter, std::int64_t n) {
    if (n <= 0) {
        return String();
    }
    if (delimiter.IsEmpty()) {
        return n == 1 ? text : String();
    }
    const std::string_view bytes = text.View();
    const std::string_view mark = delimiter.View();
    const std::size_t start = FieldStart(bytes, mark, n - 1);
    if (start == std::string_view::npos) {
        return String();
    }
    const std::size_t end =
        mark.size() == 1 ? bytes.find(mark.front(), start) : bytes.find(mark, start);
    if (start == 0 && end == std::string_view::npos) {
        return text;
    }
    return String(bytes.substr(start, end == std::string_view::npos ? end : end - start));
}

String Str(std::int64_t n) {
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, n);
    return String(std::string_view(digits, static_cast<std::size_t>(result.ptr - digits)));
}

String EndOfLine() {
    static const String lineEnd("\n");
    return lineEnd;
}

}  // namespace fw
