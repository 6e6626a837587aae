#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace fw {

// The life of the application: start-up, the event loop, quitting and the exit status. Every
// call runs on the one user-interface thread, the thread that called RuntimeStartup.

// Asked before RuntimeStartup: empty when the windows have a display to go to, or when the choice
// of one is left to the platform (QT_QPA_PLATFORM names a platform other than X11, or a Wayland
// session is named); otherwise one line that says which display is missing, e.g. "no display to
// show the window on (DISPLAY is not set)". The connection that found an X display answering
// stays open until RuntimeStartup has the platform's own.
std::string RuntimeMissingDisplay();

// Makes the GUI runtime ready. Only the first call does anything.
void RuntimeStartup(int& argc, char** argv);

// Finishes the framework's own start-up and calls lateStartup back, once, before the user can
// act on any window. An exception that escapes it is an unhandled exception.
void RunFrameworkInitialization(const std::function<void()>& lateStartup);

// The event loop; returns when the application quits (at once when a quit is already asked).
void RuntimeRun();

// Asks the application to quit with this exit code. A request while one is pending is harmless
// and keeps the first code.
void Quit(std::int64_t code = 0);
bool QuitRequested();

// Marks the run as failed: the exit status will be non-zero.
void MarkFailure();

// The exit step: closes what is left of the windows and gives the exit status.
std::int32_t RuntimeExit();

}  // namespace fw
