#pragma once

#include "framework/menus/MenuItem.h"

namespace fw {

// The item that quits the application when it is chosen (with exit code 0).
class QuitMenuItem : public MenuItem {
  public:
    static const ClassRecord& Record();
};

}  // namespace fw
