#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/testing/EventRecorder.h"
#include "framework/testing/TestRuntime.h"
#include "framework/ui/Application.h"
#include "main_window/ControlWnd.h"
#include "shell/AboutWnd.h"
#include "shell/Menu.h"
#include "shell/Startup.h"

namespace shelltest {

inline fw::Ref<shell::classes::AboutWnd> About() {
    return fw::Cast<shell::classes::AboutWnd>(shell::AboutWnd());
}

// The application as the early start-up leaves it, without the event loop: the application
// object with its menu bar. No message box is expected.
class ShellTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fw::testing::EnsureRuntimeForTests();
        shell::EarlyStartup();
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
