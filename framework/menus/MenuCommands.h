#pragma once

#include "framework/core/Object.h"

namespace fw {

class MenuItem;
class Window;

// What the application's menus do in a window.

// Gets the items ready before one of the window's menus opens: Quit is always enabled, the Edit
// items as far as the focused text control allows, and every other auto-enabled item when the
// window has a handler for it. The window's EnableMenuItems event may then enable more.
void PrepareMenus(Window& window);

// Runs the command of an item chosen in the window: the window's handler first; unless it
// answered True, the Quit item quits and the Edit items act on the focused text control.
void ChooseMenuItem(Window& window, const Ref<MenuItem>& item);

}  // namespace fw
