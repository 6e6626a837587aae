#pragma once

#include <exception>
#include <functional>

namespace fw {

// The initialisers (class records, shared instances) and finalisers of the system's code.
void AddInitializer(std::function<void()> initializer);
void AddFinalizer(std::function<void()> finalizer);

// Runs the initialisers in the order they were added, each once. The first that raises stops
// the run; its exception is given back (nil when all ran).
std::exception_ptr RunInitializers();

// Runs the finalisers in the reverse order, all of them; gives back the first exception raised.
std::exception_ptr RunFinalizers();

}  // namespace fw
