#pragma once

#include <exception>
#include <functional>

#include "framework/core/String.h"

namespace fw {

// The call wrapper: calls function(argument) and gives nil when the call completes, or the
// RuntimeException that escaped from it. An exception of any other kind passes on.
std::exception_ptr CallFunctionWithExceptionHandling(void (*function)(void*), void* argument);

// The framework runs every call from the event loop into the system's code through this helper.
using ExceptionHelper = std::exception_ptr (*)(void (*function)(void*), void* argument);
void RuntimeSetExceptionHelper(ExceptionHelper helper);

// Runs one call from the event loop (an event, a menu action, a timer) into the system's code,
// through the helper. Nothing escapes: an exception is shown to the user, who may go on working,
// and the result is false.
bool RunGuarded(const std::function<void()>& call);

// The framework's default handling of an exception that nobody caught: it is shown to the user,
// the exit status becomes non-zero and the application is asked to quit.
void UnhandledException(std::exception_ptr exception);

// The text that shows an exception: its class, then its message ("NilObjectException: ...").
String DescribeException(std::exception_ptr exception);

}  // namespace fw
