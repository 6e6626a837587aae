#pragma once

#include "framework/core/Object.h"

class QMenuBar;

namespace fw {

class MenuBar;
class Window;

// A new QMenuBar that shows the bar's menus in the window: one QMenu per top-level menu, one
// action per item, each following its item's caption, shortcut, visibility and enabling.
// Opening a menu gets the items ready through the window; choosing an item runs its command
// in the window.
QMenuBar* PresentMenuBar(const Ref<MenuBar>& bar, Window& window);

}  // namespace fw
