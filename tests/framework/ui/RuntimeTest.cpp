#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/core/Exceptions.h"
#include "framework/testing/EventRecorder.h"
#include "framework/testing/TestRuntime.h"
#include "framework/ui/ExceptionHandling.h"
#include "framework/ui/Initializers.h"
#include "framework/ui/Runtime.h"
#include "framework/ui/Yield.h"

namespace {

using Log = std::vector<std::string>;

void RaisesNil(void*) {
    throw fw::NilObjectException("missing");
}

int g_helperCalls = 0;
std::exception_ptr CountingHelper(void (*function)(void*), void* argument) {
    ++g_helperCalls;
    return fw::CallFunctionWithExceptionHandling(function, argument);
}

// The wrapper gives back the runtime exception that escaped; RunGuarded calls through the
// helper the application set, shows what escaped and lets nothing through.
TEST(CallWrapper, CatchesRuntimeExceptionsAndGuardedCallsShowWhatEscaped) {
    fw::testing::EnsureRuntimeForTests();
    EXPECT_EQ(fw::CallFunctionWithExceptionHandling([](void*) {}, nullptr), nullptr);
    EXPECT_EQ(fw::DescribeException(fw::CallFunctionWithExceptionHandling(&RaisesNil, nullptr)),
              "NilObjectException: missing");
    EXPECT_THROW(fw::CallFunctionWithExceptionHandling(
                     [](void*) { throw std::out_of_range("index"); }, nullptr),
                 std::out_of_range);

    fw::testing::EventRecorder recorder;
    fw::RuntimeSetExceptionHelper(&CountingHelper);
    EXPECT_TRUE(fw::RunGuarded([] {}));
    EXPECT_FALSE(fw::RunGuarded([] { throw fw::IllegalCastException("wrong class"); }));
    EXPECT_FALSE(fw::RunGuarded([] { throw std::runtime_error("plain"); }));
    fw::RuntimeSetExceptionHelper(nullptr);
    EXPECT_EQ(g_helperCalls, 3);
    EXPECT_EQ(recorder.Events(), (Log{"msgbox: Unhandled IllegalCastException: wrong class",
                                      "msgbox: Unhandled std::exception: plain"}));
}

TEST(Initializers, RunOnceInOrderUpToTheFirstThatRaisesAndFinalizersAllInReverse) {
    std::vector<int> ran;
    fw::AddInitializer([&] { ran.push_back(1); });
    fw::AddInitializer([&] { throw fw::RuntimeException("bad class table"); });
    fw::AddInitializer([&] { ran.push_back(3); });
    EXPECT_EQ(fw::DescribeException(fw::RunInitializers()), "RuntimeException: bad class table");
    EXPECT_EQ(fw::RunInitializers(), nullptr);
    fw::AddFinalizer([&] { ran.push_back(10); });
    fw::AddFinalizer([&] { throw fw::RuntimeException("late"); });
    fw::AddFinalizer([&] { ran.push_back(30); });
    EXPECT_NE(fw::RunFinalizers(), nullptr);
    EXPECT_EQ(ran, (std::vector<int>{1, 30, 10}));
}

TEST(Runtime, TheLoopEndsOnQuitWithTheFirstCodeAskedAndAFailedStartUpIsShown) {
    fw::testing::EnsureRuntimeForTests();
    QTimer::singleShot(0, [] {
        fw::Quit(3);
        fw::Quit(5);  // during shut-down: ignored
    });
    fw::RuntimeRun();
    EXPECT_FALSE(fw::QuitRequested());
    EXPECT_EQ(fw::RuntimeExit(), 3);

    fw::testing::EventRecorder recorder;
    fw::RunFrameworkInitialization([] { throw fw::NilObjectException("no About window"); });
    ASSERT_EQ(recorder.Events(), (Log{"msgbox: Unhandled NilObjectException: no About window"}));
    fw::RuntimeRun();  // returns at once
    EXPECT_NE(fw::RuntimeExit(), 0);
}

// The calculation yields once a row: no timer or queued call may run inside it.
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
