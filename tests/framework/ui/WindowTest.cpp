#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <string>
#include <vector>

#include "HostWnd.h"
#include "framework/testing/EventRecorder.h"
#include "framework/ui/DialogOwner.h"
#include "framework/ui/Label.h"

namespace {

using fw::Cast;
using fw::Ref;
using uitest::HostWnd;
using Windows = uitest::WindowTest;

// The window lays itself out, then makes its controls, before the constructor returns; a name is
// taken once, and only by a control of the window's own.
TEST_F(Windows, ConstructorMakesTheWindowAndItsControlsBeforeItReturns) {
    HostWnd::createControls = [](HostWnd& window) { window.Add<fw::TextArea>("Area"); };
    auto window = Cast<HostWnd>(HostWnd::Record().New());
    window->Constructor();
    EXPECT_EQ(window->log,
              (std::vector<std::string>{"Layout", "CreateControls", "AddMenuHandlers"}));
    EXPECT_NE(Cast<fw::TextArea>(window->ControlByName("Area")), nullptr);
    EXPECT_THROW(window->AddControl("Area", window->New(fw::Label::Record())),
                 fw::RuntimeException);
    EXPECT_THROW(window->AddControl("Stray", fw::Label::Record().New()), fw::RuntimeException);
    EXPECT_THROW(window->AddControl("Nil", nullptr), fw::NilObjectException);
    EXPECT_THROW(window->New(fw::Window::Record()), fw::IllegalCastException);
    EXPECT_EQ(window->ControlByName("Stray"), nullptr);
}

TEST_F(Windows, ClosedItIsGoneAndAnExceptionWhileBuildingLeavesNoWindow) {
    Ref<HostWnd> window = HostWnd::Make();
    EXPECT_EQ(fw::GetImplicitWindow("HostWnd.HostWnd"), window);
    window->Close();
    EXPECT_EQ(window->log, std::vector<std::string>{"Close"});
    EXPECT_EQ(fw::GetImplicitWindow("HostWnd.HostWnd"), nullptr);

    HostWnd::createControls = [](HostWnd&) { throw fw::NilObjectException("no picture"); };
    window = Cast<HostWnd>(HostWnd::Record().New());
    EXPECT_THROW(window->Constructor(), fw::NilObjectException);
    EXPECT_EQ(fw::GetImplicitWindow("HostWnd.HostWnd"), nullptr);
    EXPECT_FALSE(window->IsShown());
}

// A window larger than the screen opens with its top-left corner on it, where its title bar and
// menu bar stay in reach, whatever size Qt gives a window not yet shown.
TEST_F(Windows, OneLargerThanTheScreenOpensWithItsTopLeftCornerOnIt) {
    HostWnd::createControls = [](HostWnd& window) {
        fw::SetProperties(window.shared_from_this(), fw::PropertyListBuilder()
                                                         .Integer("Width", 3000)
                                                         .Integer("Height", 2000)
                                                         .Boolean("Resizeable", false)
                                                         .Build());
    };
    Ref<HostWnd> window = HostWnd::Make();
    EXPECT_EQ(window->Widget()->frameGeometry().topLeft(),
              window->Widget()->screen()->availableGeometry().topLeft());
}

// A dialog speaks for the window whose code opens it: the window of the control whose event runs,
// also once a call for another window has run inside that code (as in a message box's own loop),
// and the active window once that one is hidden or outside any call.
TEST_F(Windows, ADialogSpeaksForTheWindowWhoseCodeOpensIt) {
    Ref<HostWnd> first = HostWnd::Make();
    Ref<HostWnd> second = HostWnd::Make();
    auto firstButton = first->Add<fw::PushButton>("Button");
    auto secondButton = second->Add<fw::PushButton>("Button");
    for (const auto& button : {firstButton, secondButton}) {
        // Both handled by the second window's code: the control's window is the one spoken for.
        button->AddEventHandler(fw::PushButton::kAction,
                                MakeDelegate(&HostWnd::Pushed, *second, "( PushButton )"));
    }
    std::vector<QWidget*> owners;
    bool nested = false;
    second->onPush = [&] {
        owners.push_back(fw::DialogOwner());
        if (!nested) {
            nested = true;
            secondButton->Push();
            owners.push_back(fw::DialogOwner());
            first->Hide();
            owners.push_back(fw::DialogOwner());
        }
    };
    firstButton->Push();
    owners.push_back(fw::DialogOwner());
    EXPECT_EQ(owners,
              (std::vector<QWidget*>{first->Widget(), second->Widget(), first->Widget(),
                                     QApplication::activeWindow(), QApplication::activeWindow()}));
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
    EXPECT_EQ(kept->log, std::vector<std::string>{});
}

}  // namespace
