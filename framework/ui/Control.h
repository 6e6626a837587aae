#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <span>
#include <string_view>

#include "framework/core/Object.h"
#include "framework/core/String.h"
#include "framework/ui/ClassRecord.h"
#include "framework/ui/EventHandler.h"
#include "framework/ui/SetProperties.h"

namespace fw {

class Delegate;
class Window;

// A control: an object that belongs to a window, has a name there and raises events, each
// known by a number of its class. A handler is attached to an event number as a delegate whose
// signature text must be the event's:
//     area->AddEventHandler(9, MakeDelegate(&ControlWnd::EditFldVars_KeyDown, *this,
//                                           "( TextArea, String ) as Boolean"));
class Control : public Object, public PropertyTarget {
  public:
    static const ClassRecord& Record();

    ~Control() override;

    // The framework's default initialisation of a new control; run once, before anything else.
    virtual void Constructor();

    String Name() const { return m_name; }
    void SetName(const String& name) { m_name = name; }

    // The window the control belongs to, or nil when it belongs to none (or it is gone).
    Ref<fw::Window> ParentWindow() const { return m_window.lock(); }

    // Attaches the handler to the event of that number. An unknown number, a delegate whose
    // shape or signature text is not the event's, or a second handler for the same event raises
    // RuntimeException.
    void AddEventHandler(std::int64_t eventNumber, const Ref<Delegate>& handler);

    const ClassRecord& Class() const { return *m_class; }
    String ClassName() const override { return m_class->Name(); }
    // For the allocator: the record the control was made from.
    void MadeFrom(const ClassRecord& record) { m_class = &record; }

    // For the framework: makes the control part of the window (a control belongs to one).
    virtual void AttachTo(fw::Window& window);

  protected:
    struct EventSpec {
        std::int64_t number;
        const char* name;
        EventShape shape;
        const char* signature;
    };
    virtual std::span<const EventSpec> Events() const = 0;

    // Raises the event through the call wrapper: the handler's answer, or false when there is no
    // handler or it raised.
    bool RaiseEvent(std::int64_t eventNumber, EventArgs args = EventArgs());

  private:
    const ClassRecord* m_class = &Record();
    String m_name;
    std::weak_ptr<fw::Window> m_window;
    std::map<std::int64_t, Ref<Delegate>> m_handlers;
};

}  // namespace fw
