#pragma once

#include <cstdint>

#include "framework/core/Object.h"
#include "framework/core/String.h"
#include "framework/ui/Timer.h"
#include "framework/ui/Window.h"
#include "shell/AboutAccessors.h"

namespace fw {
class Canvas;
class Label;
}  // namespace fw

namespace shell::classes {

// The About window and start-up splash: a small white window without a title, the title picture
// across its top, the parallel-analysis picture in its middle and the ownership notice at its
// foot. Its timer, a press in it or a key in it hides it and shows the main window. It is only
// ever hidden, never closed, so the accessor shell::AboutWnd() finds the same window for the
// life of the process.
class AboutWnd : public fw::Window {
  public:
    static const fw::ClassRecord& Record();

    // The window's timer as a control of the window: it adds nothing to the framework's timer
    // but its class, and it knows its window only weakly, as every control does.
    class wrapper_Timer1 : public fw::Timer {
      public:
        static const fw::ClassRecord& Record();
        void Constructor() override {}
    };

    // Window events: the design-time properties, and the controls.
    void Layout();
    void CreateControls();
    void CreateControls0();

    // The controls, found by name on every call.
    fw::Ref<fw::Canvas> Graph();
    fw::Ref<fw::Canvas> Canvas2();
    fw::Ref<fw::Label> StaticText2();
    fw::Ref<fw::Timer> Timer1();

    // The three ways to the main window. The key and mouse handlers answer False, so the event
    // goes on as usual.
    void Timer1_Action(const fw::Ref<fw::Timer>& sender);
    bool Event_MouseDown(std::int64_t x, std::int64_t y);
    bool Event_KeyDown(const fw::String& key);

    // Whether this class itself handles the window event of that name.
    bool IsEventImplemented(const fw::String& eventName);
};

}  // namespace shell::classes
