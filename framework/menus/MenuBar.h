#pragma once

#include "framework/menus/MenuItem.h"

namespace fw {

// The root of a menu tree: its children are the top-level menus.
class MenuBar : public MenuItem {
  public:
    static const ClassRecord& Record();
};

}  // namespace fw
