#pragma once

#include <exception>

#include "framework/core/String.h"

namespace fw {

// The framework's runtime exceptions. Each knows its class name, which the unhandled-exception
// handling shows to the user, and carries a message.
class RuntimeException : public std::exception {
  public:
    explicit RuntimeException(String message = String()) : m_message(std::move(message)) {}

    virtual String ClassName() const { return "RuntimeException"; }
    const String& Message() const { return m_message; }
    const char* what() const noexcept override {
        return m_message.IsEmpty() ? "" : m_message.Data();
    }

  private:
    String m_message;
};

// A nil object was used.
class NilObjectException : public RuntimeException {
  public:
    using RuntimeException::RuntimeException;
    String ClassName() const override { return "NilObjectException"; }
};

// An object was cast to a class it does not belong to.
class IllegalCastException : public RuntimeException {
  public:
    using RuntimeException::RuntimeException;
    String ClassName() const override { return "IllegalCastException"; }
};

}  // namespace fw
