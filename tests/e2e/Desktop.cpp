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

int StatusOf(int raw) {
    if (WIFEXITED(raw)) {
        return WEXITSTATUS(raw);
    }
    if (WIFSIGNALED(raw)) {
        return 128 + WTERMSIG(raw);
    }
    return -1;
}

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

std::string Chomp(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.pop_back();
    }
    return text;
}

}  // namespace

Process::Process(const std::vector<std::string>& argv,
                 const std::vector<std::string>& environment) {
    std::vector<std::string> env;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        env.emplace_back(*entry);
    }
    for (const std::string& entry : environment) {
        const std::string key = entry.substr(0, entry.find('=') + 1);
        std::erase_if(env, [&](const std::string& e) { return e.rfind(key, 0) == 0; });
        env.push_back(entry);
    }
    std::vector<char*> args;
    for (const std::string& arg : argv) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);
    std::vector<char*> envp;
    for (std::string& entry : env) {
        envp.push_back(entry.data());
    }
    envp.push_back(nullptr);
    if (posix_spawnp(&m_pid, args[0], nullptr, nullptr, args.data(), envp.data()) != 0) {
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
    while (!m_status) {
        int raw = 0;
        if (waitpid(m_pid, &raw, WNOHANG) == m_pid) {
            m_status = StatusOf(raw);
            break;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return m_status;
}

Desktop::Desktop() {
    // Xvfb picks a free display number itself and writes it to the pipe.
    int fds[2];
    if (pipe(fds) != 0) {
        return;
    }
    m_server.emplace(std::vector<std::string>{"Xvfb", "-displayfd", std::to_string(fds[1]),
                                              "-screen", "0", "1024x768x24", "-nolisten", "tcp"},
                     std::vector<std::string>{});
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

Desktop::~Desktop() = default;

CommandResult Desktop::Run(const std::string& command, int seconds) const {
    const std::string line = "env " + m_display + " timeout " + std::to_string(seconds) +
                             " sh -c " + Quoted(command) + " 2>/dev/null";
    CommandResult result;
    FILE* pipe = popen(line.c_str(), "r");
    if (pipe == nullptr) {
        return result;
    }
    char buffer[4096];
    std::size_t n = 0;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        result.output.append(buffer, n);
    }
    result.status = StatusOf(pclose(pipe));
    return result;
}

std::string Desktop::Xdotool(const std::string& arguments, int seconds) const {
    return Chomp(Run("xdotool " + arguments, seconds).output);
}

std::string Desktop::WaitForWindow(const std::string& program, const std::string& title,
                                   int seconds) const {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    do {
        std::istringstream windows(
            Xdotool("search --onlyvisible --classname " + Quoted("^" + program + "$")));
        std::string window;
        while (std::getline(windows, window)) {
            if (!window.empty() && Xdotool("getwindowname " + window) == title) {
                return window;
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    } while (std::chrono::steady_clock::now() < deadline);
    return std::string();
}

std::vector<int> Desktop::Geometry(const std::string& window) const {
    // "X=..", "Y=..", "WIDTH=..", "HEIGHT=.." lines, among others.
    std::istringstream lines(Xdotool("getwindowgeometry --shell " + window));
    std::vector<int> geometry(4, -1);
    std::string line;
    while (std::getline(lines, line)) {
        const std::size_t eq = line.find('=');
        const std::string key = line.substr(0, eq);
        const int value = eq == std::string::npos ? -1 : std::stoi(line.substr(eq + 1));
        if (key == "X") {
            geometry[0] = value;
        } else if (key == "Y") {
            geometry[1] = value;
        } else if (key == "WIDTH") {
            geometry[2] = value;
        } else if (key == "HEIGHT") {
            geometry[3] = value;
        }
    }
    return geometry;
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

void Desktop::DragFromTo(int fromX, int fromY, int toX, int toY) const {
    std::string steps =
        "mousemove --sync " + std::to_string(fromX) + " " + std::to_string(fromY) + " mousedown 1";
    for (int i = 1; i <= 10; ++i) {
        steps += " sleep 0.05 mousemove --sync " + std::to_string(fromX + (toX - fromX) * i / 10) +
                 " " + std::to_string(fromY + (toY - fromY) * i / 10);
    }
    Xdotool(steps + " sleep 0.3 mousemove --sync " + std::to_string(toX + 1) + " " +
            std::to_string(toY) + " sleep 0.3 mouseup 1");
}

void Desktop::ClickAt(int x, int y) const {
    Xdotool("mousemove --sync " + std::to_string(x) + " " + std::to_string(y) + " click 1");
}

void Desktop::Type(const std::string& text) const {
    Xdotool("type --delay 30 " + Quoted(text));
}

void Desktop::Keys(const std::string& keys) const {
    Xdotool("key --delay 30 " + keys);
}

std::string Desktop::Clipboard() const {
    return Run("xclip -o -selection clipboard", 5).output;
}

bool Desktop::Screenshot(const std::string& path) const {
    return Run("import -window root " + Quoted(path), 15).status == 0;
}

}  // namespace e2e
