#pragma once

#include "framework/menus/MenuItem.h"

namespace fw {

// An item of the application menu, such as About. It is given the About role; on this
// platform it stays where it was appended.
class AppleMenuItem : public MenuItem {
  public:
    static const ClassRecord& Record();
};

}  // namespace fw
