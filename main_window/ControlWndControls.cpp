// Making the main window's sixteen controls from its layout, and hooking the window's handlers to
// their events.
#include <cstdint>
#include <string_view>

#include "calc/Tables.h"
#include "framework/ui/Canvas.h"
#include "framework/ui/Delegate.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/TextArea.h"
#include "main_window/ControlWnd.h"
#include "main_window/Layout.h"

namespace main_window {

namespace {

// One of the window's handlers and the control event it answers.
struct Hook {
    std::string_view control;
    std::int64_t event;
    fw::Ref<fw::Delegate> (*handler)(ControlWnd& window);
};

// The twelve hooks, in the order they are attached.
const Hook kHooks[] = {
    {"EditFldVars", fw::TextArea::kTextChange,
     [](ControlWnd& w) {
         return fw::MakeDelegate(&ControlWnd::EditFldVars_TextChange, w, "( TextArea )");
     }},
    {"EditFldVars", fw::TextArea::kKeyDown,
     [](ControlWnd& w) {
         return fw::MakeDelegate(&ControlWnd::EditFldVars_KeyDown, w,
                                 "( TextArea, String ) as Boolean");
     }},
    {"EditFldSubs", fw::TextArea::kTextChange,
     [](ControlWnd& w) {
         return fw::MakeDelegate(&ControlWnd::EditFldSubs_TextChange, w, "( TextArea )");
     }},
    {"EditFldSubs", fw::TextArea::kKeyDown,
     [](ControlWnd& w) {
         return fw::MakeDelegate(&ControlWnd::EditFldSubs_KeyDown, w,
                                 "( TextArea, String ) as Boolean");
     }},
    {"EditFldOut", fw::TextArea::kMouseEnter,
     [](ControlWnd& w) {
         return fw::MakeDelegate(&ControlWnd::EditFldOut_MouseEnter, w, "( TextArea )");
     }},
    {"EditFldOut", fw::TextArea::kGotFocus,
     [](ControlWnd& w) {
         return fw::MakeDelegate(&ControlWnd::EditFldOut_GotFocus, w, "( TextArea )");
     }},
    {"EditFldOut", fw::TextArea::kKeyDown,
     [](ControlWnd& w) {
         return fw::MakeDelegate(&ControlWnd::EditFldOut_KeyDown, w,
                                 "( TextArea, String ) as Boolean");
     }},
    {"CalculateBtn", fw::PushButton::kAction,
     [](ControlWnd& w) {
         return fw::MakeDelegate(&ControlWnd::CalculateBtn_Action, w, "( PushButton )");
     }},
    {"ClearBtn", fw::PushButton::kAction,
     [](ControlWnd& w) {
         return fw::MakeDelegate(&ControlWnd::ClearBtn_Action, w, "( PushButton )");
     }},
    {"PrintBrn", fw::PushButton::kAction,
     [](ControlWnd& w) {
         return fw::MakeDelegate(&ControlWnd::PrintBrn_Action, w, "( PushButton )");
     }},
    {"QuitBtn", fw::PushButton::kAction,
     [](ControlWnd& w) {
         return fw::MakeDelegate(&ControlWnd::QuitBtn_Action, w, "( PushButton )");
     }},
    {"Canvas2", fw::Canvas::kMouseDown,
     [](ControlWnd& w) {
         return fw::MakeDelegate(&ControlWnd::Canvas2_MouseDown, w,
                                 "( Canvas, Integer, Integer ) as Boolean");
     }},
};

}  // namespace

void ControlWnd::CreateControls0() {
    for (const fw::ControlLayout& control :
         ControlWndControls(calc::RandomEigenvalueTableText(), calc::StandardErrorTableText())) {
        fw::CreateControl(*this, control);
        for (const Hook& hook : kHooks) {
            if (control.name.View() == hook.control) {
                fw::Cast<fw::Control>(ControlByName(control.name))
                    ->AddEventHandler(hook.event, hook.handler(*this));
            }
        }
    }
}

}  // namespace main_window
