#include "framework/ui/ExceptionHandling.h"

#include "framework/core/Exceptions.h"
#include "framework/ui/Alerts.h"
#include "framework/ui/Runtime.h"

namespace fw {

namespace {

ExceptionHelper g_helper = nullptr;

void CallStdFunction(void* function) {
    (*static_cast<const std::function<void()>*>(function))();
}

}  // namespace

std::exception_ptr CallFunctionWithExceptionHandling(void (*function)(void*), void* argument) {
    try {
        function(argument);
    } catch (const RuntimeException&) {
        return std::current_exception();
    }
    return nullptr;
}

void RuntimeSetExceptionHelper(ExceptionHelper helper) {
    g_helper = helper;
}

bool RunGuarded(const std::function<void()>& call) {
    ExceptionHelper helper = g_helper ? g_helper : &CallFunctionWithExceptionHandling;
    std::exception_ptr escaped;
    try {
        escaped = helper(&CallStdFunction, const_cast<std::function<void()>*>(&call));
    } catch (...) {
        // Not a RuntimeException, but Qt must not see it either.
        escaped = std::current_exception();
    }
    if (escaped) {
        ShowMessage("Unhandled " + DescribeException(escaped));
        return false;
    }
    return true;
}

void UnhandledException(std::exception_ptr exception) {
    if (exception) {
        ShowMessage("Unhandled " + DescribeException(exception));
    }
    MarkFailure();
    Quit(1);
}

String DescribeException(std::exception_ptr exception) {
    if (!exception) {
        return String();
    }
    try {
        std::rethrow_exception(exception);
    } catch (const RuntimeException& e) {
        return e.Message().IsEmpty() ? e.ClassName() : e.ClassName() + ": " + e.Message();
    } catch (const std::exception& e) {
        return String("std::exception: ") + String(e.what());
    } catch (...) {
        return String("an exception of unknown class");
    }
}

}  // namespace fw
