#pragma once

#include "framework/core/String.h"

class QKeyEvent;

namespace fw {

// The key of a key press as the handlers receive it: the character typed, or for the keys that
// type none the character code the framework gives them (Home 1, End 4, Help 5, Backspace 8,
// Tab 9, Page Up 11, Page Down 12, Return 13, Escape 27, arrows 28 to 31, Delete 127, and 16 for
// every other key, the function keys among them). Empty only for a modifier key alone.
String KeyText(const QKeyEvent& event);

}  // namespace fw
