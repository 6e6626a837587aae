// The Calculate button: the calculation runs over the window through its adapter.
#include "calc/CalculateAction.h"
#include "framework/ui/PushButton.h"
#include "main_window/CalculateAdapter.h"
#include "main_window/ControlWnd.h"

namespace main_window {

void ControlWnd::CalculateBtn_Action(const fw::Ref<fw::PushButton>&) {
    CalculateAdapter window(*this);
    calc::CalculateBtn_Action(window);
}

}  // namespace main_window
