// The About window: how it opens, and its three ways to the main window.
#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include "ShellFixture.h"
#include "framework/ui/Canvas.h"
#include "framework/ui/Label.h"
#include "framework/ui/Timer.h"
#include "shell/Pictures.h"

namespace {

using shelltest::About;

using AboutWindow = shelltest::ShellTest;

TEST_F(AboutWindow, OpensAloneWithItsPicturesNoticeAndTimer) {
    const fw::Ref<shell::classes::AboutWnd> about = About();
    EXPECT_TRUE(about->IsShown());  // its list made it visible; nobody called Show
    EXPECT_EQ(About(), about);
    EXPECT_EQ(fw::OpenWindows().size(), 1u);
    EXPECT_EQ(about->Content()->size(), QSize(249, 200));
    EXPECT_EQ(about->Type(), 2);
    EXPECT_EQ(about->Title(), "");
    EXPECT_FALSE(about->HasCloseButton() || about->Resizeable() || about->ShowsMenuBar());
    // Without a frame, it stands out from a white window behind it by a grey line along its edge,
    // drawn over its pictures.
    const QImage look = about->Content()->grab().toImage();
    for (QPoint edge : {QPoint(0, 100), QPoint(248, 100), QPoint(124, 0), QPoint(124, 199)}) {
        EXPECT_EQ(look.pixelColor(edge), QColor(128, 128, 128)) << edge.x() << "," << edge.y();
    }

    const struct {
        fw::Ref<fw::Canvas> canvas;
        std::vector<std::int64_t> place;
        fw::Ref<fw::Picture> picture;
    } canvases[] = {{about->Graph(), {51, 42, 147, 115}, shell::Parallel()},
                    {about->Canvas2(), {0, -2, 244, 30}, shell::SplashTitle()}};
    for (const auto& [canvas, place, picture] : canvases) {
        ASSERT_NE(canvas, nullptr);
        EXPECT_EQ((std::vector{canvas->Left(), canvas->Top(), canvas->Width(), canvas->Height()}),
                  place);
        EXPECT_EQ(canvas->Backdrop(), picture);
        EXPECT_NE(picture, nullptr);
    }
    const fw::Ref<fw::Label> notice = about->StaticText2();
    EXPECT_EQ(notice->Text(), "\xC2\xA9 2000 - 2020 Vantrex Analytics. All rights reserved.");
    EXPECT_EQ(notice->FontName(), "System");
    EXPECT_EQ(notice->FontSize(), 7.0);
    EXPECT_EQ(notice->TextAlignment(), 2);
    EXPECT_EQ(notice->TextColor(), (fw::Color{0x55, 0x55, 0x55, 0}));
    EXPECT_EQ(about->Timer1()->Period(), 4000);
    EXPECT_EQ(about->Timer1()->RunMode(), fw::Timer::kSingle);
}

TEST_F(AboutWindow, AKeyHandsOverButALoneModifierDoesNot) {
    const fw::Ref<shell::classes::AboutWnd> about = About();
    // Each key with its text, and whether it hands over.
    const std::tuple<Qt::Key, const char*, bool> keys[] = {
        {Qt::Key_A, "a", true},       {Qt::Key_F1, "", true},         {Qt::Key_Home, "", true},
        {Qt::Key_Left, "", true},     {Qt::Key_Up, "", true},         {Qt::Key_Right, "", true},
        {Qt::Key_Down, "", true},     {Qt::Key_Escape, "\x1b", true}, {Qt::Key_Shift, "", false},
        {Qt::Key_Control, "", false}, {Qt::Key_Alt, "", false},       {Qt::Key_AltGr, "", false},
        {Qt::Key_Meta, "", false},    {Qt::Key_CapsLock, "", false}};
    for (const auto& [key, text, handsOver] : keys) {
        SCOPED_TRACE(QKeySequence(key).toString().toStdString());
        about->Show();
        QKeyEvent event(QEvent::KeyPress, key, {}, text);
        QApplication::sendEvent(about->Widget(), &event);
        EXPECT_EQ(about->IsShown(), !handsOver);
    }
    EXPECT_EQ(fw::OpenWindows().size(), 2u);
    EXPECT_FALSE(about->Event_KeyDown("x"));  // the key goes on as usual
}

// A press hands over at once. The timer's one Action still comes, and hands over once more; then
// it is spent. Its period is shortened here: the end-to-end test waits the real four seconds.
TEST_F(AboutWindow, APressHandsOverAndTheTimerOnceMoreEvenAfterIt) {
    const fw::Ref<shell::classes::AboutWnd> about = About();
    about->Timer1()->SetPeriod(1000);
    QTest::mouseClick(about->Graph()->Widget(), Qt::LeftButton);
    ASSERT_FALSE(about->IsShown());
    EXPECT_EQ(fw::GetImplicitWindow("AboutWnd.AboutWnd"), about);  // hidden, not closed
    EXPECT_TRUE(main_window::accessors::ControlWnd()->IsShown());
    EXPECT_FALSE(about->Event_MouseDown(-5, 1000));  // the press goes on as usual
    about->Show();
    ASSERT_EQ(about->Timer1()->RunMode(), fw::Timer::kSingle);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !about->IsShown(); }, 5000));
    EXPECT_TRUE(main_window::accessors::ControlWnd()->IsShown());
    EXPECT_EQ(about->Timer1()->RunMode(), fw::Timer::kOff);
    about->Show();
    EXPECT_FALSE(QTest::qWaitFor([&] { return !about->IsShown(); }, 1500));
    EXPECT_EQ(fw::OpenWindows().size(), 2u);
}

}  // namespace
