#include "shell/AboutLayout.h"

#include "framework/ui/Canvas.h"
#include "framework/ui/Label.h"
#include "framework/ui/PropertyList.h"
#include "main_window/Layout.h"
#include "shell/AboutWnd.h"
#include "shell/Pictures.h"

namespace shell {

namespace {

// The two canvases' lists differ only in name, place, size and tab index.
fw::String CanvasList(const main_window::ControlPlace& place) {
    return main_window::PlaceEntries(place)
        .Boolean("Enabled", true)
        .Boolean("Visible", true)
        .Boolean("DoubleBuffer", false)
        .Boolean("Transparent", true)
        .Text("InitialParent", "")
        .Boolean("AllowAutoDeactivate", true)
        .Text("Tooltip", "")
        .Boolean("AllowFocusRing", true)
        .Boolean("AllowFocus", false)
        .Boolean("AllowTabs", false)
        .Build();
}

// The ownership notice: small, grey and centred.
fw::String NoticeList() {
    return main_window::PlaceEntries({"StaticText2", 20, 169, 209, 11, 2, false, true})
        .Boolean("Enabled", true)
        .Boolean("Multiline", false)
        .Boolean("Selectable", false)
        .Color("TextColor", {0x55, 0x55, 0x55, 0x00})
        .Boolean("Transparent", false)
        .Boolean("Visible", true)
        .Boolean("Bold", false)
        .Boolean("Italic", false)
        .Boolean("Underline", false)
        .Text("DataSource", "")
        .Text("DataField", "")
        .Text("InitialParent", "")
        .Boolean("AllowAutoDeactivate", true)
        .Text("Tooltip", "")
        .Integer("TextAlignment", 2)
        .Text("Value", kAboutNotice)
        .Text("FontName", "System")
        .Single("FontSize", 7.0f)
        .Unit("FontUnit", 0)
        .Build();
}

}  // namespace

fw::String AboutWndPropertyList() {
    // Type 2 is the title-less floating window; it has no close button.
    return main_window::WindowPropertyList(249, 200, 2, "", false);
}

std::vector<fw::ControlLayout> AboutWndControls() {
    return {
        {"Graph", &fw::Canvas::Record, CanvasList({"Graph", 51, 42, 147, 115, 0, true}), &Parallel},
        // Two units above the content's top edge: the title picture starts above the window.
        {"Canvas2", &fw::Canvas::Record, CanvasList({"Canvas2", 0, -2, 244, 30, 1, true}),
         &SplashTitle},
        {"StaticText2", &fw::Label::Record, NoticeList()},
        {"Timer1", &classes::AboutWnd::wrapper_Timer1::Record,
         fw::PropertyListBuilder().Integer("Period", 4000).Integer("RunMode", 1).Build()},
    };
}

}  // namespace shell
