#pragma once

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "framework/testing/EventRecorder.h"
#include "framework/testing/TestRuntime.h"
#include "framework/ui/Application.h"
#include "framework/ui/Window.h"
#include "main_window/ControlWnd.h"
#include "shell/AboutWnd.h"
#include "shell/Menu.h"
#include "shell/Startup.h"

namespace shelltest {

// Runs the event loop for that long.
inline void Wait(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the event loop until the condition holds or the time is up; gives the condition.
inline bool WaitUntil(const std::function<bool()>& condition, int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < milliseconds) {
        Wait(10);
    }
    return condition();
}

// How many open windows are of the class of that name.
inline int OpenWindowsOf(const char* className) {
    int count = 0;
    for (const fw::Ref<fw::Window>& window : fw::OpenWindows()) {
        count += window->Class().Name() == className ? 1 : 0;
    }
    return count;
}

inline fw::Ref<shell::classes::AboutWnd> About() {
    return fw::Cast<shell::classes::AboutWnd>(shell::AboutWnd());
}

// The application as start-up leaves it, without the event loop: the application object with
// its menu bar, and a recorder that answers any message box (none is expected).
class ShellTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fw::testing::EnsureRuntimeForTests();
        shell::NewAppInstance();
    }
    void TearDown() override {
        EXPECT_EQ(recorder.Events(), std::vector<std::string>{});
        fw::CloseAllWindowsSilently();
        fw::RuntimeRegisterAppObject(nullptr);
        shell::classes::Menu::implicitInstance = nullptr;
    }

    fw::testing::EventRecorder recorder;
};

}  // namespace shelltest
