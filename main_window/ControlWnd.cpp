#include "main_window/ControlWnd.h"

#include "framework/core/Text.h"
#include "framework/ui/Canvas.h"
#include "framework/ui/Label.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/SetProperties.h"
#include "framework/ui/TextArea.h"
#include "framework/ui/TextField.h"
#include "main_window/Layout.h"

namespace main_window {

namespace {

constexpr const char* kClassName = "ControlWnd.ControlWnd";

}  // namespace

const fw::ClassRecord& ControlWnd::Record() {
    static const fw::ClassRecord record(
        fw::ClassRecord::Builder(kClassName, &fw::Window::Record(), fw::AllocatorOf<ControlWnd>())
            // The six window events the class answers; it leaves every other one alone.
            .Event("Activate", &ControlWnd::Event_Activate)
            .Event("AddMenuHandlers", &ControlWnd::AddMenuHandlers)
            .Event("Close", &ControlWnd::Event_Close)
            .Event("CreateControls", &ControlWnd::CreateControls)
            .Event("EnableMenuItems", &ControlWnd::Event_EnableMenuItems)
            .Event("Layout", &ControlWnd::Layout)
            // Its own operations in the order of its method table, then its properties.
            .Method("Layout", "()")
            .Method("CreateControls", "()")
            .Method("CreateControls0", "()")
            .Method("StaticText1", "() as Label")
            .Method("StaticText2", "() as Label")
            .Method("EditFldVars", "() as TextArea")
            .Method("EditFldSubs", "() as TextArea")
            .Method("EditFldOut", "() as TextArea")
            .Method("DisclaimFld", "() as TextArea")
            .Method("infoFld", "() as TextField")
            .Method("CalculateBtn", "() as PushButton")
            .Method("ClearBtn", "() as PushButton")
            .Method("Canvas1", "() as Canvas")
            .Method("PrintBrn", "() as PushButton")
            .Method("StaticText3", "() as Label")
            .Method("QuitBtn", "() as PushButton")
            .Method("EigenFld", "() as TextArea")
            .Method("SerrorFld", "() as TextArea")
            .Method("Canvas2", "() as Canvas")
            .Method("EditFldVars_TextChange", "( TextArea )")
            .Method("EditFldVars_KeyDown", "( TextArea, String ) as Boolean")
            .Method("EditFldSubs_TextChange", "( TextArea )")
            .Method("EditFldSubs_KeyDown", "( TextArea, String ) as Boolean")
            .Method("EditFldOut_MouseEnter", "( TextArea )")
            .Method("EditFldOut_GotFocus", "( TextArea )")
            .Method("EditFldOut_KeyDown", "( TextArea, String ) as Boolean")
            .Method("CalculateBtn_Action", "( PushButton )")
            .Method("ClearBtn_Action", "( PushButton )")
            .Method("PrintBrn_Action", "( PushButton )")
            .Method("QuitBtn_Action", "( PushButton )")
            .Method("Canvas2_MouseDown", "( Canvas, Integer, Integer ) as Boolean")
            .Method("AddMenuHandlers", "( Window )")
            .Method("Event_Close", "()")
            .Method("Event_EnableMenuItems", "()")
            .Method("Event_Activate", "()")
            .Method("AboutVantrex_Action", "() as Boolean")
            .Method("IsEventImplemented", "( String ) as Boolean")
            .Property("Vars", "Integer")
            .Property("Subs", "Integer")
            .Property("VarMin", "Integer")
            .Property("VarMax", "Integer")
            .Property("SubMin", "Integer")
            .Property("SubMax", "Integer")
            .Property("kEOL", "String"));
    return record;
}

void ControlWnd::Layout() {
    fw::SetProperties(shared_from_this(), ControlWndPropertyList());
}

void ControlWnd::CreateControls() {
    CreateControls0();
}

// Each accessor asks the window again; nothing is cached, so a control is always the one the
// window holds under that name.
fw::Ref<fw::Label> ControlWnd::StaticText1() {
    return fw::Cast<fw::Label>(ControlByName("StaticText1"));
}
fw::Ref<fw::Label> ControlWnd::StaticText2() {
    return fw::Cast<fw::Label>(ControlByName("StaticText2"));
}
fw::Ref<fw::TextArea> ControlWnd::EditFldVars() {
    return fw::Cast<fw::TextArea>(ControlByName("EditFldVars"));
}
fw::Ref<fw::TextArea> ControlWnd::EditFldSubs() {
    return fw::Cast<fw::TextArea>(ControlByName("EditFldSubs"));
}
fw::Ref<fw::TextArea> ControlWnd::EditFldOut() {
    return fw::Cast<fw::TextArea>(ControlByName("EditFldOut"));
}
fw::Ref<fw::TextArea> ControlWnd::DisclaimFld() {
    return fw::Cast<fw::TextArea>(ControlByName("DisclaimFld"));
}
fw::Ref<fw::TextField> ControlWnd::infoFld() {
    return fw::Cast<fw::TextField>(ControlByName("infoFld"));
}
fw::Ref<fw::PushButton> ControlWnd::CalculateBtn() {
    return fw::Cast<fw::PushButton>(ControlByName("CalculateBtn"));
}
fw::Ref<fw::PushButton> ControlWnd::ClearBtn() {
    return fw::Cast<fw::PushButton>(ControlByName("ClearBtn"));
}
fw::Ref<fw::Canvas> ControlWnd::Canvas1() {
    return fw::Cast<fw::Canvas>(ControlByName("Canvas1"));
}
fw::Ref<fw::PushButton> ControlWnd::PrintBrn() {
    return fw::Cast<fw::PushButton>(ControlByName("PrintBrn"));
}
fw::Ref<fw::Label> ControlWnd::StaticText3() {
    return fw::Cast<fw::Label>(ControlByName("StaticText3"));
}
fw::Ref<fw::PushButton> ControlWnd::QuitBtn() {
    return fw::Cast<fw::PushButton>(ControlByName("QuitBtn"));
}
fw::Ref<fw::TextArea> ControlWnd::EigenFld() {
    return fw::Cast<fw::TextArea>(ControlByName("EigenFld"));
}
fw::Ref<fw::TextArea> ControlWnd::SerrorFld() {
    return fw::Cast<fw::TextArea>(ControlByName("SerrorFld"));
}
fw::Ref<fw::Canvas> ControlWnd::Canvas2() {
    return fw::Cast<fw::Canvas>(ControlByName("Canvas2"));
}

void ControlWnd::Event_Activate() {
    // Coming back to the window forgets the last accepted calculation: the report stays on
    // screen, but Print refuses until Calculate runs again.
    Vars = 0;
    Subs = 0;
    VarMin = 5;
    VarMax = 100;
    SubMin = 100;
    SubMax = 2500;
    kEOL = fw::Chr(13);
}

bool ControlWnd::IsEventImplemented(const fw::String& eventName) {
    return fw::RuntimeIsEventHandled(shared_from_this(), kClassName, eventName, true);
}

namespace accessors {

fw::Ref<main_window::ControlWnd> ControlWnd() {
    fw::Ref<fw::Window> window = fw::GetImplicitWindow(kClassName);
    if (!window) {
        window = fw::Cast<fw::Window>(main_window::ControlWnd::Record().New());
        window->Constructor();
    }
    return fw::Cast<main_window::ControlWnd>(window);
}

}  // namespace accessors

}  // namespace main_window
