#include "framework/core/String.h"

namespace fw {

String::String(const char* utf8) : String(std::string_view(utf8 ? utf8 : "")) {}

String::String(std::string_view utf8) {
    if (!utf8.empty()) {
        m_bytes = std::make_shared<const std::string>(utf8);
    }
}

String::String(std::string&& utf8) {
    if (!utf8.empty()) {
        m_bytes = std::make_shared<const std::string>(std::move(utf8));
    }
}

String operator+(const String& a, const String& b) {
    if (a.IsEmpty()) {
        return b;
    }
    if (b.IsEmpty()) {
        return a;
    }
    std::string joined;
    joined.reserve(a.ByteCount() + b.ByteCount());
    joined.append(a.View());
    joined.append(b.View());
    return String(std::move(joined));
}

}  // namespace fw
