#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

namespace e2e {

// A point on the screen, in pixels.
struct Point {
    int x;
    int y;
};

// A program started in the background; killed and reaped when the object goes, if still running.
class Process {
  public:
    // Starts argv[0], looked up on PATH, with the current environment.
    explicit Process(const std::vector<std::string>& argv);
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    // The exit status once the program has ended within the time; nil while it still runs. A
    // program ended by a signal gives 128 + the signal's number.
    std::optional<int> WaitForExit(int milliseconds);

  private:
    pid_t m_pid = -1;
    std::optional<int> m_status;
};

// A virtual X display of its own (Xvfb), and the tools a user's hands stand in for: xdotool for
// the mouse and the keyboard, xclip for the clipboard, import for screenshots. Every command is
// bounded in time. Points and geometries are in screen pixels.
class Desktop {
  public:
    // A screen of that size ("1024x768"), without a window manager.
    explicit Desktop(const std::string& screen = "1024x768");

    // DISPLAY=:n, for the programs started on this display.
    const std::string& DisplayEntry() const { return m_display; }
    bool Ready() const { return m_server && !m_display.empty(); }

    // Runs the command line through the shell, on this display, for at most the seconds given;
    // gives what it printed.
    std::string Run(const std::string& command, int seconds = 10) const;
    // xdotool with these arguments; the first line of its output, without its end.
    std::string Xdotool(const std::string& arguments, int seconds = 10) const;

    // The visible window of the program (its resource name, e.g. "vantrex") that has exactly
    // this title, waiting up to the seconds given; empty when none appears. A window without a
    // title of its own is shown with the application's name.
    std::string WaitForWindow(const std::string& program, const std::string& title,
                              int seconds = 10) const;
    // The window's x, y, width and height.
    std::vector<int> Geometry(const std::string& window) const;
    // Asks the window to close, as a window manager does for its close button or Alt+F4: the
    // WM_DELETE_WINDOW message.
    bool RequestClose(const std::string& window) const;

    // Takes the pointer straight there, crossing nothing on the way.
    void MoveTo(Point at) const;
    void ClickAt(Point at) const;
    // Presses the left button at one point and lets it go at the other, moving in steps.
    void DragFromTo(Point from, Point to) const;
    // Types the text, or presses the keys ("ctrl+a"), where the keyboard focus is.
    void Type(const std::string& text) const;
    void Keys(const std::string& keys) const;
    std::string Clipboard() const;
    // Saves the whole screen as a PNG file.
    bool Screenshot(const std::string& path) const;

  private:
    std::optional<Process> m_server;
    std::string m_display;
};

}  // namespace e2e
