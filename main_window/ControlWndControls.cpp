// Making the main window's sixteen controls from its layout, and hooking the window's handlers to
// their events.
#include <string_view>

#include "calc/Tables.h"
#include "framework/core/Exceptions.h"
#include "framework/ui/Canvas.h"
#include "framework/ui/Delegate.h"
#include "framework/ui/Label.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/SetProperties.h"
#include "framework/ui/TextArea.h"
#include "framework/ui/TextField.h"
#include "main_window/ControlWnd.h"
#include "main_window/Layout.h"
#include "shell/Pictures.h"

namespace main_window {

namespace {

const fw::ClassRecord& ClassRecordNamed(std::string_view className) {
    if (className == "Label") {
        return fw::Label::Record();
    }
    if (className == "TextArea") {
        return fw::TextArea::Record();
    }
    if (className == "TextField") {
        return fw::TextField::Record();
    }
    if (className == "PushButton") {
        return fw::PushButton::Record();
    }
    if (className == "Canvas") {
        return fw::Canvas::Record();
    }
    throw fw::RuntimeException(
        "The layout names an unknown control class: " + fw::String(className) + ".");
}

// The window's handlers of one text area's events, attached in this order: TextChange, KeyDown
// for the input fields; MouseEnter, GotFocus, KeyDown for the output area.
void HookTextArea(ControlWnd& window, const fw::Ref<fw::TextArea>& area, std::string_view name) {
    if (name == "EditFldVars") {
        area->AddEventHandler(
            fw::TextArea::kTextChange,
            fw::MakeDelegate(&ControlWnd::EditFldVars_TextChange, window, "( TextArea )"));
        area->AddEventHandler(fw::TextArea::kKeyDown,
                              fw::MakeDelegate(&ControlWnd::EditFldVars_KeyDown, window,
                                               "( TextArea, String ) as Boolean"));
    } else if (name == "EditFldSubs") {
        area->AddEventHandler(
            fw::TextArea::kTextChange,
            fw::MakeDelegate(&ControlWnd::EditFldSubs_TextChange, window, "( TextArea )"));
        area->AddEventHandler(fw::TextArea::kKeyDown,
                              fw::MakeDelegate(&ControlWnd::EditFldSubs_KeyDown, window,
                                               "( TextArea, String ) as Boolean"));
    } else if (name == "EditFldOut") {
        area->AddEventHandler(
            fw::TextArea::kMouseEnter,
            fw::MakeDelegate(&ControlWnd::EditFldOut_MouseEnter, window, "( TextArea )"));
        area->AddEventHandler(
            fw::TextArea::kGotFocus,
            fw::MakeDelegate(&ControlWnd::EditFldOut_GotFocus, window, "( TextArea )"));
        area->AddEventHandler(fw::TextArea::kKeyDown,
                              fw::MakeDelegate(&ControlWnd::EditFldOut_KeyDown, window,
                                               "( TextArea, String ) as Boolean"));
    }
}

void HookButton(ControlWnd& window, const fw::Ref<fw::PushButton>& button, std::string_view name) {
    void (ControlWnd::*action)(const fw::Ref<fw::PushButton>&) = nullptr;
    if (name == "CalculateBtn") {
        action = &ControlWnd::CalculateBtn_Action;
    } else if (name == "ClearBtn") {
        action = &ControlWnd::ClearBtn_Action;
    } else if (name == "PrintBrn") {
        action = &ControlWnd::PrintBrn_Action;
    } else if (name == "QuitBtn") {
        action = &ControlWnd::QuitBtn_Action;
    }
    if (action != nullptr) {
        button->AddEventHandler(fw::PushButton::kAction,
                                fw::MakeDelegate(action, window, "( PushButton )"));
    }
}

}  // namespace

void ControlWnd::CreateControls0() {
    for (const ControlLayout& control :
         ControlWndControls(calc::RandomEigenvalueTableText(), calc::StandardErrorTableText())) {
        const fw::String name(control.name);
        const fw::ClassRecord& record = ClassRecordNamed(control.className);
        {
            fw::Ref<fw::Object> made = New(record);
            fw::Cast<fw::Control>(made)->Constructor();
            AddControl(name, made);
        }
        // From here on the window holds the control; every step fetches it again by name and
        // checks its class.
        if (control.name == "Canvas1") {
            fw::Cast<fw::Canvas>(ControlByName(name))->SetBackdrop(shell::MainTitle());
        } else if (control.name == "Canvas2") {
            fw::Cast<fw::Canvas>(ControlByName(name))->SetBackdrop(shell::quest1());
        }
        fw::SetProperties(ControlByName(name), control.properties);
        if (control.className == "TextArea") {
            HookTextArea(*this, fw::Cast<fw::TextArea>(ControlByName(name)), control.name);
        } else if (control.className == "PushButton") {
            HookButton(*this, fw::Cast<fw::PushButton>(ControlByName(name)), control.name);
        } else if (control.name == "Canvas2") {
            fw::Cast<fw::Canvas>(ControlByName(name))
                ->AddEventHandler(fw::Canvas::kMouseDown,
                                  fw::MakeDelegate(&ControlWnd::Canvas2_MouseDown, *this,
                                                   "( Canvas, Integer, Integer ) as Boolean"));
        }
    }
}

}  // namespace main_window
