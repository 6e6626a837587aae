#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QSpontaneKeyEvent>
#include <QWidget>
#include <string>
#include <vector>

#include "framework/core/Exceptions.h"
#include "framework/testing/EventRecorder.h"
#include "framework/testing/TestRuntime.h"
#include "framework/ui/Delegate.h"
#include "framework/ui/Label.h"
#include "framework/ui/PropertyList.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/TextArea.h"
#include "framework/ui/Timer.h"
#include "framework/ui/Window.h"

namespace {

using fw::Cast;
using fw::Ref;

// A small window class built as the system builds its windows.
class SmallWnd : public fw::Window {
  public:
    static const fw::ClassRecord& Record() {
        static const fw::ClassRecord record(
            fw::ClassRecord::Builder("SmallWnd.SmallWnd", &fw::Window::Record(),
                                     fw::AllocatorOf<SmallWnd>())
                .Event("Layout", &SmallWnd::Layout)
                .Event("CreateControls", &SmallWnd::CreateControls));
        return record;
    }

    static fw::String WindowList(bool visible, bool resizeable) {
        return fw::PropertyListBuilder()
            .Integer("Width", 200)
            .Integer("Height", 120)
            .Integer("Type", 0)
            .Text("Title", "Small")
            .Boolean("Resizeable", resizeable)
            .Boolean("Visible", visible)
            .Build();
    }

    void Layout() {
        steps.push_back("Layout");
        accessorBeforeControls = Area();
        fw::SetProperties(shared_from_this(), WindowList(visible, resizeable));
    }

    void CreateControls() {
        steps.push_back("CreateControls");
        AddControl("Area", New(fw::TextArea::Record()));
        AddControl("Caption", New(fw::Label::Record()));
        AddControl("Ticker", New(fw::Timer::Record()));
    }

    Ref<fw::TextArea> Area() { return Cast<fw::TextArea>(ControlByName("Area")); }
    Ref<fw::PushButton> CaptionAsButton() { return Cast<fw::PushButton>(ControlByName("Caption")); }

    inline static bool visible = false;
    inline static bool resizeable = false;
    std::vector<std::string> steps;
    Ref<fw::TextArea> accessorBeforeControls;
};

// The accessor the system writes for each window class.
Ref<SmallWnd> SmallWndAccessor() {
    Ref<fw::Window> window = fw::GetImplicitWindow("SmallWnd.SmallWnd");
    if (!window) {
        window = Cast<fw::Window>(SmallWnd::Record().New());
        window->Constructor();
    }
    return Cast<SmallWnd>(window);
}

class Windows : public ::testing::Test {
  protected:
    void SetUp() override { fw::testing::EnsureRuntimeForTests(); }
    void TearDown() override {
        fw::CloseAllWindowsSilently();
        SmallWnd::visible = false;
        SmallWnd::resizeable = false;
    }
};

TEST_F(Windows, ConstructorRaisesLayoutThenCreateControlsBeforeItReturns) {
    Ref<SmallWnd> window = SmallWndAccessor();
    EXPECT_EQ(window->steps, (std::vector<std::string>{"Layout", "CreateControls"}));
    EXPECT_EQ(window->accessorBeforeControls, nullptr);  // nil before the controls exist
    EXPECT_EQ(window->Width(), 200);
    EXPECT_EQ(window->Title(), "Small");
}

TEST_F(Windows, ControlsAreFoundByNameAndCastToTheirClass) {
    Ref<SmallWnd> window = SmallWndAccessor();
    Ref<fw::TextArea> area = window->Area();
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(area->Name(), "Area");
    EXPECT_EQ(window->Area(), area);  // the same object on every call
    EXPECT_EQ(area->ParentWindow(), window);
    EXPECT_NE(Cast<fw::Timer>(window->ControlByName("Ticker")), nullptr);
    EXPECT_EQ(window->ControlByName("Nothing"), nullptr);
    EXPECT_THROW(window->CaptionAsButton(), fw::IllegalCastException);
}

TEST_F(Windows, ImplicitWindowIsMadeOnceAndFoundByClassName) {
    Ref<SmallWnd> first = SmallWndAccessor();
    Ref<SmallWnd> second = SmallWndAccessor();
    EXPECT_EQ(first, second);
    EXPECT_EQ(fw::GetImplicitWindow("SmallWnd.SmallWnd"), first);
    EXPECT_EQ(fw::GetImplicitWindow("OtherWnd.OtherWnd"), nullptr);
}

TEST_F(Windows, RegistryRefusesTakenNamesAndForeignControls) {
    Ref<SmallWnd> window = SmallWndAccessor();
    EXPECT_THROW(window->AddControl("Area", window->New(fw::Label::Record())),
                 fw::RuntimeException);
    auto stray = Cast<fw::Label>(fw::Label::Record().New());
    EXPECT_THROW(window->AddControl("Stray", stray), fw::RuntimeException);
    EXPECT_THROW(window->AddControl("Nil", nullptr), fw::NilObjectException);
    EXPECT_THROW(window->New(fw::Window::Record()), fw::IllegalCastException);
    EXPECT_EQ(window->ControlByName("Stray"), nullptr);
}

TEST_F(Windows, ListThatSetsVisibleShowsTheWindowAndHideKeepsItOpen) {
    SmallWnd::visible = true;
    Ref<SmallWnd> window = SmallWndAccessor();
    EXPECT_TRUE(window->IsShown());
    window->Hide();
    EXPECT_FALSE(window->IsShown());
    EXPECT_EQ(fw::GetImplicitWindow("SmallWnd.SmallWnd"), window);
    window->Show();
    EXPECT_TRUE(window->IsShown());
}

TEST_F(Windows, WindowThatIsNotResizeableKeepsItsContentSize) {
    SmallWnd::visible = true;
    Ref<SmallWnd> window = SmallWndAccessor();
    EXPECT_EQ(window->Content()->size(), QSize(200, 120));
    EXPECT_EQ(window->Widget()->minimumSize(), window->Widget()->maximumSize());
    EXPECT_FALSE(window->Widget()->windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(Windows, ClosingRaisesCloseAndLetsTheWindowGo) {
    Ref<SmallWnd> window = SmallWndAccessor();
    window->Show();
    window->Close();
    EXPECT_FALSE(window->IsShown());
    EXPECT_EQ(fw::GetImplicitWindow("SmallWnd.SmallWnd"), nullptr);
    EXPECT_NE(SmallWndAccessor(), window);  // the accessor builds a new one
}

// A window without a close button refuses the window manager's request to close it (the
// platform's close event, a spontaneous one); the program's own Close still closes it.
TEST_F(Windows, WindowWithoutCloseButtonRefusesOnlyTheUsersClose) {
    Ref<SmallWnd> window = SmallWndAccessor();
    fw::SetProperties(window, fw::PropertyListBuilder().Boolean("HasCloseButton", false).Build());
    window->Show();
    QCloseEvent request;
    QSpontaneKeyEvent::setSpontaneous(&request);
    QApplication::instance()->notify(window->Widget(), &request);
    EXPECT_FALSE(request.isAccepted());
    EXPECT_TRUE(window->IsShown());
    EXPECT_EQ(fw::GetImplicitWindow("SmallWnd.SmallWnd"), window);
    window->Close();
    EXPECT_FALSE(window->IsShown());
    EXPECT_EQ(fw::GetImplicitWindow("SmallWnd.SmallWnd"), nullptr);
}

// A window whose building fails halfway.
class BrokenWnd : public fw::Window {
  public:
    static const fw::ClassRecord& Record() {
        static const fw::ClassRecord record(
            fw::ClassRecord::Builder("BrokenWnd.BrokenWnd", &fw::Window::Record(),
                                     fw::AllocatorOf<BrokenWnd>())
                .Event("CreateControls", &BrokenWnd::CreateControls));
        return record;
    }
    void CreateControls() {
        AddControl("First", New(fw::Label::Record()));
        throw fw::NilObjectException("no picture");
    }
};

TEST_F(Windows, ExceptionWhileBuildingPassesToTheCallerAndNoWindowIsHeld) {
    auto window = Cast<fw::Window>(BrokenWnd::Record().New());
    EXPECT_THROW(window->Constructor(), fw::NilObjectException);
    EXPECT_NE(window->ControlByName("First"), nullptr);  // what was made stays with it
    EXPECT_EQ(fw::GetImplicitWindow("BrokenWnd.BrokenWnd"), nullptr);
    EXPECT_FALSE(window->IsShown());
}

// A window with two text areas that counts the focus the second one gets.
class FocusWnd : public fw::Window {
  public:
    static const fw::ClassRecord& Record() {
        static const fw::ClassRecord record(
            fw::ClassRecord::Builder("FocusWnd.FocusWnd", &fw::Window::Record(),
                                     fw::AllocatorOf<FocusWnd>())
                .Event("Layout", &FocusWnd::Layout)
                .Event("CreateControls", &FocusWnd::CreateControls));
        return record;
    }
    void Layout() { fw::SetProperties(shared_from_this(), SmallWnd::WindowList(true, false)); }
    void CreateControls() {
        for (const char* name : {"First", "Second"}) {
            auto area = Cast<fw::TextArea>(New(fw::TextArea::Record()));
            area->Constructor();
            AddControl(name, area);
        }
        Cast<fw::TextArea>(ControlByName("Second"))
            ->AddEventHandler(fw::TextArea::kGotFocus,
                              fw::MakeDelegate(&FocusWnd::Second_GotFocus, *this, "( TextArea )"));
    }
    void Second_GotFocus(const Ref<fw::TextArea>&) { ++focused; }
    int focused = 0;
};

TEST_F(Windows, LettingGoOfAllWindowsRaisesNoEventOfTheirControls) {
    fw::testing::EventRecorder recorder;
    auto window = Cast<FocusWnd>(FocusWnd::Record().New());
    window->Constructor();
    QApplication::setActiveWindow(window->Widget());
    Cast<fw::TextArea>(window->ControlByName("First"))->SetFocus();
    ASSERT_TRUE(Cast<fw::TextArea>(window->ControlByName("First"))->HasFocus());
    recorder.Clear();
    window.reset();
    // The focus must not move on to the second area while the first one goes: its handler's
    // window is gone, and the exit step would stop at the message that says so.
    fw::CloseAllWindowsSilently();
    EXPECT_EQ(recorder.Events(), std::vector<std::string>{});
}

}  // namespace
