#pragma once

#include "framework/core/String.h"

class QKeyEvent;

namespace fw {

// The key of a key press as the handlers receive it: the character typed, or for the keys that
// type none the character code the framework gives them (Return 13, Tab 9, Backspace 8,
// Escape 27, Delete 127, arrows 28 to 31). Empty for a modifier key alone.
String KeyText(const QKeyEvent& event);

}  // namespace fw
