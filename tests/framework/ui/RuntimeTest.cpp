#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/core/Exceptions.h"
#include "framework/testing/EventRecorder.h"
#include "framework/testing/TestRuntime.h"
#include "framework/ui/Alerts.h"
#include "framework/ui/Application.h"
#include "framework/ui/ExceptionHandling.h"
#include "framework/ui/Initializers.h"
#include "framework/ui/Runtime.h"
#include "framework/ui/Yield.h"

namespace {

void Completes(void* argument) {
    *static_cast<int*>(argument) += 1;
}
void RaisesNil(void*) {
    throw fw::NilObjectException("missing");
}
void RaisesOther(void*) {
    throw std::out_of_range("index");
}

TEST(CallWrapper, GivesNilWhenTheCallCompletesAndTheEscapedRuntimeException) {
    int calls = 0;
    EXPECT_EQ(fw::CallFunctionWithExceptionHandling(&Completes, &calls), nullptr);
    EXPECT_EQ(calls, 1);
    std::exception_ptr escaped = fw::CallFunctionWithExceptionHandling(&RaisesNil, nullptr);
    ASSERT_NE(escaped, nullptr);
    EXPECT_EQ(fw::DescribeException(escaped), "NilObjectException: missing");
    // Only runtime exceptions are the wrapper's to catch.
    EXPECT_THROW(fw::CallFunctionWithExceptionHandling(&RaisesOther, nullptr), std::out_of_range);
}

std::exception_ptr CountingHelper(void (*function)(void*), void* argument) {
    static int used = 0;
    ++used;
    if (used > 1000) {
        return nullptr;
    }
    return fw::CallFunctionWithExceptionHandling(function, argument);
}

TEST(CallWrapper, GuardedCallsGoThroughTheHelperAndNothingEscapes) {
    fw::testing::EnsureRuntimeForTests();
    fw::testing::EventRecorder recorder;
    fw::RuntimeSetExceptionHelper(&CountingHelper);
    EXPECT_TRUE(fw::RunGuarded([] {}));
    EXPECT_FALSE(fw::RunGuarded([] { throw fw::IllegalCastException("wrong class"); }));
    EXPECT_FALSE(fw::RunGuarded([] { throw std::runtime_error("plain"); }));
    fw::RuntimeSetExceptionHelper(nullptr);
    EXPECT_EQ(recorder.Events(),
              (std::vector<std::string>{"msgbox: Unhandled IllegalCastException: wrong class",
                                        "msgbox: Unhandled std::exception: plain"}));
}

TEST(Initializers, RunInOrderAndStopAtTheFirstThatRaises) {
    std::vector<int> ran;
    fw::AddInitializer([&] { ran.push_back(1); });
    fw::AddInitializer([&] { throw fw::RuntimeException("bad class table"); });
    fw::AddInitializer([&] { ran.push_back(3); });
    std::exception_ptr pending = fw::RunInitializers();
    ASSERT_NE(pending, nullptr);
    EXPECT_EQ(fw::DescribeException(pending), "RuntimeException: bad class table");
    EXPECT_EQ(ran, std::vector<int>{1});
    EXPECT_EQ(fw::RunInitializers(), nullptr);  // each runs once

    fw::AddFinalizer([&] { ran.push_back(10); });
    fw::AddFinalizer([&] { throw fw::RuntimeException("late"); });
    fw::AddFinalizer([&] { ran.push_back(30); });
    EXPECT_NE(fw::RunFinalizers(), nullptr);
    EXPECT_EQ(ran, (std::vector<int>{1, 30, 10}));  // all of them, last added first
}

TEST(Runtime, LateStartupIsCalledOnceBeforeTheLoop) {
    fw::testing::EnsureRuntimeForTests();
    int calls = 0;
    fw::RunFrameworkInitialization([&] { ++calls; });
    EXPECT_EQ(calls, 1);
}

TEST(Runtime, LoopReturnsOnQuitAndASecondRequestIsHarmless) {
    fw::testing::EnsureRuntimeForTests();
    bool ran = false;
    QTimer::singleShot(0, [&] {
        ran = true;
        fw::Quit(0);
        fw::Quit(5);  // during shut-down: ignored
    });
    fw::RuntimeRun();
    EXPECT_TRUE(ran);
    EXPECT_FALSE(fw::QuitRequested());

    // A quit asked before the loop runs ends it at once.
    fw::Quit(0);
    fw::RuntimeRun();
    EXPECT_EQ(fw::RuntimeExit(), 0);
}

TEST(Runtime, ExceptionEscapingStartUpIsShownAndTheExitStatusIsNotZero) {
    fw::testing::EnsureRuntimeForTests();
    fw::testing::EventRecorder recorder;
    fw::RunFrameworkInitialization([] { throw fw::NilObjectException("no About window"); });
    EXPECT_TRUE(fw::QuitRequested());
    fw::RuntimeRun();  // returns at once
    EXPECT_EQ(recorder.Events(),
              std::vector<std::string>{"msgbox: Unhandled NilObjectException: no About window"});
    EXPECT_NE(fw::RuntimeExit(), 0);
}

TEST(Runtime, ApplicationObjectIsRegisteredAndCarriesItsVersion) {
    fw::testing::EnsureRuntimeForTests();
    auto app = fw::Cast<fw::Application>(fw::Application::Record().New());
    app->x_SetVersionData(2, 0, 0, 0, 3, "(c) 2000-2020 Someone", "Vantrex", "Vantrex");
    EXPECT_EQ(app->MajorVersion(), 2);
    EXPECT_EQ(app->StageCode(), 3);
    EXPECT_EQ(app->LongVersion(), "(c) 2000-2020 Someone");
    EXPECT_EQ(app->PackageInfo(), "Vantrex");
    EXPECT_EQ(QCoreApplication::applicationVersion(), "2.0.0");
    fw::RuntimeRegisterAppObject(app);
    EXPECT_EQ(fw::GetAppObject(), app);
    fw::Application::SetSupportsHiDPI(true);
    EXPECT_TRUE(fw::Application::SupportsHiDPI());
    fw::RuntimeRegisterAppObject(nullptr);
}

TEST(Alerts, MessageBoxesAndBeepsAreRecordedInOrder) {
    fw::testing::EnsureRuntimeForTests();
    fw::testing::EventRecorder recorder;
    fw::Beep();
    fw::MsgBox("Number of subjects must be 100-2,500");
    fw::MsgBox("Number of variables must be 5-100.");
    fw::Beep();
    EXPECT_EQ(recorder.Events(),
              (std::vector<std::string>{"beep", "msgbox: Number of subjects must be 100-2,500",
                                        "msgbox: Number of variables must be 5-100.", "beep"}));
}

TEST(Yield, RunsNeitherTimersNorPostedCalls) {
    fw::testing::EnsureRuntimeForTests();
    bool fired = false;
    QTimer::singleShot(0, [&] { fired = true; });
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [&] { fired = true; }, Qt::QueuedConnection);
    for (int i = 0; i < 100; ++i) {
        fw::YieldToFramework();
    }
    EXPECT_FALSE(fired);
    QCoreApplication::processEvents();  // they were only waiting
    EXPECT_TRUE(fired);
}

}  // namespace
