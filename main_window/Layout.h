#pragma once

#include <vector>

#include "framework/core/String.h"
#include "framework/ui/ControlLayout.h"

namespace main_window {

// The main window's layout as data: the property lists that the window and each of its sixteen
// controls are given when the window is built. Each list is the exact bytes of a framework
// property list, built here entry by entry.

// The window's own list: size, title, buttons, white background.
fw::String ControlWndPropertyList();

// The sixteen controls in the order they are created. The two hidden text areas EigenFld and
// SerrorFld hold the random-eigenvalue and the standard-error table as their initial text; the
// banner and the help picture show MainTitle and quest1.
std::vector<fw::ControlLayout> ControlWndControls(const fw::String& eigenvalueTable,
                                                  const fw::String& standardErrorTable);

}  // namespace main_window
