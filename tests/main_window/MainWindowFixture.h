#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDateTime>
#include <QTest>
#include <string>

#include "framework/core/Date.h"
#include "framework/core/Object.h"
#include "framework/testing/EventRecorder.h"
#include "framework/testing/PrintDialogSeam.h"
#include "framework/testing/TestRuntime.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/TextArea.h"
#include "framework/ui/Window.h"
#include "main_window/ControlWnd.h"

namespace mwtest {

// A fresh main window for each test, built through its accessor and made the active window as
// the About window's hand-off makes it. Message boxes and beeps go to the recorder; the clock
// stands still at 2024-03-05 14:07:09 local time.
class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fw::testing::EnsureRuntimeForTests();
        fw::Date::SetClockForTesting(
            [] { return QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)).toMSecsSinceEpoch(); });
        window = main_window::accessors::ControlWnd();
        Activate();
        recorder.Clear();
    }

    void TearDown() override {
        fw::testing::PrintDialogSeam::Reset();
        fw::Date::ClearClockForTesting();
        window.reset();
        fw::CloseAllWindowsSilently();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The window becomes the active one again, as when the user comes back to it.
    void Activate() {
        QApplication::setActiveWindow(nullptr);
        QApplication::setActiveWindow(window->Widget());
    }

    // Empties the field, then types the keys into it one by one.
    static void Type(const fw::Ref<fw::TextArea>& field, const std::string& keys) {
        field->SetText("");
        field->SetFocus();
        QTest::keyClicks(field->Widget(), QString::fromStdString(keys));
    }

    // Sets both input fields and presses Calculate.
    void Calculate(const std::string& vars, const std::string& subs) {
        window->EditFldVars()->SetText(fw::String(vars));
        window->EditFldSubs()->SetText(fw::String(subs));
        window->CalculateBtn()->Push();
    }

    std::string Out() { return window->EditFldOut()->Text().ToStdString(); }

    fw::testing::EventRecorder recorder;
    fw::Ref<main_window::ControlWnd> window;
};

}  // namespace mwtest
