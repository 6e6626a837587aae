#include "framework/ui/Runtime.h"

#include <QApplication>
#include <algorithm>
#include <limits>

#include "framework/ui/Display.h"
#include "framework/ui/ExceptionHandling.h"
#include "framework/ui/Window.h"

namespace fw {

namespace {

struct RunState {
    bool quitRequested = false;
    bool loopRunning = false;
    bool failed = false;
    std::int64_t exitCode = 0;
};

RunState& State() {
    static RunState state;
    return state;
}

}  // namespace

void RuntimeStartup(int& argc, char** argv) {
    if (QApplication::instance() != nullptr) {
        return;
    }
    // Lives until the process ends: widgets held by the system's globals may outlive main().
    new QApplication(argc, argv);
    ReleaseDisplayProbe();
    // The application ends when it is asked to quit, not when its last window closes: the
    // About window is only hidden, and closing the main window quits on its own.
    QApplication::setQuitOnLastWindowClosed(false);
}

void RunFrameworkInitialization(const std::function<void()>& lateStartup) {
    if (!lateStartup) {
        return;
    }
    try {
        lateStartup();
    } catch (...) {
        UnhandledException(std::current_exception());
    }
}

void RuntimeRun() {
    RunState& state = State();
    if (!state.quitRequested && QApplication::instance() != nullptr) {
        state.loopRunning = true;
        QApplication::exec();
        state.loopRunning = false;
    }
    state.quitRequested = false;
}

void Quit(std::int64_t code) {
    RunState& state = State();
    if (state.quitRequested) {
        return;
    }
    state.quitRequested = true;
    state.exitCode = code;
    if (state.loopRunning) {
        QApplication::exit(0);
    }
}

bool QuitRequested() {
    return State().quitRequested;
}

void MarkFailure() {
    State().failed = true;
}

std::int32_t RuntimeExit() {
    CloseAllWindowsSilently();
    if (QApplication::instance() != nullptr) {
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    const RunState& state = State();
    if (state.failed) {
        return 1;
    }
    constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(state.exitCode, kMin, kMax));
}

}  // namespace fw
