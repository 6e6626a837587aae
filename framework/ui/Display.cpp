#include "framework/ui/Display.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
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

// Whether a Wayland server takes a connection at this display name: a socket named relative to
// XDG_RUNTIME_DIR, or by its full path, as the Wayland client library finds it. The socket file
// outlives a server that ended without removing it, so only a connection tells.
bool WaylandDisplayAnswers(const std::string& name) {
    const std::string folder = Environment("XDG_RUNTIME_DIR");
    if (name.front() != '/' && folder.empty()) {
        return false;
    }
    const std::string path = name.front() == '/' ? name : folder + "/" + name;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof(address.sun_path)) {
        return false;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0) {
        return false;
    }
    const bool answers =
        ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    ::close(socket);
    return answers;
}

}  // namespace

std::string RuntimeMissingDisplay() {
    const std::string platform = Environment("QT_QPA_PLATFORM");
    const std::string platformName = platform.substr(0, platform.find(':'));
    if (!platformName.empty() && platformName != "xcb") {
        return std::string();
    }
    // With no platform named, Qt goes to a Wayland display first, and to X after it.
    std::string cause;
    const std::string wayland = Environment("WAYLAND_DISPLAY");
    if (platformName.empty() && !wayland.empty()) {
        if (WaylandDisplayAnswers(wayland)) {
            return std::string();
        }
        cause = "nothing answers at WAYLAND_DISPLAY=" + wayland + ", and ";
    }
    const std::string display = Environment("DISPLAY");
    if (display.empty()) {
        return "no display to show the window on (" + cause + "DISPLAY is not set)";
    }
    // A bare X server (Xvfb) resets when its last client goes, and drops a connection made
    // meanwhile: a display that did not answer is asked twice more, a tenth of a second apart.
    bool answers = XDisplayAnswers(display);
    for (int again = 0; again < 2 && !answers; ++again) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        answers = XDisplayAnswers(display);
    }
    if (!answers) {
        return "no display to show the window on (" + cause +
               "nothing answers at DISPLAY=" + display + ")";
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
