#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include "ShellFixture.h"
#include "framework/core/Text.h"
#include "framework/ui/Canvas.h"
#include "framework/ui/Label.h"
#include "framework/ui/Timer.h"
#include "shell/AboutLayout.h"

namespace {

using shelltest::About;
using shelltest::OpenWindowsOf;
using shelltest::Wait;
using shelltest::WaitUntil;

constexpr const char* kAbout = "AboutWnd.AboutWnd";
constexpr const char* kMain = "ControlWnd.ControlWnd";

using AboutWindow = shelltest::ShellTest;

TEST_F(AboutWindow, ItsListsHaveTheirExactLengths) {
    EXPECT_EQ(shell::AboutWndPropertyList().ByteCount(), 367u);
    const auto controls = shell::AboutWndControls();
    ASSERT_EQ(controls.size(), 4u);
    EXPECT_EQ(controls[0].properties.ByteCount(), 307u);
    EXPECT_EQ(controls[1].properties.ByteCount(), 309u);
    EXPECT_EQ(controls[2].properties.ByteCount(), 479u);
    EXPECT_EQ(controls[3].properties.ByteCount(), 31u);
    // The notice: one line of 53 characters, 54 bytes, opening with the copyright sign.
    fw::String notice(shell::kAboutNotice);
    EXPECT_EQ(fw::Len(notice), 53);
    EXPECT_EQ(notice.ByteCount(), 54u);
    EXPECT_EQ(shell::kAboutNotice.substr(0, 2), "\xC2\xA9");
}

TEST_F(AboutWindow, OpensShownOnItsOwnWithItsFourControls) {
    fw::Ref<shell::classes::AboutWnd> about = About();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->IsShown());  // its list made it visible; nobody called Show
    EXPECT_EQ(about->Content()->size(), QSize(249, 200));
    EXPECT_EQ(about->Type(), 2);
    EXPECT_EQ(about->Title(), "");
    EXPECT_FALSE(about->HasCloseButton());
    EXPECT_FALSE(about->Resizeable());
    EXPECT_FALSE(about->ShowsMenuBar());
    EXPECT_EQ(fw::OpenWindows().size(), 1u);
    EXPECT_EQ(OpenWindowsOf(kMain), 0);
    EXPECT_EQ(About(), about);
    // Without a frame, it stands out from a white window behind it by a grey line along its edge,
    // drawn over its pictures.
    const QImage look = about->Content()->grab().toImage();
    for (QPoint edge : {QPoint(0, 100), QPoint(248, 100), QPoint(124, 0), QPoint(124, 199)}) {
        EXPECT_EQ(look.pixelColor(edge), QColor(128, 128, 128)) << edge.x() << "," << edge.y();
    }

    fw::Ref<fw::Canvas> graph = about->Graph();
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(
        std::vector<std::int64_t>({graph->Left(), graph->Top(), graph->Width(), graph->Height()}),
        std::vector<std::int64_t>({51, 42, 147, 115}));
    EXPECT_NE(graph->Backdrop(), nullptr);
    fw::Ref<fw::Canvas> title = about->Canvas2();
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(
        std::vector<std::int64_t>({title->Left(), title->Top(), title->Width(), title->Height()}),
        std::vector<std::int64_t>({0, -2, 244, 30}));
    EXPECT_NE(title->Backdrop(), nullptr);
    EXPECT_NE(title->Backdrop(), graph->Backdrop());

    fw::Ref<fw::Label> notice = about->StaticText2();
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(notice->Text().View(), shell::kAboutNotice);
    EXPECT_EQ(notice->FontName(), "System");
    EXPECT_EQ(notice->FontSize(), 7.0);
    EXPECT_EQ(notice->TextAlignment(), 2);
    EXPECT_EQ(notice->TextColor(), (fw::Color{0x55, 0x55, 0x55, 0}));

    fw::Ref<fw::Timer> timer = about->Timer1();
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->ClassName(), "AboutWnd._wrapper_Timer1");
    EXPECT_EQ(timer->Period(), 4000);
    EXPECT_EQ(timer->RunMode(), fw::Timer::kSingle);
    EXPECT_TRUE(timer->HasEventHandler(fw::Timer::kAction));
    EXPECT_EQ(timer->ParentWindow(), about);
}

TEST_F(AboutWindow, AnswersForItsFourWindowEventsOnly) {
    fw::Ref<shell::classes::AboutWnd> about = About();
    for (const char* event : {"Layout", "CreateControls", "KeyDown", "MouseDown"}) {
        EXPECT_TRUE(about->IsEventImplemented(event)) << event;
    }
    for (const char* event : {"Open", "Close", "Activate", "AddMenuHandlers", "EnableMenuItems"}) {
        EXPECT_FALSE(about->IsEventImplemented(event)) << event;
    }
}

TEST_F(AboutWindow, APressAnywhereInItHandsOverAtOnce) {
    fw::Ref<shell::classes::AboutWnd> about = About();
    // On the middle picture, which covers much of the window.
    QTest::mouseClick(about->Graph()->Widget(), Qt::LeftButton, {}, QPoint(70, 50));
    EXPECT_FALSE(about->IsShown());
    EXPECT_EQ(fw::GetImplicitWindow(kAbout), about);  // hidden, not closed
    fw::Ref<main_window::ControlWnd> main = main_window::accessors::ControlWnd();
    EXPECT_TRUE(main->IsShown());
    EXPECT_EQ(OpenWindowsOf(kMain), 1);

    // Shown again (as the About menu item does), a press on the notice or the title hands over
    // once more, to the same main window.
    about->Show();
    ASSERT_TRUE(about->IsShown());
    QTest::mouseClick(about->StaticText2()->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(about->IsShown());
    about->Show();
    QTest::mouseClick(about->Canvas2()->Widget(), Qt::LeftButton, {}, QPoint(100, 10));
    EXPECT_FALSE(about->IsShown());
    about->Show();
    QTest::mouseClick(about->Content(), Qt::LeftButton, {}, QPoint(5, 195));
    EXPECT_FALSE(about->IsShown());
    EXPECT_TRUE(main->IsShown());
    EXPECT_EQ(OpenWindowsOf(kMain), 1);
    EXPECT_EQ(OpenWindowsOf(kAbout), 1);
}

TEST_F(AboutWindow, AKeyInItHandsOverAndIsNotClaimed) {
    fw::Ref<shell::classes::AboutWnd> about = About();
    QTest::keyClick(about->Widget(), Qt::Key_A);
    EXPECT_FALSE(about->IsShown());
    EXPECT_TRUE(main_window::accessors::ControlWnd()->IsShown());
    // Any key but a modifier alone, the keys that type nothing too.
    const auto press = [&](Qt::Key key) {
        QKeyEvent event(QEvent::KeyPress, key, {}, key == Qt::Key_Escape ? "\x1b" : "");
        QApplication::sendEvent(about->Widget(), &event);
    };
    for (Qt::Key key : {Qt::Key_F1, Qt::Key_Home, Qt::Key_Left, Qt::Key_Up, Qt::Key_Right,
                        Qt::Key_Down, Qt::Key_Escape}) {
        about->Show();
        press(key);
        EXPECT_FALSE(about->IsShown()) << QKeySequence(key).toString().toStdString();
    }
    about->Show();
    for (Qt::Key key : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt, Qt::Key_AltGr, Qt::Key_Meta,
                        Qt::Key_CapsLock}) {
        press(key);
        EXPECT_TRUE(about->IsShown()) << QKeySequence(key).toString().toStdString();
    }
    // The handlers answer False whatever they are given.
    about->Show();
    EXPECT_FALSE(about->Event_KeyDown("x"));
    EXPECT_FALSE(about->IsShown());
    about->Show();
    EXPECT_FALSE(about->Event_MouseDown(-5, 1000));
    EXPECT_FALSE(about->IsShown());
    EXPECT_EQ(OpenWindowsOf(kMain), 1);
}

TEST_F(AboutWindow, ItsTimerHandsOverAfterFourSecondsOnce) {
    fw::Ref<shell::classes::AboutWnd> about = About();
    Wait(3000);
    EXPECT_TRUE(about->IsShown());
    EXPECT_EQ(OpenWindowsOf(kMain), 0);
    ASSERT_TRUE(WaitUntil([&] { return !about->IsShown(); }, 3000));
    EXPECT_EQ(fw::GetImplicitWindow(kAbout), about);
    fw::Ref<main_window::ControlWnd> main = main_window::accessors::ControlWnd();
    EXPECT_TRUE(main->IsShown());
    EXPECT_EQ(OpenWindowsOf(kMain), 1);
    // The single shot is spent: shown again, the window stays until a press in it.
    EXPECT_EQ(about->Timer1()->RunMode(), fw::Timer::kOff);
    about->Show();
    Wait(200);
    EXPECT_TRUE(about->IsShown());
    QTest::mouseClick(about->Graph()->Widget(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_FALSE(about->IsShown());
    EXPECT_EQ(OpenWindowsOf(kMain), 1);
}

TEST_F(AboutWindow, AfterAnEarlyHandOffTheTimerStillComesAndHandsOverAgain) {
    fw::Ref<shell::classes::AboutWnd> about = About();
    QTest::mouseClick(about->Graph()->Widget(), Qt::LeftButton, {}, QPoint(10, 10));
    fw::Ref<main_window::ControlWnd> main = main_window::accessors::ControlWnd();
    ASSERT_TRUE(main->IsShown());
    // The About item shows the window again before the timer's time is up; the timer's one
    // Action then hides it and shows the same main window.
    about->Show();
    EXPECT_EQ(about->Timer1()->RunMode(), fw::Timer::kSingle);
    ASSERT_TRUE(WaitUntil([&] { return !about->IsShown(); }, 6000));
    EXPECT_TRUE(main->IsShown());
    EXPECT_EQ(about->Timer1()->RunMode(), fw::Timer::kOff);
    EXPECT_EQ(OpenWindowsOf(kMain), 1);
    EXPECT_EQ(OpenWindowsOf(kAbout), 1);
}

}  // namespace
