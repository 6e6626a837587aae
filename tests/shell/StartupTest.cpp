#include "ShellFixture.h"
#include "framework/core/Exceptions.h"
#include "framework/ui/Application.h"
#include "framework/ui/Initializers.h"
#include "framework/ui/Runtime.h"
#include "shell/Vantrex.h"

// The whole start-up as the program runs it, in this process. Each case ends with the exit step,
// so the cases are best run one process each (as CTest does).

namespace {

// What the program saw from inside its event loop.
struct Seen {
    bool ran = false;
    std::size_t windows = 0;
    bool aboutShown = false;
    bool mainExists = true;
    bool appHasTheBar = false;
};

TEST(StartUp, OpensTheAboutWindowAloneRunsTheLoopAndExitsWithZero) {
    fw::testing::EnsureRuntimeForTests();
    fw::testing::EventRecorder recorder;
    Seen seen;
    QTimer::singleShot(100, [&] {
        seen.ran = true;
        seen.windows = fw::OpenWindows().size();
        fw::Ref<fw::Window> about = fw::GetImplicitWindow("AboutWnd.AboutWnd");
        seen.aboutShown = about && about->IsShown();
        seen.mainExists = fw::GetImplicitWindow("ControlWnd.ControlWnd") != nullptr;
        seen.appHasTheBar = shell::App() && shell::App()->MenuBar() == shell::Menu();
        fw::Quit(0);
    });

    shell::AddInitializers();
    EXPECT_EQ(fw::RunInitializers(), nullptr);
    EXPECT_EQ(shell::classes::Menu::implicitInstance, nullptr);
    shell::Main();
    EXPECT_EQ(fw::RunFinalizers(), nullptr);

    EXPECT_TRUE(seen.ran);
    EXPECT_EQ(seen.windows, 1u);
    EXPECT_TRUE(seen.aboutShown);
    EXPECT_FALSE(seen.mainExists);
    EXPECT_TRUE(seen.appHasTheBar);
    EXPECT_TRUE(fw::Application::SupportsHiDPI());
    EXPECT_EQ(recorder.Events(), std::vector<std::string>{});
    EXPECT_EQ(fw::RuntimeExit(), 0);
}

TEST(StartUp, AnExceptionLeftByTheInitialisersSkipsTheWholeStartUp) {
    fw::testing::EnsureRuntimeForTests();
    fw::testing::EventRecorder recorder;
    fw::RuntimeRegisterAppObject(nullptr);
    bool loopRan = false;
    QTimer::singleShot(0, [&] {
        loopRan = true;
        fw::Quit(0);
    });

    shell::Main(std::make_exception_ptr(fw::RuntimeException("bad class table")));

    EXPECT_EQ(shell::App(), nullptr);
    EXPECT_TRUE(fw::OpenWindows().empty());
    EXPECT_EQ(recorder.Events(),
              std::vector<std::string>{"msgbox: Unhandled RuntimeException: bad class table"});
    // The finalisers and the exit step still run; the status tells of the failure.
    bool finalised = false;
    fw::AddFinalizer([&] { finalised = true; });
    fw::RunFinalizers();
    EXPECT_TRUE(finalised);
    EXPECT_FALSE(loopRan);
    EXPECT_NE(fw::RuntimeExit(), 0);
}

}  // namespace
