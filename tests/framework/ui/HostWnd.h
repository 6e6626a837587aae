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

// A document window for tests: shown at 400 x 300 unless a test gives it another list and
// controls to make. What reaches it is logged in order, its own events and those of controls
// hooked to its handlers; its MouseDown, KeyDown and canvas MouseDown answer mouseAnswer and
// keyAnswer; its About menu handler is bound.
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
        AddControl(name, control);
        return control;
    }

    // How the windows built next lay themselves out and make their controls.
    inline static fw::String layout;
    inline static std::function<void(HostWnd&)> createControls;

    void Layout() {
        Log("Layout");
        fw::SetProperties(shared_from_this(), !layout.IsEmpty() ? layout
                                                                : fw::PropertyListBuilder()
                                                                      .Integer("Width", 400)
                                                                      .Integer("Height", 300)
                                                                      .Boolean("Visible", true)
                                                                      .Build());
    }
    void CreateControls() {
        Log("CreateControls");
        if (createControls) {
            createControls(*this);
        }
    }
    void Activated() { Log("Activate"); }
    void Closed() { Log("Close"); }
    void EnableMenuItems() {
        Log("EnableMenuItems");
        for (const Ref<fw::MenuItem>& item : enableOnRequest) {
            item->SetEnabled(true);
        }
    }
    void AddMenuHandlers(const Ref<fw::Window>& window) {
        Log(window.get() == this ? "AddMenuHandlers self" : "AddMenuHandlers other");
        AddMenuHandler("AboutVantrex", fw::MakeDelegate(&HostWnd::About, *this));
    }
    bool MouseDown(std::int64_t x, std::int64_t y) { return Log("MouseDown", x, y); }
    bool KeyDown(const fw::String& key) { return Log("KeyDown " + key.ToStdString(), keyAnswer); }
    bool About() { return Log("About", false); }

    // Handlers for the controls' events; a text area keeps an x out.
    void Changed(const Ref<fw::TextArea>& area) { Log("TextChange " + area->Text().ToStdString()); }
    bool Typed(const Ref<fw::TextArea>& area, const fw::String& key) {
        return Log("KeyDown " + key.ToStdString() + " in " + Name(area), key == "x");
    }
    void Focused(const Ref<fw::TextArea>& area) { Log("GotFocus " + Name(area)); }
    void Entered(const Ref<fw::TextArea>& area) { Log("MouseEnter " + Name(area)); }
    void Pushed(const Ref<fw::PushButton>& button) {
        Log("Action " + Name(button));
        if (failPush) {
            throw fw::NilObjectException("no output area");
        }
    }
    bool Pressed(const Ref<fw::Canvas>& canvas, std::int64_t x, std::int64_t y) {
        return Log(Name(canvas), x, y);
    }
    void Ticked(const Ref<fw::Timer>&) { tickedAt.push_back(clock.nsecsElapsed()); }

    std::vector<std::string> log;
    bool mouseAnswer = false, keyAnswer = false, failPush = false;
    std::vector<Ref<fw::MenuItem>> enableOnRequest;
    QElapsedTimer clock;
    std::vector<qint64> tickedAt;  // nanoseconds on the clock

  private:
    bool Log(const std::string& entry, bool answer = false) {
        log.push_back(entry);
        return answer;
    }
    bool Log(const std::string& what, std::int64_t x, std::int64_t y) {
        return Log(what + " " + std::to_string(x) + "," + std::to_string(y), mouseAnswer);
    }
    static std::string Name(const Ref<fw::Control>& c) { return c->Name().ToStdString(); }
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
