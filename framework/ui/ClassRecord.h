#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "framework/core/Object.h"
#include "framework/core/String.h"
#include "framework/ui/EventHandler.h"

namespace fw {

// What the framework knows of a class: its name ("ControlWnd.ControlWnd"), its base, the events
// it raises, its event table (event name -> handler method of the class), its reflection list
// (methods and properties with their signatures, in declaration order) and how to allocate an
// object of it. A record registers its name while it lives; records are built once, usually as a
// function-local static:
//
//     const fw::ClassRecord& ControlWnd::Record() {
//         static const fw::ClassRecord record(
//             fw::ClassRecord::Builder("ControlWnd.ControlWnd", &fw::Window::Record(),
//                                      fw::AllocatorOf<ControlWnd>())
//                 .Event("Activate", &ControlWnd::Event_Activate)
//                 .Method("Layout", "()"));
//         return record;
//     }
class ClassRecord {
  public:
    using Allocator = std::function<Ref<Object>(const ClassRecord& record)>;

    struct Member {
        enum class Kind { Method, Property };
        Kind kind;
        String name;
        String signature;  // a method's parameters and result, a property's type
        String attributes;
    };

    class Builder {
      public:
        Builder(String name, const ClassRecord* base, Allocator allocate = nullptr);

        // An event that objects of the class raise, open to the tables of its subclasses.
        Builder& DeclareEvent(std::string name, EventShape shape);
        // Pairs a declared event (here or in a base) with a method of the class. The method's
        // shape must be the event's.
        Builder& Event(std::string name, EventHandler handler);
        template <class M>
        Builder& Event(std::string name, M method) {
            return Event(std::move(name), HandlerOf(method));
        }
        Builder& Method(String name, String signature, String attributes = String());
        Builder& Property(String name, String type);

      private:
        friend class ClassRecord;
        String m_name;
        const ClassRecord* m_base;
        Allocator m_allocate;
        std::map<std::string, EventShape, std::less<>> m_declared;
        std::map<std::string, EventHandler, std::less<>> m_events;
        std::vector<Member> m_members;
    };

    // Raises RuntimeException when another live record has the same name, or when an event of
    // the table is not declared or its handler has another shape.
    explicit ClassRecord(Builder builder);
    ~ClassRecord();
    ClassRecord(const ClassRecord&) = delete;
    ClassRecord& operator=(const ClassRecord&) = delete;

    const String& Name() const { return m_class.m_name; }
    const ClassRecord* Base() const { return m_class.m_base; }

    // A new, not yet constructed object of the class. Raises RuntimeException for a class that
    // cannot be allocated on its own.
    Ref<Object> New() const;

    // The handler of this class's own table, or nil.
    const EventHandler* OwnHandler(std::string_view event) const;
    // The handler of this class or the nearest base that has one, or nil.
    const EventHandler* Handler(std::string_view event) const;
    // Whether the event is declared by this class or a base; its shape when it is.
    const EventShape* DeclaredShape(std::string_view event) const;

    const std::vector<Member>& Members() const { return m_class.m_members; }

    // The live record of that name, or nil.
    static const ClassRecord* Find(std::string_view name);

  private:
    Builder m_class;
};

// The allocator of class T. A window or a control is told the record it was made from, which
// names its class from then on.
template <class T>
ClassRecord::Allocator AllocatorOf() {
    return [](const ClassRecord& record) -> Ref<Object> {
        auto object = std::make_shared<T>();
        if constexpr (requires { object->MadeFrom(record); }) {
            object->MadeFrom(record);
        }
        return object;
    };
}

// Whether the class of that name handles the event: with ownClassOnly, from its own event table
// alone; otherwise from its bases' too. An unknown class handles nothing.
bool RuntimeIsEventHandled(const Ref<Object>& object, const String& className,
                           const String& eventName, bool ownClassOnly);

}  // namespace fw
