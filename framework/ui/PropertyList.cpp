#include "framework/ui/PropertyList.h"

#include <array>
#include <bit>
#include <cstring>

#include "framework/core/Exceptions.h"

namespace fw {

namespace {

constexpr std::array kTextNames = {"Name",           "Title",      "Caption",   "Value",
                                   "FontName",       "Format",     "Tooltip",   "Hint",
                                   "ValidationMask", "DataSource", "DataField", "InitialParent"};
constexpr std::array kIntegerNames = {
    "Width",           "Height",        "MinimumWidth",  "MinimumHeight",
    "MaximumWidth",    "MaximumHeight", "Type",          "MacProcID",
    "DefaultLocation", "Index",         "Left",          "Top",
    "TabIndex",        "TabPanelIndex", "TextAlignment", "MaximumCharactersAllowed",
    "MacButtonStyle",  "Period",        "RunMode"};
constexpr std::array kDoubleNames = {"LineHeight", "LineSpacing"};
constexpr std::array kColorNames = {"BackgroundColor", "TextColor"};

template <std::size_t N>
bool Contains(const std::array<const char*, N>& names, std::string_view name) {
    for (const char* candidate : names) {
        if (name == candidate) {
            return true;
        }
    }
    return false;
}

static_assert(sizeof(Color) == 4, "a colour is its four bytes");

template <class T>
void AppendLittleEndian(std::string& out, T value) {
    static_assert(std::endian::native == std::endian::little, "little-endian hosts only");
    char bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof(T));
    out.append(bytes, sizeof(T));
}

bool IsNameStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IsNameChar(char c) {
    return IsNameStart(c) || (c >= '0' && c <= '9') || c == '_';
}

class Reader {
  public:
    explicit Reader(std::string_view bytes) : m_bytes(bytes) {}

    bool AtEnd() const { return m_pos == m_bytes.size(); }

    std::string_view Name() {
        std::size_t start = m_pos;
        if (AtEnd() || !IsNameStart(m_bytes[m_pos])) {
            Fail("a property name was expected", std::string_view());
        }
        while (m_pos < m_bytes.size() && IsNameChar(m_bytes[m_pos])) {
            ++m_pos;
        }
        std::string_view name = m_bytes.substr(start, m_pos - start);
        if (AtEnd() || m_bytes[m_pos] != ' ') {
            Fail("the blank after the name is missing", name);
        }
        ++m_pos;
        return name;
    }

    std::string_view Take(std::size_t count, std::string_view name) {
        if (m_bytes.size() - m_pos < count) {
            Fail("the value is cut short", name);
        }
        std::string_view taken = m_bytes.substr(m_pos, count);
        m_pos += count;
        return taken;
    }

    template <class T>
    T Number(std::string_view name) {
        T value;
        std::memcpy(&value, Take(sizeof(T), name).data(), sizeof(T));
        return value;
    }

    [[noreturn]] void Fail(const char* what, std::string_view name) const {
        std::string message = "Malformed property list at byte " + std::to_string(m_pos);
        if (!name.empty()) {
            message += " (property " + std::string(name) + ")";
        }
        message += ": ";
        message += what;
        message += ".";
        throw RuntimeException(String(std::move(message)));
    }

  private:
    std::string_view m_bytes;
    std::size_t m_pos = 0;
};

}  // namespace

PropertyKind KindOfProperty(std::string_view name) {
    if (Contains(kTextNames, name)) {
        return PropertyKind::Text;
    }
    if (Contains(kIntegerNames, name)) {
        return PropertyKind::Integer;
    }
    if (Contains(kDoubleNames, name)) {
        return PropertyKind::Double;
    }
    if (name == "FontSize") {
        return PropertyKind::Single;
    }
    if (name == "FontUnit") {
        return PropertyKind::Unit;
    }
    if (Contains(kColorNames, name)) {
        return PropertyKind::Color;
    }
    return PropertyKind::Boolean;
}

void PropertyListBuilder::Name(std::string_view name, PropertyKind kind) {
    if (KindOfProperty(name) != kind) {
        throw RuntimeException(String("Property " + std::string(name) +
                                      " is written with a value of the wrong type."));
    }
    m_bytes.append(name);
    m_bytes.push_back(' ');
}

template <class T>
PropertyListBuilder& PropertyListBuilder::Append(std::string_view name, PropertyKind kind,
                                                 T value) {
    Name(name, kind);
    AppendLittleEndian(m_bytes, value);
    return *this;
}

PropertyListBuilder& PropertyListBuilder::Text(std::string_view name, std::string_view utf8) {
    Append(name, PropertyKind::Text, static_cast<std::uint32_t>(utf8.size()));
    m_bytes.append(utf8);
    return *this;
}

PropertyListBuilder& PropertyListBuilder::Integer(std::string_view name, std::int64_t value) {
    return Append(name, PropertyKind::Integer, value);
}

PropertyListBuilder& PropertyListBuilder::Double(std::string_view name, double value) {
    return Append(name, PropertyKind::Double, value);
}

PropertyListBuilder& PropertyListBuilder::Single(std::string_view name, float value) {
    return Append(name, PropertyKind::Single, value);
}

PropertyListBuilder& PropertyListBuilder::Unit(std::string_view name, std::uint8_t value) {
    return Append(name, PropertyKind::Unit, value);
}

PropertyListBuilder& PropertyListBuilder::Color(std::string_view name, fw::Color color) {
    return Append(name, PropertyKind::Color, color);  // the four bytes in stored order
}

PropertyListBuilder& PropertyListBuilder::Boolean(std::string_view name, bool value) {
    return Append(name, PropertyKind::Boolean, static_cast<std::uint8_t>(value ? 1 : 0));
}

std::vector<PropertyEntry> DecodePropertyList(const String& list) {
    std::vector<PropertyEntry> entries;
    Reader reader(list.View());
    while (!reader.AtEnd()) {
        std::string_view name = reader.Name();
        PropertyEntry entry{std::string(name), false};
        switch (KindOfProperty(name)) {
            case PropertyKind::Text: {
                auto count = reader.Number<std::uint32_t>(name);
                entry.value = String(reader.Take(count, name));
                break;
            }
            case PropertyKind::Integer:
                entry.value = reader.Number<std::int64_t>(name);
                break;
            case PropertyKind::Double:
                entry.value = reader.Number<double>(name);
                break;
            case PropertyKind::Single:
                entry.value = reader.Number<float>(name);
                break;
            case PropertyKind::Unit:
                entry.value = reader.Number<std::uint8_t>(name);
                break;
            case PropertyKind::Color:
                entry.value = reader.Number<fw::Color>(name);
                break;
            case PropertyKind::Boolean: {
                auto byte = reader.Number<std::uint8_t>(name);
                if (byte > 1) {
                    reader.Fail("a Boolean value must be 0 or 1", name);
                }
                entry.value = byte == 1;
                break;
            }
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

}  // namespace fw
