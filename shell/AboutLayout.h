#pragma once

#include <cstdint>
#include <string_view>

#include "framework/core/String.h"

namespace shell {

// The About window's layout as data: the property lists that the window and its controls are
// given when the window is built, each the exact bytes of a framework property list.

// The one-line ownership notice at the foot of the window: 53 characters.
inline constexpr std::string_view kAboutNotice =
    "\xC2\xA9 2000 - 2020 Vantrex Analytics. All rights reserved.";

// The window: 249 x 200, white, without a title or a close button, visible once it is built.
fw::String AboutWndPropertyList();

// The two picture canvases: Graph (the middle picture) and Canvas2 (the title across the top).
fw::String GraphPropertyList();
fw::String Canvas2PropertyList();

// The notice, small, grey and centred.
fw::String StaticText2PropertyList();

// The splash timer: one Action, 4000 ms after it is set.
fw::String Timer1PropertyList();

}  // namespace shell
