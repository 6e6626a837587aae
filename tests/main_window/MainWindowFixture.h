#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <string>

#include "framework/testing/EventRecorder.h"
#include "framework/testing/PrintDialogSeam.h"
#include "framework/testing/TestRuntime.h"
#include "framework/ui/Canvas.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/TextArea.h"
#include "main_window/ControlWnd.h"

namespace mwtest {

// A fresh main window for each test, built through its accessor and made the active window as
// the About window's hand-off makes it. Message boxes, beeps and focus changes go to the recorder.
class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fw::testing::EnsureRuntimeForTests();
        window = main_window::accessors::ControlWnd();
        Activate();
        recorder.Clear();
    }
    void TearDown() override {
        fw::testing::PrintDialogSeam::Reset();
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
    static void Type(const fw::Ref<fw::TextArea>& field, const char* keys) {
        field->SetText("");
        field->SetFocus();
        QTest::keyClicks(field->Widget(), keys);
    }
    // Sets both input fields and presses Calculate.
    void Calculate(const char* vars, const char* subs) {
        window->EditFldVars()->SetText(vars);
        window->EditFldSubs()->SetText(subs);
        window->CalculateBtn()->Push();
    }
    void ClickHelp() { QTest::mouseClick(window->Canvas2()->Widget(), Qt::LeftButton); }
    std::string Out() { return window->EditFldOut()->Text().ToStdString(); }

    fw::testing::EventRecorder recorder;
    fw::Ref<main_window::ControlWnd> window;
};

}  // namespace mwtest
