#include "framework/ui/Control.h"

#include <string>

#include "framework/core/Exceptions.h"
#include "framework/ui/Delegate.h"
#include "framework/ui/DialogOwner.h"
#include "framework/ui/ExceptionHandling.h"
#include "framework/ui/Window.h"

namespace fw {

const ClassRecord& Control::Record() {
    static const ClassRecord record(ClassRecord::Builder("Control", nullptr));
    return record;
}

Control::~Control() = default;

void Control::Constructor() {}

void Control::AttachTo(fw::Window& window) {
    if (!m_window.expired()) {
        throw RuntimeException("The control already belongs to a window.");
    }
    m_window = std::static_pointer_cast<fw::Window>(window.shared_from_this());
}

void Control::AddEventHandler(std::int64_t eventNumber, const Ref<Delegate>& handler) {
    NotNil(handler);
    const std::string className = ClassName().ToStdString();
    for (const EventSpec& known : Events()) {
        if (known.number != eventNumber) {
            continue;
        }
        const std::string event =
            className + " event " + std::to_string(eventNumber) + " (" + known.name + ")";
        if (handler->Shape() != known.shape || handler->Signature().View() != known.signature) {
            throw RuntimeException(String("The handler of " + event + " must be " +
                                          known.signature + ", not " +
                                          handler->Signature().ToStdString() + "."));
        }
        if (!m_handlers.emplace(eventNumber, handler).second) {
            throw RuntimeException(String(event + " already has a handler."));
        }
        return;
    }
    throw RuntimeException(
        String(className + " has no event number " + std::to_string(eventNumber) + "."));
}

bool Control::RaiseEvent(std::int64_t eventNumber, EventArgs args) {
    auto found = m_handlers.find(eventNumber);
    if (found == m_handlers.end()) {
        return false;
    }
    Ref<Delegate> handler = found->second;
    args.sender = shared_from_this();
    DialogOwnerScope owner(ParentWindow());
    bool answer = false;
    RunGuarded([&] { answer = handler->Invoke(args); });
    return answer;
}

}  // namespace fw
