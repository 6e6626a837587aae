#include "framework/ui/Display.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "framework/ui/PlatformPlugins.h"

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

// Whether a Wayland server answers at this display name: a socket named relative to
// XDG_RUNTIME_DIR, or by its full path, as the Wayland client library finds it. The socket file
// outlives a server that ended without removing it, and any program may listen at the name (Qt's
// Wayland platform would wait for its answer for ever): only a Wayland server's answer to a first
// request, within two seconds, tells.
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
    // Never blocking: a server that takes no more connections refuses this one at once.
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (socket < 0) {
        return false;
    }
    // The display's sync request (object 1, opcode 0, 12 bytes) for a new callback, object 2; a
    // server answers with that callback's done event (object 2, opcode 0, 12 bytes).
    const std::uint32_t sync[] = {1, 12u << 16, 2};
    bool answers =
        ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0 &&
        ::send(socket, sync, sizeof(sync), MSG_NOSIGNAL) == sizeof(sync);
    if (answers) {
        pollfd reply{socket, POLLIN, 0};
        std::uint32_t done[3] = {};
        answers = ::poll(&reply, 1, 2000) == 1 &&
                  ::recv(socket, done, sizeof(done), 0) == sizeof(done) && done[0] == 2 &&
                  done[1] == 12u << 16;
    }
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
    // With no platform named, Qt goes to a Wayland display first, where its Wayland platform is
    // installed, and to X after it. (Qt also tries the Wayland display "wayland-0" where
    // XDG_SESSION_TYPE=wayland and WAYLAND_DISPLAY is not set; a Wayland session names its display
    // to the programs it starts, so one without the name is taken here for one without Wayland.)
    std::string cause;
    const std::string wayland = Environment("WAYLAND_DISPLAY");
    if (platformName.empty() && !wayland.empty()) {
        if (!WaylandDisplayAnswers(wayland)) {
            cause = "nothing answers at WAYLAND_DISPLAY=" + wayland + ", and ";
        } else if (!PlatformPluginInstalled("wayland")) {
            cause = "a window on the Wayland display at WAYLAND_DISPLAY=" + wayland +
                    " needs the package qt6-wayland, which is not installed, and ";
        } else {
            return std::string();
        }
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
