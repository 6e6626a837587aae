#pragma once

#include <string_view>

#include "framework/core/String.h"
#include "framework/ui/PropertyList.h"

class QFont;

namespace fw {

// A control's font as its property lists give it: the name ("System", "Courier" or a family),
// the size in points of the layout, one logical pixel each (0: the platform's size), and the
// three styles.
struct FontSpec {
    String name = "System";
    double size = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;

    // Whether the name is one of a font's properties (FontUnit among them, which is only stored).
    static bool Knows(std::string_view name);
    // Takes a FontName, FontSize, Bold, Italic or Underline entry; false for any other.
    bool Take(const PropertyEntry& entry);
    QFont ToQFont() const;
};

}  // namespace fw
