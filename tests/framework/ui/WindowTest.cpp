#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QSpontaneKeyEvent>
#include <QWidget>
#include <algorithm>
#include <string>
#include <vector>

#include "HostWnd.h"
#include "framework/testing/EventRecorder.h"
#include "framework/ui/Label.h"

namespace {

using fw::Cast;
using fw::Ref;
using uitest::HostWnd;

// The accessor the system writes for each window class.
Ref<HostWnd> Accessor() {
    if (Ref<fw::Window> window = fw::GetImplicitWindow("HostWnd.HostWnd")) {
        return Cast<HostWnd>(window);
    }
    return HostWnd::Make();
}

fw::String List(bool visible, bool resizeable, bool closeButton = true) {
    return fw::PropertyListBuilder()
        .Integer("Width", 200)
        .Integer("Height", 120)
        .Boolean("HasCloseButton", closeButton)
        .Boolean("Resizeable", resizeable)
        .Boolean("Visible", visible)
        .Build();
}

using Windows = uitest::WindowTest;

TEST_F(Windows, ConstructorMakesTheWindowAndItsControlsBeforeItReturns) {
    HostWnd::layout = List(false, true);
    Ref<fw::Object> before;
    HostWnd::createControls = [&](HostWnd& window) {
        before = window.ControlByName("Area");
        window.AddControl("Area", window.New(fw::TextArea::Record()));
        window.AddControl("Caption", window.New(fw::Label::Record()));
    };
    Ref<HostWnd> window = Accessor();
    EXPECT_EQ(window->log,
              (std::vector<std::string>{"Layout", "CreateControls", "AddMenuHandlers self"}));
    EXPECT_EQ(before, nullptr);  // nil before the controls exist
    EXPECT_EQ(window->Width(), 200);
    EXPECT_FALSE(window->IsShown());

    Ref<fw::TextArea> area = Cast<fw::TextArea>(window->ControlByName("Area"));
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(area->Name(), "Area");
    EXPECT_EQ(area->ParentWindow(), window);
    EXPECT_EQ(window->ControlByName("Nothing"), nullptr);
    EXPECT_THROW(Cast<fw::PushButton>(window->ControlByName("Caption")), fw::IllegalCastException);
    // Names are taken once, and only the window's own controls are registered.
    EXPECT_THROW(window->AddControl("Area", window->New(fw::Label::Record())),
                 fw::RuntimeException);
    EXPECT_THROW(window->AddControl("Stray", fw::Label::Record().New()), fw::RuntimeException);
    EXPECT_THROW(window->AddControl("Nil", nullptr), fw::NilObjectException);
    EXPECT_THROW(window->New(fw::Window::Record()), fw::IllegalCastException);
    EXPECT_EQ(window->ControlByName("Stray"), nullptr);
}

TEST_F(Windows, HiddenItIsStillFoundClosedItIsGone) {
    Ref<HostWnd> window = Accessor();
    EXPECT_TRUE(window->IsShown());
    EXPECT_EQ(Accessor(), window);
    window->Hide();
    EXPECT_FALSE(window->IsShown());
    EXPECT_EQ(Accessor(), window);
    window->Show();
    EXPECT_TRUE(window->IsShown());
    window->Close();
    EXPECT_EQ(window->log.back(), "Close");
    EXPECT_EQ(fw::GetImplicitWindow("HostWnd.HostWnd"), nullptr);
    EXPECT_NE(Accessor(), window);  // the accessor builds a new one
}

TEST_F(Windows, NotResizeableItKeepsItsContentSize) {
    HostWnd::layout = List(true, false);
    Ref<HostWnd> window = Accessor();
    EXPECT_EQ(window->Content()->size(), QSize(200, 120));
    EXPECT_EQ(window->Widget()->minimumSize(), window->Widget()->maximumSize());
    EXPECT_FALSE(window->Widget()->windowFlags() & Qt::WindowMaximizeButtonHint);
}

// The window manager's request to close (a spontaneous close event) is refused by a window
// without a close button; the program's own Close still closes it.
TEST_F(Windows, WithoutCloseButtonOnlyTheProgramClosesIt) {
    HostWnd::layout = List(true, false, false);
    Ref<HostWnd> window = Accessor();
    QCloseEvent request;
    QSpontaneKeyEvent::setSpontaneous(&request);
    QApplication::instance()->notify(window->Widget(), &request);
    EXPECT_FALSE(request.isAccepted());
    EXPECT_TRUE(window->IsShown());
    window->Close();
    EXPECT_FALSE(window->IsShown());
    EXPECT_EQ(fw::GetImplicitWindow("HostWnd.HostWnd"), nullptr);
}

TEST_F(Windows, AnExceptionWhileBuildingPassesToTheCallerAndNoWindowIsHeld) {
    HostWnd::createControls = [](HostWnd&) { throw fw::NilObjectException("no picture"); };
    auto window = Cast<HostWnd>(HostWnd::Record().New());
    EXPECT_THROW(window->Constructor(), fw::NilObjectException);
    EXPECT_EQ(fw::GetImplicitWindow("HostWnd.HostWnd"), nullptr);
    EXPECT_FALSE(window->IsShown());
}

// The exit step lets go of the windows. The focus must not move on to another area while the
// focused one goes: that one's handler's window is gone, and the step would stop at the
// message that says so.
TEST_F(Windows, LettingGoOfAllWindowsRaisesNoEvent) {
    fw::testing::EventRecorder recorder;
    HostWnd::createControls = [](HostWnd& window) {
        window.Add<fw::TextArea>("First");
        window.Add<fw::TextArea>("Second")->AddEventHandler(
            fw::TextArea::kGotFocus, fw::MakeDelegate(&HostWnd::Focused, window, "( TextArea )"));
    };
    const Ref<HostWnd> kept = HostWnd::Make();
    Ref<HostWnd> window = HostWnd::Make();
    QApplication::setActiveWindow(window->Widget());
    Cast<fw::TextArea>(window->ControlByName("First"))->SetFocus();
    recorder.Clear();
    window.reset();
    fw::CloseAllWindowsSilently();
    EXPECT_EQ(recorder.Events(), std::vector<std::string>{});
    EXPECT_EQ(std::count(kept->log.begin(), kept->log.end(), "Close"), 0);
}

}  // namespace
