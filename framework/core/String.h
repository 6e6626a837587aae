#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace fw {

// Immutable UTF-8 text, shared by reference counting. Copies share the bytes; only
// building a new text (concatenation, a field, a slice) allocates.
class String {
  public:
    String() = default;
    String(const char* utf8);  // NOLINT(google-explicit-constructor): literals read naturally
    String(std::string_view utf8);
    String(std::string&& utf8);

    std::string_view View() const {
        return m_bytes ? std::string_view(*m_bytes) : std::string_view();
    }
    const char* Data() const { return View().data(); }
    std::size_t ByteCount() const { return m_bytes ? m_bytes->size() : 0; }
    bool IsEmpty() const { return ByteCount() == 0; }
    std::string ToStdString() const { return std::string(View()); }

    friend String operator+(const String& a, const String& b);
    friend bool operator==(const String& a, const String& b) { return a.View() == b.View(); }

  private:
    std::shared_ptr<const std::string> m_bytes;
};

}  // namespace fw
