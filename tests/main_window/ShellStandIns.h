#pragma once

#include "framework/core/Object.h"
#include "framework/ui/Window.h"

namespace fw {
class AppleMenuItem;
}

namespace mwtest {

// Stand-ins for what the application shell gives the main window: a small hidden About window,
// and the About menu item.
class AboutStandIn : public fw::Window {
  public:
    static const fw::ClassRecord& Record();
    void Layout();
};

// The About window that shell::AboutWnd() gives (the open one, or a new one).
fw::Ref<AboutStandIn> AboutWindow();

// The one About item that shell::AboutVantrex() gives; nil while a test has taken it away.
fw::Ref<fw::AppleMenuItem> AboutItem();
void SetAboutItemMissing(bool missing);

}  // namespace mwtest
