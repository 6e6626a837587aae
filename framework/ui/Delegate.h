#pragma once

#include <memory>

#include "framework/core/Object.h"
#include "framework/core/String.h"
#include "framework/ui/EventHandler.h"

namespace fw {

// A handler method bound to one object, usually a window, which it holds weakly: a delegate
// never keeps its window alive. Calling it once the window is gone raises NilObjectException.
class Delegate : public Object {
  public:
    Delegate(EventHandler handler, std::weak_ptr<Object> target, String signature);

    // Calls the method on the target with the arguments; gives the method's answer.
    bool Invoke(const EventArgs& args) const;

    EventShape Shape() const { return m_handler.shape; }
    // The parameter list as text, e.g. "( TextArea, String ) as Boolean".
    const String& Signature() const { return m_signature; }

  private:
    EventHandler m_handler;
    std::weak_ptr<Object> m_target;
    String m_signature;
};

// A delegate that calls target.method(...):
//     MakeDelegate(&ControlWnd::EditFldVars_KeyDown, *this, "( TextArea, String ) as Boolean")
template <class M, class W>
Ref<Delegate> MakeDelegate(M method, W& target, String signature = String()) {
    return std::make_shared<Delegate>(HandlerOf(method), target.weak_from_this(),
                                      std::move(signature));
}

}  // namespace fw
