// What the main window does for its controls, its own events and the About menu item, besides
// calculating and printing.
#include "framework/core/Exceptions.h"
#include "framework/menus/AppleMenuItem.h"
#include "framework/ui/Canvas.h"
#include "framework/ui/Delegate.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/Runtime.h"
#include "framework/ui/TextArea.h"
#include "framework/ui/TextField.h"
#include "main_window/ControlWnd.h"
#include "shell/AboutAccessors.h"

namespace main_window {

// Typing in the input fields changes nothing but their text; every key reaches its field.
void ControlWnd::EditFldVars_TextChange(const fw::Ref<fw::TextArea>&) {}

bool ControlWnd::EditFldVars_KeyDown(const fw::Ref<fw::TextArea>&, const fw::String&) {
    return false;
}

void ControlWnd::EditFldSubs_TextChange(const fw::Ref<fw::TextArea>&) {}

bool ControlWnd::EditFldSubs_KeyDown(const fw::Ref<fw::TextArea>&, const fw::String&) {
    return false;
}

// The disclaimer goes for good the first time the user reaches for the output area.
void ControlWnd::EditFldOut_MouseEnter(const fw::Ref<fw::TextArea>&) {
    fw::NotNil(DisclaimFld())->SetVisible(false);
}

void ControlWnd::EditFldOut_GotFocus(const fw::Ref<fw::TextArea>&) {
    fw::NotNil(DisclaimFld())->SetVisible(false);
}

bool ControlWnd::EditFldOut_KeyDown(const fw::Ref<fw::TextArea>&, const fw::String&) {
    fw::NotNil(DisclaimFld())->SetVisible(false);
    return false;  // the key is still typed into the output area
}

// Empties the fields and the output area; the last accepted numbers stay on record, so Print
// still prints.
void ControlWnd::ClearBtn_Action(const fw::Ref<fw::PushButton>&) {
    fw::NotNil(EditFldSubs())->SetText("");
    fw::NotNil(EditFldVars())->SetText("");
    fw::NotNil(EditFldOut())->SetText("");
    fw::NotNil(EditFldVars())->SetFocus();
    fw::NotNil(DisclaimFld())->SetVisible(false);
}

void ControlWnd::QuitBtn_Action(const fw::Ref<fw::PushButton>&) {
    fw::Quit(0);
}

// The help picture: the information text replaces whatever the output area held.
bool ControlWnd::Canvas2_MouseDown(const fw::Ref<fw::Canvas>&, std::int64_t, std::int64_t) {
    fw::NotNil(DisclaimFld())->SetVisible(false);
    fw::NotNil(EditFldOut())->SetText(fw::NotNil(infoFld())->Text());
    return false;
}

// Binds the About item to the window passed in, which must be a main window; a window of another
// class, or none at all, raises and binds nothing.
void ControlWnd::AddMenuHandlers(const fw::Ref<fw::Window>& window) {
    fw::Ref<ControlWnd> self = fw::NotNil(fw::Cast<ControlWnd>(window));
    AddMenuHandler("AboutVantrex", fw::MakeDelegate(&ControlWnd::AboutVantrex_Action, *self));
}

// Closing the window ends the application, as Quit does. When the shut-down closes the window
// again, the second request is harmless: the first exit code stands.
void ControlWnd::Event_Close() {
    fw::Quit(0);
}

void ControlWnd::Event_EnableMenuItems() {
    fw::NotNil(shell::AboutVantrex())->SetEnabled(true);
}

bool ControlWnd::AboutVantrex_Action() {
    fw::NotNil(shell::AboutWnd())->Show();
    return false;
}

}  // namespace main_window
