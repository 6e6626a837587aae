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

// A document window for tests, shown at 400 x 300; its controls are made by `createControls`. What
// reaches it is logged in order, its own events and those of the controls hooked to its handlers;
// the presses and keys it is asked about answer `answer`; its About menu handler is bound.
class HostWnd : public fw::Window {
  public:
    static const fw::ClassRecord& Record() {
        static const fw::ClassRecord record(fw::ClassRecord::Builder("HostWnd.HostWnd",
                                                                     &fw::Window::Record(),
                                                                     fw::AllocatorOf<HostWnd>())
                                                .Event("Layout", &HostWnd::Layout)
                                                .Event("CreateControls", &HostWnd::CreateControls)
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
        window->log.clear();
        return window;
    }
    template <class T>
    Ref<T> Add(const char* name) {
        auto control = fw::Cast<T>(New(T::Record()));
        AddControl(name, control);
        return control;
    }

    inline static std::function<void(HostWnd&)> createControls;

    void Layout() {
        Log("Layout");
        fw::SetProperties(shared_from_this(), fw::PropertyListBuilder()
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
    void Closed() { Log("Close"); }
    void EnableMenuItems() {
        Log("EnableMenuItems");
        for (const Ref<fw::MenuItem>& item : enableOnRequest) {
            item->SetEnabled(true);
        }
    }
    void AddMenuHandlers(const Ref<fw::Window>&) {
        Log("AddMenuHandlers");
        AddMenuHandler("AboutVantrex", fw::MakeDelegate(&HostWnd::About, *this));
    }
    bool MouseDown(std::int64_t x, std::int64_t y) { return Log("MouseDown", x, y); }
    bool KeyDown(const fw::String& key) { return Log("KeyDown " + key.ToStdString(), answer); }
    bool About() { return Log("About", false); }

    // Handlers for the controls' events; a text area keeps an x out.
    void Changed(const Ref<fw::TextArea>& area) { Log("TextChange " + area->Text().ToStdString()); }
    bool Typed(const Ref<fw::TextArea>&, const fw::String& key) {
        return Log("KeyDown " + key.ToStdString() + " in area", key == "x");
    }
    void Focused(const Ref<fw::TextArea>& area) { Log("GotFocus " + area->Name().ToStdString()); }
    void Pushed(const Ref<fw::PushButton>&) {
        Log("Action");
        if (onPush) {
            onPush();
        }
        if (failPush) {
            throw fw::NilObjectException("no output area");
        }
    }
    bool Pressed(const Ref<fw::Canvas>&, std::int64_t x, std::int64_t y) {
        return Log("Canvas", x, y);
    }
    void Ticked(const Ref<fw::Timer>&) { tickedAt.push_back(clock.nsecsElapsed()); }

    std::vector<std::string> log;
    bool answer = false, failPush = false;
    std::function<void()> onPush;
    std::vector<Ref<fw::MenuItem>> enableOnRequest;
    QElapsedTimer clock;
    std::vector<qint64> tickedAt;  // nanoseconds on the clock

  private:
    bool Log(const std::string& entry, bool reply = false) {
        log.push_back(entry);
        return reply;
    }
    bool Log(const std::string& what, std::int64_t x, std::int64_t y) {
        return Log(what + " " + std::to_string(x) + "," + std::to_string(y), answer);
    }
};

// Tests with windows: the runtime is up, and every window goes at the end.
class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override { fw::testing::EnsureRuntimeForTests(); }
    void TearDown() override {
        fw::CloseAllWindowsSilently();
        HostWnd::createControls = nullptr;
    }
};

}  // namespace uitest
