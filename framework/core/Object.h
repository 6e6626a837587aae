#pragma once

#include <memory>

#include "framework/core/Exceptions.h"

namespace fw {

// Every framework object is shared through Ref; nil is an empty Ref.
template <class T>
using Ref = std::shared_ptr<T>;

class Object : public std::enable_shared_from_this<Object> {
  public:
    virtual ~Object() = default;
};

// The checked cast: nil stays nil, an object of the class (or a subclass) comes back typed,
// and any other object raises IllegalCastException.
template <class T, class U>
Ref<T> Cast(const Ref<U>& object) {
    if (!object) {
        return nullptr;
    }
    if (auto typed = std::dynamic_pointer_cast<T>(object)) {
        return typed;
    }
    throw IllegalCastException("The object is not of the class it was cast to.");
}

// Raises NilObjectException when the object is nil; returns it otherwise.
template <class T>
const Ref<T>& NotNil(const Ref<T>& object) {
    if (!object) {
        throw NilObjectException("A nil object was used.");
    }
    return object;
}

}  // namespace fw
