#pragma once

#include <cstdint>
#include <functional>

namespace fw {

// The life of the application: start-up, the event loop, quitting and the exit status. Every
// call runs on the one user-interface thread, the thread that called RuntimeStartup.

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
