#pragma once

#include <array>
#include <string_view>

namespace fw {

// The names that the property lists of both text controls, TextArea and TextField, hold beyond
// those of every RectControl and those of the font.
inline constexpr std::array<std::string_view, 14> kTextControlPropertyNames = {
    "BackgroundColor",
    "HasBorder",
    "Format",
    "TextColor",
    "AllowFocusRing",
    "Value",
    "AllowTabs",
    "TextAlignment",
    "AllowSpellChecking",
    "MaximumCharactersAllowed",
    "ValidationMask",
    "ReadOnly",
    "DataSource",
    "DataField"};

}  // namespace fw
