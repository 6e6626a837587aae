#include "framework/ui/Runtime.h"

#include <dlfcn.h>

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <limits>
#include <optional>
#include <thread>

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

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

// The connection that found the X display answering, held until the platform has made its own:
// were it the server's only client, its close would reset a server such as Xvfb, and a connection
// made during the reset fails.
struct XProbe {
    void* library = nullptr;
    void* connection = nullptr;
    void (*disconnect)(void*) = nullptr;
};

XProbe& Probe() {
    static XProbe probe;
    return probe;
}

void ReleaseXProbe() {
    XProbe& probe = Probe();
    if (probe.connection != nullptr) {
        probe.disconnect(probe.connection);
    }
    if (probe.library != nullptr) {
        dlclose(probe.library);
    }
    probe = XProbe();
}

// Whether an X server takes a connection at this display name, asked of the X client library
// that the X11 platform itself loads (so the same address and the same authorisation); nil when
// that library cannot be loaded, and the platform is left to say why.
std::optional<bool> XDisplayAnswers(const std::string& name) {
    ReleaseXProbe();
    XProbe& probe = Probe();
    probe.library = dlopen("libxcb.so.1", RTLD_NOW | RTLD_LOCAL);
    if (probe.library == nullptr) {
        return std::nullopt;
    }
    using Connect = void* (*)(const char*, int*);
    using HasError = int (*)(void*);
    const auto connect = reinterpret_cast<Connect>(dlsym(probe.library, "xcb_connect"));
    const auto hasError =
        reinterpret_cast<HasError>(dlsym(probe.library, "xcb_connection_has_error"));
    probe.disconnect = reinterpret_cast<void (*)(void*)>(dlsym(probe.library, "xcb_disconnect"));
    if (connect == nullptr || hasError == nullptr || probe.disconnect == nullptr) {
        ReleaseXProbe();
        return std::nullopt;
    }
    // A failed connection is an error object, never nil, and is let go the same way.
    probe.connection = connect(name.c_str(), nullptr);
    const bool answers = hasError(probe.connection) == 0;
    if (!answers) {
        ReleaseXProbe();
    }
    return answers;
}

}  // namespace

std::string RuntimeMissingDisplay() {
    const std::string platform = Environment("QT_QPA_PLATFORM");
    const std::string platformName = platform.substr(0, platform.find(':'));
    if (!platformName.empty() && platformName != "xcb") {
        return std::string();
    }
    if (platformName.empty() && !Environment("WAYLAND_DISPLAY").empty()) {
        return std::string();
    }
    const std::string display = Environment("DISPLAY");
    if (display.empty()) {
        return "no display to show the window on (DISPLAY is not set)";
    }
    // A bare X server (Xvfb) resets when its last client goes, and drops a connection made
    // meanwhile: a display that did not answer is asked twice more, a tenth of a second apart.
    std::optional<bool> answers = XDisplayAnswers(display);
    for (int again = 0; again < 2 && answers == false; ++again) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        answers = XDisplayAnswers(display);
    }
    if (answers == false) {
        return "no display to show the window on (nothing answers at DISPLAY=" + display + ")";
    }
    return std::string();
}

void RuntimeStartup(int& argc, char** argv) {
    if (QApplication::instance() != nullptr) {
        return;
    }
    // Lives until the process ends: widgets held by the system's globals may outlive main().
    new QApplication(argc, argv);
    ReleaseXProbe();
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
