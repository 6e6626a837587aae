#include "framework/ui/Display.h"

#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <thread>

namespace fw {

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

// The connection that found the X display answering, held until the platform has made its own:
// were it the server's only client, its close would reset a server such as Xvfb, and a connection
// made during the reset fails.
xcb_connection_t* g_probe = nullptr;

// Whether an X server takes a connection at this display name, asked of the X client library
// that the X11 platform itself uses (so the same address and the same authorisation).
bool XDisplayAnswers(const std::string& name) {
    ReleaseDisplayProbe();
    // A failed connection is an error object, never nil, and is let go the same way.
    g_probe = xcb_connect(name.c_str(), nullptr);
    const bool answers = xcb_connection_has_error(g_probe) == 0;
    if (!answers) {
        ReleaseDisplayProbe();
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
    bool answers = XDisplayAnswers(display);
    for (int again = 0; again < 2 && !answers; ++again) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        answers = XDisplayAnswers(display);
    }
    if (!answers) {
        return "no display to show the window on (nothing answers at DISPLAY=" + display + ")";
    }
    return std::string();
}

void ReleaseDisplayProbe() {
    if (g_probe != nullptr) {
        xcb_disconnect(g_probe);
        g_probe = nullptr;
    }
}

}  // namespace fw
