#pragma once

#include <string>

namespace fw {

// Asked before RuntimeStartup: empty when the windows have a display to go to, or when the choice
// of one is left to the platform (QT_QPA_PLATFORM names a platform other than X11, or a Wayland
// display answers where Qt's Wayland platform is installed); otherwise one line that says which
// display is missing, e.g. "no display to show the window on (DISPLAY is not set)".
std::string RuntimeMissingDisplay();

// For RuntimeStartup, once the platform has its own connection: lets go of the one that found the
// X display answering.
void ReleaseDisplayProbe();

}  // namespace fw
