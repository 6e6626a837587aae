#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "framework/core/String.h"
#include "framework/ui/ControlLayout.h"
#include "framework/ui/PropertyList.h"

namespace main_window {

// The main window's layout as data: the property lists that the window and each of its sixteen
// controls are given when the window is built. Each list is the exact bytes of a framework
// property list, built here entry by entry.

// Where a control sits and how the keyboard reaches it.
struct ControlPlace {
    std::string_view name{};
    std::int64_t left = 0, top = 0, width = 0, height = 0;
    std::int64_t tabIndex = 0;
    bool tabStop = false;
    bool locked = false;  // all four edges locked to the window
};

// The entries that open the list of every control of the program's windows: its name, no control
// set, its place, its edges locked or not, and its tab index and tab stop.
fw::PropertyListBuilder PlaceEntries(const ControlPlace& place);

// The list of a window of the program: visible once built, fixed at its size, white, with a
// minimise button and no maximise button, the menu bar shown; the window's own size, type, title
// and close button. The About window's list is one too.
fw::String WindowPropertyList(std::int64_t width, std::int64_t height, std::int64_t type,
                              std::string_view title, bool hasCloseButton);

// The main window's own list: 470 x 420, titled, with a close button.
fw::String ControlWndPropertyList();

// The sixteen controls in the order they are created. The two hidden text areas EigenFld and
// SerrorFld hold the random-eigenvalue and the standard-error table as their initial text; the
// banner and the help picture show MainTitle and quest1.
std::vector<fw::ControlLayout> ControlWndControls(const fw::String& eigenvalueTable,
                                                  const fw::String& standardErrorTable);

}  // namespace main_window
