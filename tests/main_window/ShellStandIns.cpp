#include "ShellStandIns.h"

#include "framework/menus/AppleMenuItem.h"
#include "framework/ui/PropertyList.h"
#include "framework/ui/SetProperties.h"
#include "shell/AboutAccessors.h"

namespace mwtest {

namespace {
bool g_aboutItemMissing = false;
}

const fw::ClassRecord& AboutStandIn::Record() {
    static const fw::ClassRecord record(fw::ClassRecord::Builder("AboutStandIn.AboutStandIn",
                                                                 &fw::Window::Record(),
                                                                 fw::AllocatorOf<AboutStandIn>())
                                            .Event("Layout", &AboutStandIn::Layout));
    return record;
}

void AboutStandIn::Layout() {
    fw::SetProperties(shared_from_this(), fw::PropertyListBuilder()
                                              .Integer("Width", 200)
                                              .Integer("Height", 100)
                                              .Text("Title", "About")
                                              .Boolean("Visible", false)
                                              .Build());
}

fw::Ref<AboutStandIn> AboutWindow() {
    fw::Ref<fw::Window> window = fw::GetImplicitWindow("AboutStandIn.AboutStandIn");
    if (!window) {
        window = fw::Cast<fw::Window>(AboutStandIn::Record().New());
        window->Constructor();
    }
    return fw::Cast<AboutStandIn>(window);
}

fw::Ref<fw::AppleMenuItem> AboutItem() {
    static const fw::Ref<fw::AppleMenuItem> item = [] {
        auto made = std::make_shared<fw::AppleMenuItem>();
        made->SetName("AboutVantrex");
        made->SetValue("About Vantrex Analysis");
        return made;
    }();
    return g_aboutItemMissing ? nullptr : item;
}

void SetAboutItemMissing(bool missing) {
    g_aboutItemMissing = missing;
}

}  // namespace mwtest

// The shell's accessors, as the main window calls them.
namespace shell {

fw::Ref<fw::Window> AboutWnd() {
    return mwtest::AboutWindow();
}

fw::Ref<fw::AppleMenuItem> AboutVantrex() {
    return mwtest::AboutItem();
}

}  // namespace shell
