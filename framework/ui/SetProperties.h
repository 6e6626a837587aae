#pragma once

#include "framework/core/Object.h"
#include "framework/core/String.h"
#include "framework/ui/PropertyTable.h"

namespace fw {

// An object that takes property lists, as its class's property table says.
class PropertyTarget {
  public:
    virtual ~PropertyTarget() = default;

    // The class's name, as messages show it.
    virtual String ClassName() const = 0;
    virtual const PropertyTable& Properties() const = 0;
    // Called once a whole list is applied, for what is done once rather than entry by entry.
    virtual void PropertiesApplied() {}
};

// Applies every entry of the list to the object, in list order. The whole list is decoded and
// every name checked first, so a malformed list or a name the object's class does not know
// raises RuntimeException (naming the problem) before anything changes.
void SetProperties(const Ref<Object>& object, const String& list);

}  // namespace fw
