#pragma once

#include <exception>

namespace shell {

// The life of the program between the framework's start-up and its exit step.

// Registers the class records and shared instances with the framework's initialisers.
void AddInitializers();

// The start-up driver: installs the call wrapper, runs the early start-up, lets the framework
// finish its own start-up and call LateStartup back, then runs the event loop until the
// application quits. An exception already pending (left by the initialisers) or raised by any
// step skips the steps after it and goes to the framework's unhandled-exception handling.
void Main(std::exception_ptr pending = nullptr);

// The start-up steps, in the order Main runs them. Each passes on what it raises.
void EarlyStartup();
void InitFileTypes();
void NewAppInstance();
void ApplicationAddMenuHandlers();
void LateStartup();
void MakeDefaultView();

// The one-line ownership notice of the version data: 30 characters.
inline constexpr const char* kLongVersion = "\xC2\xA9 2000-2020 Vantrex Analytics.";

}  // namespace shell
