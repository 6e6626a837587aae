#pragma once

#include <string_view>
#include <vector>

#include "framework/core/String.h"
#include "framework/ui/ControlLayout.h"

namespace shell {

// The About window's layout as data: the property lists that the window and its controls are
// given when the window is built, each the exact bytes of a framework property list.

// The one-line ownership notice at the foot of the window: 53 characters.
inline constexpr std::string_view kAboutNotice =
    "\xC2\xA9 2000 - 2020 Vantrex Analytics. All rights reserved.";

// The window: 249 x 200, white, without a title or a close button, visible once it is built.
fw::String AboutWndPropertyList();

// The four controls in the order they are made: the two picture canvases Graph (the middle
// picture) and Canvas2 (the title across the top), the notice StaticText2, small, grey and
// centred, and the splash timer Timer1, whose one Action comes 4000 ms after its list is applied.
std::vector<fw::ControlLayout> AboutWndControls();

}  // namespace shell
