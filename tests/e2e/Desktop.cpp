#include "Desktop.h"

#include <X11/Xlib.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <sstream>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace e2e {

namespace {

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

std::string Move(Point to) {
    return "mousemove --sync " + std::to_string(to.x) + " " + std::to_string(to.y);
}

}  // namespace

Process::Process(const std::vector<std::string>& argv) {
    std::vector<char*> args;
    for (const std::string& arg : argv) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);
    if (posix_spawnp(&m_pid, args[0], nullptr, nullptr, args.data(), environ) != 0) {
        throw std::runtime_error("cannot start " + argv[0]);
    }
}

Process::~Process() {
    if (!WaitForExit(0)) {
        kill(m_pid, SIGTERM);
        if (!WaitForExit(2000)) {
            kill(m_pid, SIGKILL);
            WaitForExit(2000);
        }
    }
}

std::optional<int> Process::WaitForExit(int milliseconds) {
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    int raw = 0;
    while (!m_status && waitpid(m_pid, &raw, WNOHANG) != m_pid) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (!m_status) {
        m_status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
    }
    return m_status;
}

Desktop::Desktop(const std::string& screen) {
    // Xvfb picks a free display number itself and writes it to the pipe.
    int fds[2];
    if (pipe(fds) != 0) {
        return;
    }
    m_server.emplace(std::vector<std::string>{"Xvfb", "-displayfd", std::to_string(fds[1]),
                                              "-screen", "0", screen + "x24", "-nolisten", "tcp",
                                              "-noreset"});
    close(fds[1]);
    std::string number;
    pollfd wait{fds[0], POLLIN, 0};
    char c = 0;
    while (poll(&wait, 1, 10000) > 0 && read(fds[0], &c, 1) == 1 && c != '\n') {
        number += c;
    }
    close(fds[0]);
    if (!number.empty()) {
        m_display = "DISPLAY=:" + number;
    }
}

std::string Desktop::Run(const std::string& command, int seconds) const {
    const std::string line = "env " + m_display + " timeout " + std::to_string(seconds) +
                             " sh -c " + Quoted(command) + " 2>/dev/null";
    std::string output;
    if (FILE* pipe = popen(line.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n = 0; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
            output.append(buffer, n);
        }
        pclose(pipe);
    }
    return output;
}

std::string Desktop::Xdotool(const std::string& arguments, int seconds) const {
    const std::string output = Run("xdotool " + arguments, seconds);
    return output.substr(0, output.find('\n'));
}

std::string Desktop::WaitForWindow(const std::string& program, const std::string& title,
                                   int seconds) const {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    do {
        std::istringstream windows(
            Run("xdotool search --onlyvisible --classname " + Quoted("^" + program + "$")));
        for (std::string window; std::getline(windows, window);) {
            if (Xdotool("getwindowname " + window) == title) {
                return window;
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    } while (std::chrono::steady_clock::now() < deadline);
    return std::string();
}

std::vector<int> Desktop::Geometry(const std::string& window) const {
    std::vector<int> g(4, -1);
    std::sscanf(Run("xdotool getwindowgeometry --shell " + window).c_str(),
                "WINDOW=%*d X=%d Y=%d WIDTH=%d HEIGHT=%d", &g[0], &g[1], &g[2], &g[3]);
    return g;
}

bool Desktop::RequestClose(const std::string& window) const {
    Display* display = XOpenDisplay(m_display.substr(m_display.find('=') + 1).c_str());
    if (display == nullptr) {
        return false;
    }
    XEvent message{};
    message.xclient.type = ClientMessage;
    message.xclient.window = std::stoul(window);
    message.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    message.xclient.format = 32;
    message.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    message.xclient.data.l[1] = CurrentTime;
    const bool sent =
        XSendEvent(display, message.xclient.window, False, NoEventMask, &message) != 0;
    XCloseDisplay(display);  // flushes the message
    return sent;
}

void Desktop::DragFromTo(Point from, Point to) const {
    std::string steps = Move(from) + " mousedown 1";
    for (int i = 1; i <= 10; ++i) {
        steps += " sleep 0.05 " +
                 Move({from.x + (to.x - from.x) * i / 10, from.y + (to.y - from.y) * i / 10});
    }
    Xdotool(steps + " sleep 0.3 " + Move({to.x + 1, to.y}) + " sleep 0.3 mouseup 1");
}

void Desktop::MoveTo(Point at) const {
    Xdotool(Move(at));
}

void Desktop::ClickAt(Point at) const {
    Xdotool(Move(at) + " click 1");
}

void Desktop::Type(const std::string& text) const {
    Xdotool("type --delay 30 " + Quoted(text));
}

void Desktop::Keys(const std::string& keys) const {
    Xdotool("key --delay 30 " + keys);
}

std::string Desktop::Clipboard() const {
    return Run("xclip -o -selection clipboard", 5);
}

bool Desktop::Screenshot(const std::string& path) const {
    return Run("import -window root " + Quoted(path) + " && echo saved", 15) == "saved\n";
}

}  // namespace e2e
