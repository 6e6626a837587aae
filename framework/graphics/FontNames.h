#pragma once

#include <QFont>

#include "framework/core/String.h"

namespace fw {

// The font a font name stands for: "System" is the platform's UI font, "Courier" in any case its
// monospace font, any other name the family of that name. The size is left as the font has it.
QFont FontForName(const String& name);

}  // namespace fw
