#include "shell/AboutWnd.h"

#include "framework/ui/Canvas.h"
#include "framework/ui/Delegate.h"
#include "framework/ui/Label.h"
#include "framework/ui/SetProperties.h"
#include "main_window/ControlWnd.h"
#include "shell/AboutLayout.h"

namespace shell {

namespace {

constexpr const char* kClassName = "AboutWnd.AboutWnd";

// Hides the About window and shows the main window, which the first hand-off creates. Both
// windows are fetched through their accessors, whichever window received the event.
void HandOverToMainWindow() {
    fw::NotNil(AboutWnd())->Hide();
    fw::NotNil(main_window::accessors::ControlWnd())->Show();
}

}  // namespace

namespace classes {

const fw::ClassRecord& AboutWnd::Record() {
    static const fw::ClassRecord record(
        fw::ClassRecord::Builder(kClassName, &fw::Window::Record(), fw::AllocatorOf<AboutWnd>())
            // The four window events the class answers; it leaves every other one alone.
            .Event("Layout", &AboutWnd::Layout)
            .Event("CreateControls", &AboutWnd::CreateControls)
            .Event("KeyDown", &AboutWnd::Event_KeyDown)
            .Event("MouseDown", &AboutWnd::Event_MouseDown)
            // Its own operations in the order of its method table.
            .Method("Layout", "()")
            .Method("CreateControls", "()")
            .Method("CreateControls0", "()", "Hidden")
            .Method("Graph", "() as Canvas")
            .Method("Canvas2", "() as Canvas")
            .Method("StaticText2", "() as Label")
            .Method("Timer1", "() as Timer")
            .Method("Timer1_Action", "( Timer )")
            .Method("Event_MouseDown", "( Integer, Integer ) as Boolean")
            .Method("Event_KeyDown", "( String ) as Boolean")
            .Method("IsEventImplemented", "( String ) as Boolean"));
    return record;
}

const fw::ClassRecord& AboutWnd::wrapper_Timer1::Record() {
    static const fw::ClassRecord record(fw::ClassRecord::Builder(
        "AboutWnd._wrapper_Timer1", &fw::Timer::Record(), fw::AllocatorOf<wrapper_Timer1>()));
    return record;
}

void AboutWnd::Layout() {
    fw::SetProperties(shared_from_this(), AboutWndPropertyList());
}

void AboutWnd::CreateControls() {
    CreateControls0();
}

void AboutWnd::CreateControls0() {
    for (const fw::ControlLayout& control : AboutWndControls()) {
        fw::CreateControl(*this, control);
    }
    // The timer started counting when its list was applied.
    fw::Cast<fw::Timer>(ControlByName("Timer1"))
        ->AddEventHandler(fw::Timer::kAction,
                          fw::MakeDelegate(&AboutWnd::Timer1_Action, *this, "( Timer )"));
}

fw::Ref<fw::Canvas> AboutWnd::Graph() {
    return fw::Cast<fw::Canvas>(ControlByName("Graph"));
}

fw::Ref<fw::Canvas> AboutWnd::Canvas2() {
    return fw::Cast<fw::Canvas>(ControlByName("Canvas2"));
}

fw::Ref<fw::Label> AboutWnd::StaticText2() {
    return fw::Cast<fw::Label>(ControlByName("StaticText2"));
}

fw::Ref<fw::Timer> AboutWnd::Timer1() {
    return fw::Cast<fw::Timer>(ControlByName("Timer1"));
}

// The timer is left alone by all three: after an early hand-off its one Action may still come,
// and then it simply hands over once more.
void AboutWnd::Timer1_Action(const fw::Ref<fw::Timer>&) {
    HandOverToMainWindow();
}

bool AboutWnd::Event_MouseDown(std::int64_t, std::int64_t) {
    HandOverToMainWindow();
    return false;
}

bool AboutWnd::Event_KeyDown(const fw::String&) {
    HandOverToMainWindow();
    return false;
}

bool AboutWnd::IsEventImplemented(const fw::String& eventName) {
    return fw::RuntimeIsEventHandled(shared_from_this(), kClassName, eventName, true);
}

}  // namespace classes

fw::Ref<fw::Window> AboutWnd() {
    fw::Ref<fw::Window> window = fw::GetImplicitWindow(kClassName);
    if (!window) {
        // Built and shown at once: its own list makes it visible.
        window = fw::Cast<fw::Window>(classes::AboutWnd::Record().New());
        window->Constructor();
    }
    return fw::Cast<classes::AboutWnd>(window);
}

}  // namespace shell
