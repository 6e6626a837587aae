#include "framework/ui/Delegate.h"

#include "framework/core/Exceptions.h"

namespace fw {

Delegate::Delegate(EventHandler handler, std::weak_ptr<Object> target, String signature)
    : m_handler(std::move(handler)),
      m_target(std::move(target)),
      m_signature(std::move(signature)) {}

bool Delegate::Invoke(const EventArgs& args) const {
    Ref<Object> target = m_target.lock();
    if (!target) {
        throw NilObjectException("The object this handler belongs to no longer exists.");
    }
    return m_handler.call(*target, args);
}

}  // namespace fw
