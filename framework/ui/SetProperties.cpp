#include "framework/ui/SetProperties.h"

#include <vector>

#include "framework/core/Exceptions.h"

namespace fw {

void PropertyTable::Add(std::string_view name, PropertyKind kind, Action action) {
    if (KindOfProperty(name) != kind) {
        throw RuntimeException(String("Property " + std::string(name) +
                                      " is entered with a value of the wrong type."));
    }
    m_actions[std::string(name)] = std::move(action);
}

void PropertyTable::Apply(PropertyTarget& target, const PropertyEntry& entry) const {
    auto found = m_actions.find(entry.name);
    if (found != m_actions.end() && found->second) {
        found->second(target, entry.value);
    }
}

void SetProperties(const Ref<Object>& object, const String& list) {
    NotNil(object);
    auto* target = dynamic_cast<PropertyTarget*>(object.get());
    if (target == nullptr) {
        throw RuntimeException("This object takes no property list.");
    }
    const std::vector<PropertyEntry> entries = DecodePropertyList(list);
    const PropertyTable& table = target->Properties();
    for (const PropertyEntry& entry : entries) {
        if (!table.Knows(entry.name)) {
            throw RuntimeException("Class " + target->ClassName() + " has no property " +
                                   String(entry.name) + ".");
        }
    }
    for (const PropertyEntry& entry : entries) {
        table.Apply(*target, entry);
    }
    target->PropertiesApplied();
}

}  // namespace fw
