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

// The delegate of one of the window's handlers, with the signature its event asks for.
template <auto Handler>
fw::Ref<fw::Delegate> Bind(ControlWnd& window, const char* signature) {
    return fw::MakeDelegate(Handler, window, signature);
}

// One of the window's handlers and the control event it answers.
struct Hook {
    std::string_view control;
    std::int64_t event;
    const char* signature;
    fw::Ref<fw::Delegate> (*bind)(ControlWnd& window, const char* signature);
};

constexpr const char* kArea = "( TextArea )";
constexpr const char* kAreaKey = "( TextArea, String ) as Boolean";
constexpr const char* kButton = "( PushButton )";

// The twelve hooks, in the order they are attached.
const Hook kHooks[] = {
    {"EditFldVars", fw::TextArea::kTextChange, kArea, &Bind<&ControlWnd::EditFldVars_TextChange>},
    {"EditFldVars", fw::TextArea::kKeyDown, kAreaKey, &Bind<&ControlWnd::EditFldVars_KeyDown>},
    {"EditFldSubs", fw::TextArea::kTextChange, kArea, &Bind<&ControlWnd::EditFldSubs_TextChange>},
    {"EditFldSubs", fw::TextArea::kKeyDown, kAreaKey, &Bind<&ControlWnd::EditFldSubs_KeyDown>},
    {"EditFldOut", fw::TextArea::kMouseEnter, kArea, &Bind<&ControlWnd::EditFldOut_MouseEnter>},
    {"EditFldOut", fw::TextArea::kGotFocus, kArea, &Bind<&ControlWnd::EditFldOut_GotFocus>},
    {"EditFldOut", fw::TextArea::kKeyDown, kAreaKey, &Bind<&ControlWnd::EditFldOut_KeyDown>},
    {"CalculateBtn", fw::PushButton::kAction, kButton, &Bind<&ControlWnd::CalculateBtn_Action>},
    {"ClearBtn", fw::PushButton::kAction, kButton, &Bind<&ControlWnd::ClearBtn_Action>},
    {"PrintBrn", fw::PushButton::kAction, kButton, &Bind<&ControlWnd::PrintBrn_Action>},
    {"QuitBtn", fw::PushButton::kAction, kButton, &Bind<&ControlWnd::QuitBtn_Action>},
    {"Canvas2", fw::Canvas::kMouseDown, "( Canvas, Integer, Integer ) as Boolean",
     &Bind<&ControlWnd::Canvas2_MouseDown>},
};

}  // namespace

void ControlWnd::CreateControls0() {
    for (const fw::ControlLayout& control :
         ControlWndControls(calc::RandomEigenvalueTableText(), calc::StandardErrorTableText())) {
        fw::CreateControl(*this, control);
        for (const Hook& hook : kHooks) {
            if (control.name.View() == hook.control) {
                fw::Cast<fw::Control>(ControlByName(control.name))
                    ->AddEventHandler(hook.event, hook.bind(*this, hook.signature));
            }
        }
    }
}

}  // namespace main_window
