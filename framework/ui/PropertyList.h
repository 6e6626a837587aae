#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "framework/core/String.h"

namespace fw {

// A property list is the design-time properties of a window or control as one run of entries:
// the name in ASCII, one blank, then the value with no type tag. The value's width follows from
// the name: texts are a 4-byte little-endian byte count and UTF-8; Integers 8 bytes; Doubles 8;
// FontSize a 4-byte single; FontUnit 1 byte; colours 4 bytes in stored order; every other
// property a Boolean byte (0 or 1).

enum class PropertyKind { Text, Integer, Double, Single, Unit, Color, Boolean };

PropertyKind KindOfProperty(std::string_view name);

struct Color {
    std::uint8_t red = 0, green = 0, blue = 0, extra = 0;  // stored order, as its four bytes
    friend bool operator==(const Color&, const Color&) = default;
};

using PropertyValue = std::variant<String, std::int64_t, double, float, std::uint8_t, Color, bool>;

struct PropertyEntry {
    std::string name;
    PropertyValue value;
};

// Builds the bytes of a list, entry by entry, in the order the calls are made.
class PropertyListBuilder {
  public:
    PropertyListBuilder& Text(std::string_view name, std::string_view utf8);
    PropertyListBuilder& Integer(std::string_view name, std::int64_t value);
    PropertyListBuilder& Double(std::string_view name, double value);
    PropertyListBuilder& Single(std::string_view name, float value);
    PropertyListBuilder& Unit(std::string_view name, std::uint8_t value);
    PropertyListBuilder& Color(std::string_view name, fw::Color color);
    PropertyListBuilder& Boolean(std::string_view name, bool value);

    String Build() const { return String(std::string_view(m_bytes)); }

  private:
    void Name(std::string_view name, PropertyKind kind);
    // The name, then the value's bytes, little-endian.
    template <class T>
    PropertyListBuilder& Append(std::string_view name, PropertyKind kind, T value);
    std::string m_bytes;
};

// Decodes a list into its entries. A malformed name, a truncated value or a Boolean byte other
// than 0 or 1 raises RuntimeException naming the entry; nothing is read past the end.
std::vector<PropertyEntry> DecodePropertyList(const String& list);

}  // namespace fw
