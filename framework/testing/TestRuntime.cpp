#include "framework/testing/TestRuntime.h"

#include <QApplication>

#include "framework/ui/Runtime.h"

namespace fw::testing {

void EnsureRuntimeForTests() {
    static int argc = 1;
    static char name[] = "vantrex-tests";
    static char* argv[] = {name, nullptr};
    RuntimeStartup(argc, argv);
}

void ProcessPendingEvents() {
    if (QApplication::instance() == nullptr) {
        return;
    }
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace fw::testing
