#pragma once

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "framework/core/Object.h"
#include "framework/core/String.h"
#include "framework/ui/PropertyList.h"

namespace fw {

// An object that takes property lists: it says which names its class knows and applies one
// entry at a time. The last value each name was given is kept and can be read back.
class PropertyTarget {
  public:
    virtual ~PropertyTarget() = default;

    // The class's name, as messages show it.
    virtual String ClassName() const = 0;
    virtual bool KnowsProperty(std::string_view name) const = 0;
    virtual void ApplyProperty(const PropertyEntry& entry) = 0;

    // The value the last property list gave this name, if any.
    std::optional<PropertyValue> StoredProperty(std::string_view name) const;

  private:
    friend void SetProperties(const Ref<Object>& object, const String& list);
    std::map<std::string, PropertyValue, std::less<>> m_stored;
};

// Applies every entry of the list to the object, in list order. The whole list is decoded and
// every name checked first, so a malformed list or a name the object's class does not know
// raises RuntimeException (naming the problem) before anything changes.
void SetProperties(const Ref<Object>& object, const String& list);

// Whether the name is one of the names.
bool NameIsIn(std::string_view name, std::span<const std::string_view> names);

// An entry's value as the type its name gives it; RuntimeException if it is not.
const String& TextValue(const PropertyEntry& entry);
std::int64_t IntegerValue(const PropertyEntry& entry);
bool BooleanValue(const PropertyEntry& entry);
double DoubleValue(const PropertyEntry& entry);
float SingleValue(const PropertyEntry& entry);
std::uint8_t UnitValue(const PropertyEntry& entry);
Color ColorValue(const PropertyEntry& entry);

}  // namespace fw
