#include "framework/testing/TestRuntime.h"

#include <QApplication>

#include "framework/ui/Runtime.h"

namespace fw::testing {

namespace {

QtMessageHandler g_passOn = nullptr;

// The headless platform cannot raise a window or pass size hints on, and says so every time.
void DropHeadlessWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("This plugin does not support"))) {
        return;
    }
    if (g_passOn != nullptr) {
        g_passOn(type, context, text);
    }
}

}  // namespace

void EnsureRuntimeForTests() {
    static int argc = 1;
    static char name[] = "vantrex-tests";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance() == nullptr) {
        g_passOn = qInstallMessageHandler(&DropHeadlessWarnings);
    }
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
