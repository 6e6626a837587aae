#include "framework/ui/Yield.h"

#include <QApplication>

namespace fw {

void YieldToFramework() {
    if (QApplication::instance() == nullptr) {
        return;
    }
    // Only the pending repaints: input and timers arrive through other queues.
    QApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
}

}  // namespace fw
