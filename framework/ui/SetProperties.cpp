#include "framework/ui/SetProperties.h"

#include <algorithm>

#include "framework/core/Exceptions.h"

namespace fw {

namespace {

template <class T>
const T& ValueAs(const PropertyEntry& entry, const char* type) {
    if (const T* value = std::get_if<T>(&entry.value)) {
        return *value;
    }
    throw RuntimeException(
        String("Property " + entry.name + " was given a value that is not " + type + "."));
}

}  // namespace

std::optional<PropertyValue> PropertyTarget::StoredProperty(std::string_view name) const {
    auto found = m_stored.find(name);
    if (found == m_stored.end()) {
        return std::nullopt;
    }
    return found->second;
}

void SetProperties(const Ref<Object>& object, const String& list) {
    NotNil(object);
    auto* target = dynamic_cast<PropertyTarget*>(object.get());
    if (target == nullptr) {
        throw RuntimeException("This object takes no property list.");
    }
    std::vector<PropertyEntry> entries = DecodePropertyList(list);
    for (const PropertyEntry& entry : entries) {
        if (!target->KnowsProperty(entry.name)) {
            throw RuntimeException("Class " + target->ClassName() + " has no property " +
                                   String(entry.name) + ".");
        }
    }
    for (const PropertyEntry& entry : entries) {
        target->ApplyProperty(entry);
        target->m_stored[entry.name] = entry.value;
    }
}

bool NameIsIn(std::string_view name, std::span<const std::string_view> names) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

const String& TextValue(const PropertyEntry& entry) {
    return ValueAs<String>(entry, "a text");
}
std::int64_t IntegerValue(const PropertyEntry& entry) {
    return ValueAs<std::int64_t>(entry, "an Integer");
}
bool BooleanValue(const PropertyEntry& entry) {
    return ValueAs<bool>(entry, "a Boolean");
}
double DoubleValue(const PropertyEntry& entry) {
    return ValueAs<double>(entry, "a Double");
}
float SingleValue(const PropertyEntry& entry) {
    return ValueAs<float>(entry, "a Single");
}
std::uint8_t UnitValue(const PropertyEntry& entry) {
    return ValueAs<std::uint8_t>(entry, "a unit");
}
Color ColorValue(const PropertyEntry& entry) {
    return ValueAs<Color>(entry, "a colour");
}

}  // namespace fw
