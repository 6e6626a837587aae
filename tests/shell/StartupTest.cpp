// The start-up driver when the initialisers left an exception behind (the start-up that succeeds
// is the end-to-end tests' to run). The case ends with the exit step: a program of its own.
#include <QTimer>

#include "ShellFixture.h"
#include "framework/core/Exceptions.h"
#include "framework/ui/Initializers.h"
#include "framework/ui/Runtime.h"
#include "shell/Vantrex.h"

namespace {

TEST(StartUp, AnExceptionLeftByTheInitialisersSkipsTheWholeStartUp) {
    fw::testing::EnsureRuntimeForTests();
    fw::testing::EventRecorder recorder;
    bool loopRan = false;
    QTimer::singleShot(0, [&] {
        loopRan = true;
        fw::Quit(0);
    });
    bool finalised = false;
    fw::AddFinalizer([&] { finalised = true; });

    shell::Main(std::make_exception_ptr(fw::RuntimeException("bad class table")));
    fw::RunFinalizers();

    EXPECT_EQ(shell::App(), nullptr);
    EXPECT_TRUE(fw::OpenWindows().empty());
    EXPECT_FALSE(loopRan);
    EXPECT_EQ(recorder.Events(),
              std::vector<std::string>{"msgbox: Unhandled RuntimeException: bad class table"});
    EXPECT_TRUE(finalised);
    EXPECT_NE(fw::RuntimeExit(), 0);  // the status tells of the failure
}

}  // namespace
