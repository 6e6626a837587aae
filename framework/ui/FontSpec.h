#pragma once

#include "framework/core/String.h"

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

    QFont ToQFont() const;
};

}  // namespace fw
