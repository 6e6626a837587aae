#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTest>
#include <QTimer>

#include "HostWnd.h"
#include "framework/testing/TestRuntime.h"
#include "framework/ui/Canvas.h"
#include "framework/ui/Delegate.h"
#include "framework/ui/Label.h"
#include "framework/ui/Timer.h"

namespace {

using fw::Cast;
using fw::Ref;

Ref<uitest::HostWnd> MainWindow() {
    Ref<fw::Window> window = fw::GetImplicitWindow("HostWnd.HostWnd");
    if (!window) {
        return uitest::HostWnd::Make();
    }
    return Cast<uitest::HostWnd>(window);
}

// A small title-less window that hands over to the main window on its timer, a press or a key,
// as the About window does.
class SplashWnd : public fw::Window {
  public:
    static const fw::ClassRecord& Record() {
        static const fw::ClassRecord record(fw::ClassRecord::Builder("SplashWnd.SplashWnd",
                                                                     &fw::Window::Record(),
                                                                     fw::AllocatorOf<SplashWnd>())
                                                .Event("Layout", &SplashWnd::Layout)
                                                .Event("CreateControls", &SplashWnd::CreateControls)
                                                .Event("MouseDown", &SplashWnd::Event_MouseDown)
                                                .Event("KeyDown", &SplashWnd::Event_KeyDown));
        return record;
    }

    static Ref<SplashWnd> Accessor() {
        Ref<fw::Window> window = fw::GetImplicitWindow("SplashWnd.SplashWnd");
        if (!window) {
            window = Cast<fw::Window>(Record().New());
            window->Constructor();
        }
        return Cast<SplashWnd>(window);
    }

    void Layout() {
        fw::SetProperties(shared_from_this(), fw::PropertyListBuilder()
                                                  .Integer("Width", 249)
                                                  .Integer("Height", 200)
                                                  .Integer("Type", 2)
                                                  .Text("Title", "")
                                                  .Boolean("HasCloseButton", false)
                                                  .Boolean("Resizeable", false)
                                                  .Boolean("Visible", true)
                                                  .Build());
    }

    void CreateControls() {
        Ref<fw::Object> graph = New(fw::Canvas::Record());
        Cast<fw::Canvas>(graph)->Constructor();
        AddControl("Graph", graph);
        Cast<fw::Canvas>(ControlByName("Graph"))->SetBounds(51, 42, 147, 115);
        Ref<fw::Object> notice = New(fw::Label::Record());
        AddControl("StaticText2", notice);
        Ref<fw::Object> timer = New(fw::Timer::Record());
        AddControl("Timer1", timer);
        fw::SetProperties(
            ControlByName("Timer1"),
            fw::PropertyListBuilder().Integer("Period", period).Integer("RunMode", 1).Build());
        Cast<fw::Timer>(ControlByName("Timer1"))
            ->AddEventHandler(0, fw::MakeDelegate(&SplashWnd::Timer1_Action, *this, "( Timer )"));
    }

    void HandOff() {
        ++handOffs;
        fw::NotNil(Accessor())->Hide();
        fw::NotNil(MainWindow())->Show();
    }
    void Timer1_Action(const Ref<fw::Timer>&) { HandOff(); }
    bool Event_MouseDown(std::int64_t, std::int64_t) {
        HandOff();
        return false;
    }
    bool Event_KeyDown(const fw::String&) {
        HandOff();
        return false;
    }

    inline static std::int64_t period = 60;
    int handOffs = 0;
};

void Wait(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

class SplashHandOff : public ::testing::Test {
  protected:
    void SetUp() override { fw::testing::EnsureRuntimeForTests(); }
    void TearDown() override {
        fw::CloseAllWindowsSilently();
        SplashWnd::period = 60;
    }
};

TEST_F(SplashHandOff, SplashShowsOnItsOwnAndItsTimerHandsOverOnce) {
    Ref<SplashWnd> splash = SplashWnd::Accessor();
    EXPECT_TRUE(splash->IsShown());
    EXPECT_EQ(splash->Content()->size(), QSize(249, 200));
    EXPECT_EQ(fw::GetImplicitWindow("HostWnd.HostWnd"), nullptr);
    Wait(300);
    EXPECT_EQ(splash->handOffs, 1);
    EXPECT_FALSE(splash->IsShown());
    EXPECT_EQ(fw::GetImplicitWindow("SplashWnd.SplashWnd"), splash);  // hidden, not closed
    Ref<uitest::HostWnd> main = MainWindow();
    EXPECT_TRUE(main->IsShown());
    EXPECT_EQ(MainWindow(), main);
}

TEST_F(SplashHandOff, PressOnItsPictureOrAKeyHandsOverAtOnce) {
    SplashWnd::period = 100000;
    Ref<SplashWnd> splash = SplashWnd::Accessor();
    Ref<fw::Object> graph = splash->ControlByName("Graph");
    QTest::mouseClick(Cast<fw::Canvas>(graph)->Widget(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(splash->handOffs, 1);
    EXPECT_FALSE(splash->IsShown());
    Ref<uitest::HostWnd> main = MainWindow();
    EXPECT_TRUE(main->IsShown());

    // Shown again later, it stays until a key is pressed in it.
    splash->Show();
    Wait(50);
    EXPECT_TRUE(splash->IsShown());
    QTest::keyClick(splash->Widget(), Qt::Key_Space);
    EXPECT_EQ(splash->handOffs, 2);
    EXPECT_FALSE(splash->IsShown());
    EXPECT_EQ(MainWindow(), main);
}

}  // namespace
