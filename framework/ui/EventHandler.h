#pragma once

#include <cstdint>
#include <functional>

#include "framework/core/Object.h"
#include "framework/core/String.h"

namespace fw {

// The shape of a handler: what it takes besides its own object, and whether it answers.
enum class EventShape {
    Plain,           // ()
    Query,           // () as Boolean: menu handlers
    Sender,          // (sender)
    Key,             // (key) as Boolean
    Position,        // (x, y) as Boolean
    SenderKey,       // (sender, key) as Boolean
    SenderPosition,  // (sender, x, y) as Boolean
};

// What an occurrence of an event hands its handler.
struct EventArgs {
    Ref<Object> sender;
    String key;
    std::int64_t x = 0;
    std::int64_t y = 0;
};

// A method of some class, callable on an object of that class with an event's arguments. The
// Boolean result is the handler's answer (False for handlers that give none).
struct EventHandler {
    EventShape shape = EventShape::Plain;
    std::function<bool(Object& target, const EventArgs& args)> call;
};

namespace detail {

template <class W>
W& TargetAs(Object& target) {
    auto* typed = dynamic_cast<W*>(&target);
    if (typed == nullptr) {
        throw IllegalCastException("The handler was called on an object of another class.");
    }
    return *typed;
}

}  // namespace detail

// HandlerOf(&SomeWindow::Method) wraps a method whose parameters fit one of the shapes above.
// A sender parameter is cast to the method's type when the event comes.
template <class W>
EventHandler HandlerOf(void (W::*method)()) {
    return {EventShape::Plain, [method](Object& target, const EventArgs&) {
                (detail::TargetAs<W>(target).*method)();
                return false;
            }};
}

template <class W>
EventHandler HandlerOf(bool (W::*method)()) {
    return {EventShape::Query, [method](Object& target, const EventArgs&) {
                return (detail::TargetAs<W>(target).*method)();
            }};
}

template <class W, class S>
EventHandler HandlerOf(void (W::*method)(const Ref<S>&)) {
    return {EventShape::Sender, [method](Object& target, const EventArgs& args) {
                (detail::TargetAs<W>(target).*method)(Cast<S>(args.sender));
                return false;
            }};
}

template <class W>
EventHandler HandlerOf(bool (W::*method)(const String&)) {
    return {EventShape::Key, [method](Object& target, const EventArgs& args) {
                return (detail::TargetAs<W>(target).*method)(args.key);
            }};
}

template <class W>
EventHandler HandlerOf(bool (W::*method)(std::int64_t, std::int64_t)) {
    return {EventShape::Position, [method](Object& target, const EventArgs& args) {
                return (detail::TargetAs<W>(target).*method)(args.x, args.y);
            }};
}

template <class W, class S>
EventHandler HandlerOf(bool (W::*method)(const Ref<S>&, const String&)) {
    return {EventShape::SenderKey, [method](Object& target, const EventArgs& args) {
                return (detail::TargetAs<W>(target).*method)(Cast<S>(args.sender), args.key);
            }};
}

template <class W, class S>
EventHandler HandlerOf(bool (W::*method)(const Ref<S>&, std::int64_t, std::int64_t)) {
    return {EventShape::SenderPosition, [method](Object& target, const EventArgs& args) {
                return (detail::TargetAs<W>(target).*method)(Cast<S>(args.sender), args.x, args.y);
            }};
}

}  // namespace fw
