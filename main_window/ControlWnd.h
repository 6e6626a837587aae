#pragma once

#include <cstdint>

#include "framework/core/Object.h"
#include "framework/core/String.h"
#include "framework/ui/Window.h"

namespace fw {
class Canvas;
class Label;
class PushButton;
class TextArea;
class TextField;
}  // namespace fw

namespace main_window {

// The one working window: two input fields, the output area with the disclaimer laid over it,
// the Calculate, Clear, Print and Quit buttons, the banner, the help picture and the two hidden
// text areas that hold the tables. It keeps the state of the last calculation and hosts every
// handler of the window.
//
// No member refers to a control: the window holds its controls by name, and each accessor looks
// its control up again on every call.
class ControlWnd : public fw::Window {
  public:
    static const fw::ClassRecord& Record();

    // The window's state. Vars and Subs are the numbers the last Calculate accepted (0 when it
    // accepted none); the limits are inclusive; kEOL (a CR) ends the report's head lines.
    // Every activation sets them afresh.
    std::int64_t Vars = 0;
    std::int64_t Subs = 0;
    std::int64_t VarMin = 0;
    std::int64_t VarMax = 0;
    std::int64_t SubMin = 0;
    std::int64_t SubMax = 0;
    fw::String kEOL;

    // Window events: the design-time properties, and the controls.
    void Layout();
    void CreateControls();
    void CreateControls0();

    // The controls, found by name; nil before the controls are made.
    fw::Ref<fw::Label> StaticText1();
    fw::Ref<fw::Label> StaticText2();
    fw::Ref<fw::TextArea> EditFldVars();
    fw::Ref<fw::TextArea> EditFldSubs();
    fw::Ref<fw::TextArea> EditFldOut();
    fw::Ref<fw::TextArea> DisclaimFld();
    fw::Ref<fw::TextField> infoFld();
    fw::Ref<fw::PushButton> CalculateBtn();
    fw::Ref<fw::PushButton> ClearBtn();
    fw::Ref<fw::Canvas> Canvas1();
    fw::Ref<fw::PushButton> PrintBrn();
    fw::Ref<fw::Label> StaticText3();
    fw::Ref<fw::PushButton> QuitBtn();
    fw::Ref<fw::TextArea> EigenFld();
    fw::Ref<fw::TextArea> SerrorFld();
    fw::Ref<fw::Canvas> Canvas2();

    // Control events.
    void EditFldVars_TextChange(const fw::Ref<fw::TextArea>& sender);
    bool EditFldVars_KeyDown(const fw::Ref<fw::TextArea>& sender, const fw::String& key);
    void EditFldSubs_TextChange(const fw::Ref<fw::TextArea>& sender);
    bool EditFldSubs_KeyDown(const fw::Ref<fw::TextArea>& sender, const fw::String& key);
    void EditFldOut_MouseEnter(const fw::Ref<fw::TextArea>& sender);
    void EditFldOut_GotFocus(const fw::Ref<fw::TextArea>& sender);
    bool EditFldOut_KeyDown(const fw::Ref<fw::TextArea>& sender, const fw::String& key);
    void CalculateBtn_Action(const fw::Ref<fw::PushButton>& sender);
    void ClearBtn_Action(const fw::Ref<fw::PushButton>& sender);
    void PrintBrn_Action(const fw::Ref<fw::PushButton>& sender);
    void QuitBtn_Action(const fw::Ref<fw::PushButton>& sender);
    bool Canvas2_MouseDown(const fw::Ref<fw::Canvas>& sender, std::int64_t x, std::int64_t y);

    // Window events and the About menu handler.
    void AddMenuHandlers(const fw::Ref<fw::Window>& window);
    void Event_Close();
    void Event_EnableMenuItems();
    void Event_Activate();
    bool AboutVantrex_Action();

    // Whether this class itself handles the window event of that name.
    bool IsEventImplemented(const fw::String& eventName);
};

namespace accessors {

// The shared main window: the one the framework holds, or a new one built now. It is neither
// shown nor activated here.
//
// It carries the class's name, as every window accessor does; it lives in a namespace of its own
// because a function and a class of one name cannot comfortably share a scope in C++.
fw::Ref<main_window::ControlWnd> ControlWnd();

}  // namespace accessors

}  // namespace main_window
