#pragma once

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <functional>
#include <string>
#include <vector>

#include "framework/core/Exceptions.h"
#include "framework/menus/MenuItem.h"
#include "framework/testing/TestRuntime.h"
#include "framework/ui/Canvas.h"
#include "framework/ui/Delegate.h"
#include "framework/ui/PropertyList.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/TextArea.h"
#include "framework/ui/Timer.h"
#include "framework/ui/Window.h"

namespace uitest {

using fw::Ref;

// A document window for tests, shown at 400 x 300 unless the test gives it another list and
// controls to make. What reaches it is logged in order: its own events, and those of its
// controls that a test hooks to its handlers below. Its MouseDown, KeyDown and canvas MouseDown
// answer what the test sets; its About menu handler is bound.
class HostWnd : public fw::Window {
  public:
    static const fw::ClassRecord& Record() {
        static const fw::ClassRecord record(fw::ClassRecord::Builder("HostWnd.HostWnd",
                                                                     &fw::Window::Record(),
                                                                     fw::AllocatorOf<HostWnd>())
                                                .Event("Layout", &HostWnd::Layout)
                                                .Event("CreateControls", &HostWnd::CreateControls)
                                                .Event("Activate", &HostWnd::Activated)
                                                .Event("Close", &HostWnd::Closed)
                                                .Event("EnableMenuItems", &HostWnd::EnableMenuItems)
                                                .Event("AddMenuHandlers", &HostWnd::AddMenuHandlers)
                                                .Event("MouseDown", &HostWnd::MouseDown)
                                                .Event("KeyDown", &HostWnd::KeyDown));
        return record;
    }

    static Ref<HostWnd> Make() {
        auto window = fw::Cast<HostWnd>(Record().New());
        window->Constructor();
        return window;
    }

    template <class T>
    Ref<T> Add(const char* name) {
        auto control = fw::Cast<T>(New(T::Record()));
        control->Constructor();
        AddControl(name, control);
        return control;
    }

    // How the windows built next lay themselves out and make their controls.
    inline static fw::String layout;
    inline static std::function<void(HostWnd&)> createControls;

    void Layout() {
        log.push_back("Layout");
        fw::SetProperties(shared_from_this(), !layout.IsEmpty() ? layout
                                                                : fw::PropertyListBuilder()
                                                                      .Integer("Width", 400)
                                                                      .Integer("Height", 300)
                                                                      .Boolean("Visible", true)
                                                                      .Build());
    }
    void CreateControls() {
        log.push_back("CreateControls");
        if (createControls) {
            createControls(*this);
        }
    }
    void Activated() { log.push_back("Activate"); }
    void Closed() { log.push_back("Close"); }
    void EnableMenuItems() {
        log.push_back("EnableMenuItems");
        for (const Ref<fw::MenuItem>& item : enableOnRequest) {
            item->SetEnabled(true);
        }
    }
    void AddMenuHandlers(const Ref<fw::Window>& window) {
        log.push_back(window.get() == this ? "AddMenuHandlers self" : "AddMenuHandlers other");
        AddMenuHandler("AboutVantrex", fw::MakeDelegate(&HostWnd::About, *this));
    }
    bool MouseDown(std::int64_t x, std::int64_t y) {
        log.push_back("MouseDown " + std::to_string(x) + "," + std::to_string(y));
        return mouseAnswer;
    }
    bool KeyDown(const fw::String& key) {
        log.push_back("KeyDown " + key.ToStdString());
        return keyAnswer;
    }
    bool About() {
        log.push_back("About");
        return false;
    }

    // Handlers for the controls' events.
    void Changed(const Ref<fw::TextArea>& area) { log.push_back("TextChange " + Text(area)); }
    bool Typed(const Ref<fw::TextArea>& area, const fw::String& key) {
        log.push_back("KeyDown " + key.ToStdString() + " in " + area->Name().ToStdString());
        return key == "x";  // x is kept out; every other key is typed
    }
    void Focused(const Ref<fw::TextArea>& area) { log.push_back("GotFocus " + Name(area)); }
    void Entered(const Ref<fw::TextArea>& area) { log.push_back("MouseEnter " + Name(area)); }
    void Pushed(const Ref<fw::PushButton>& button) {
        log.push_back("Action " + Name(button));
        if (failPush) {
            throw fw::NilObjectException("no output area");
        }
    }
    bool Pressed(const Ref<fw::Canvas>& canvas, std::int64_t x, std::int64_t y) {
        log.push_back(Name(canvas) + " " + std::to_string(x) + "," + std::to_string(y));
        return mouseAnswer;
    }
    void Ticked(const Ref<fw::Timer>&) { tickedAt.push_back(clock.nsecsElapsed()); }

    std::vector<std::string> log;
    bool mouseAnswer = false;
    bool keyAnswer = false;
    bool failPush = false;
    std::vector<Ref<fw::MenuItem>> enableOnRequest;
    QElapsedTimer clock;
    std::vector<qint64> tickedAt;  // nanoseconds on the clock

  private:
    static std::string Name(const Ref<fw::Control>& control) {
        return control->Name().ToStdString();
    }
    static std::string Text(const Ref<fw::TextArea>& area) { return area->Text().ToStdString(); }
};

// Tests with windows: the runtime is up, and every window goes at the end.
class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override { fw::testing::EnsureRuntimeForTests(); }
    void TearDown() override {
        fw::CloseAllWindowsSilently();
        HostWnd::layout = fw::String();
        HostWnd::createControls = nullptr;
    }
};

}  // namespace uitest
