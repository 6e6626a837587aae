#pragma once

#include <string>
#include <vector>

#include "framework/core/Object.h"
#include "framework/ui/PropertyList.h"
#include "framework/ui/Window.h"

namespace uitest {

// A shown document window for tests: its window events are logged, and its MouseDown and
// KeyDown answer what the test sets. Controls are added with Add<Class>("Name").
class HostWnd : public fw::Window {
  public:
    static const fw::ClassRecord& Record() {
        static const fw::ClassRecord record(fw::ClassRecord::Builder("HostWnd.HostWnd",
                                                                     &fw::Window::Record(),
                                                                     fw::AllocatorOf<HostWnd>())
                                                .Event("Layout", &HostWnd::Layout)
                                                .Event("Activate", &HostWnd::Activated)
                                                .Event("Close", &HostWnd::Closed)
                                                .Event("EnableMenuItems", &HostWnd::EnableMenuItems)
                                                .Event("AddMenuHandlers", &HostWnd::AddMenuHandlers)
                                                .Event("MouseDown", &HostWnd::MouseDown)
                                                .Event("KeyDown", &HostWnd::KeyDown));
        return record;
    }

    static fw::Ref<HostWnd> Make() {
        auto window = fw::Cast<HostWnd>(Record().New());
        window->Constructor();
        return window;
    }

    template <class T>
    fw::Ref<T> Add(const char* name) {
        auto control = fw::Cast<T>(New(T::Record()));
        control->Constructor();
        AddControl(name, control);
        return control;
    }

    void Layout() {
        fw::SetProperties(shared_from_this(), fw::PropertyListBuilder()
                                                  .Integer("Width", 400)
                                                  .Integer("Height", 300)
                                                  .Text("Title", "Host")
                                                  .Boolean("Visible", true)
                                                  .Build());
    }
    void Activated() { log.push_back("Activate"); }
    void Closed() { log.push_back("Close"); }
    void EnableMenuItems() { log.push_back("EnableMenuItems"); }
    void AddMenuHandlers(const fw::Ref<fw::Window>& window) {
        log.push_back(window.get() == this ? "AddMenuHandlers self" : "AddMenuHandlers other");
    }
    bool MouseDown(std::int64_t x, std::int64_t y) {
        log.push_back("MouseDown " + std::to_string(x) + "," + std::to_string(y));
        return mouseAnswer;
    }
    bool KeyDown(const fw::String& key) {
        log.push_back("KeyDown " + key.ToStdString());
        return keyAnswer;
    }

    std::vector<std::string> log;
    bool mouseAnswer = false;
    bool keyAnswer = false;
};

}  // namespace uitest
