#pragma once

#include <string_view>
#include <vector>

#include "framework/core/String.h"

namespace main_window {

// The main window's layout as data: the property lists that the window and each of its sixteen
// controls are given when the window is built. Each list is the exact bytes of a framework
// property list, built here entry by entry.

// The window's own list: size, title, buttons, white background.
fw::String ControlWndPropertyList();

// One control of the window: the name it is registered under, the name of its framework class
// ("Label", "TextArea", "TextField", "PushButton" or "Canvas") and its property list.
struct ControlLayout {
    std::string_view name;
    std::string_view className;
    fw::String properties;
};

// The sixteen controls in the order they are created. The two hidden text areas EigenFld and
// SerrorFld hold the random-eigenvalue and the standard-error table as their initial text.
std::vector<ControlLayout> ControlWndControls(const fw::String& eigenvalueTable,
                                              const fw::String& standardErrorTable);

}  // namespace main_window
