#pragma once

#include "framework/core/Object.h"
#include "framework/menus/MenuBar.h"

namespace shell {

namespace classes {

// The application's one menu bar: four top-level menus, built in a fixed order when the bar is
// made. Only the About item is served by the program itself (the main window binds and enables
// it); Quit quits through the framework, and the Edit items act on the focused text there.
class Menu : public fw::MenuBar {
  public:
    static const fw::ClassRecord& Record();

    // Builds the whole tree, menu after menu.
    void Constructor() override;

    // Each builds its rows of the tree, in screen order.
    virtual void Untitled0();
    virtual void Untitled1();
    virtual void Untitled2();
    virtual void Untitled3();

    // The bar that the accessor made, or nil before its first call (and after a failed build).
    static fw::Ref<Menu> implicitInstance;
};

}  // namespace classes

// The one menu bar, built on the first call. A build that raises leaves no bar behind, so a
// later call would start afresh.
fw::Ref<classes::Menu> Menu();

}  // namespace shell
