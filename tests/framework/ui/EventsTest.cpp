#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QEventLoop>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <algorithm>
#include <string>
#include <vector>

#include "HostWnd.h"
#include "framework/testing/EventRecorder.h"
#include "framework/ui/Label.h"

namespace {

using fw::MakeDelegate;
using fw::Ref;
using fw::TextArea;
using uitest::HostWnd;
using Log = std::vector<std::string>;

class Events : public uitest::WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        m_window = HostWnd::Make();
        m_window->log.clear();
    }

    Ref<TextArea> HookedArea(const char* name) {
        auto area = m_window->Add<TextArea>(name);
        area->SetBounds(10, 10, 100, 40);
        HostWnd& w = *m_window;
        area->AddEventHandler(TextArea::kTextChange,
                              MakeDelegate(&HostWnd::Changed, w, "( TextArea )"));
        area->AddEventHandler(TextArea::kKeyDown,
                              MakeDelegate(&HostWnd::Typed, w, "( TextArea, String ) as Boolean"));
        area->AddEventHandler(TextArea::kGotFocus,
                              MakeDelegate(&HostWnd::Focused, w, "( TextArea )"));
        area->AddEventHandler(TextArea::kMouseEnter,
                              MakeDelegate(&HostWnd::Entered, w, "( TextArea )"));
        return area;
    }

    Ref<fw::PushButton> HookedButton(HostWnd& handlers) {
        auto button = m_window->Add<fw::PushButton>("QuitBtn");
        button->AddEventHandler(fw::PushButton::kAction,
                                MakeDelegate(&HostWnd::Pushed, handlers, "( PushButton )"));
        return button;
    }

    Ref<HostWnd> m_window;
};

TEST_F(Events, AClassHandlesTheEventsOfItsOwnTableAndItsBases) {
    const fw::ClassRecord sub(
        fw::ClassRecord::Builder("Sub.Sub", &HostWnd::Record()).Event("Close", &HostWnd::Closed));
    EXPECT_TRUE(fw::RuntimeIsEventHandled(m_window, "Sub.Sub", "Close", true));
    EXPECT_FALSE(fw::RuntimeIsEventHandled(m_window, "Sub.Sub", "KeyDown", true));
    EXPECT_TRUE(fw::RuntimeIsEventHandled(m_window, "Sub.Sub", "KeyDown", false));
    EXPECT_FALSE(fw::RuntimeIsEventHandled(m_window, "Sub.Sub", "Paint", false));
    EXPECT_FALSE(fw::RuntimeIsEventHandled(m_window, "No.Such", "Close", false));
    EXPECT_THROW(sub.New(), fw::RuntimeException);  // no allocator
}

TEST_F(Events, AHandlerMustFitItsEvent) {
    using Builder = fw::ClassRecord::Builder;
    EXPECT_THROW(
        fw::ClassRecord(Builder("Bad.Bad", &HostWnd::Record()).Event("Paint", &HostWnd::Closed)),
        fw::RuntimeException);
    EXPECT_THROW(fw::ClassRecord(
                     Builder("Bad.Bad", &HostWnd::Record()).Event("MouseDown", &HostWnd::Closed)),
                 fw::RuntimeException);
    EXPECT_THROW(fw::ClassRecord(Builder("HostWnd.HostWnd", nullptr)), fw::RuntimeException);
    EXPECT_EQ(fw::ClassRecord::Find("Bad.Bad"), nullptr);  // a failed record leaves no trace

    auto area = m_window->Add<TextArea>("Area");
    HostWnd& w = *m_window;
    EXPECT_THROW(area->AddEventHandler(
                     TextArea::kTextChange,
                     MakeDelegate(&HostWnd::Pressed, w, "( Canvas, Integer, Integer ) as Boolean")),
                 fw::RuntimeException);
    EXPECT_THROW(area->AddEventHandler(5, MakeDelegate(&HostWnd::Focused, w, "( TextArea )")),
                 fw::RuntimeException);
    EXPECT_THROW(area->AddEventHandler(TextArea::kGotFocus, nullptr), fw::NilObjectException);
    area->AddEventHandler(TextArea::kGotFocus, MakeDelegate(&HostWnd::Focused, w, "( TextArea )"));
    EXPECT_THROW(area->AddEventHandler(TextArea::kGotFocus,
                                       MakeDelegate(&HostWnd::Focused, w, "( TextArea )")),
                 fw::RuntimeException);
}

TEST_F(Events, TextAreaEventsReachTheirHandlersAndTrueKeepsAKeyOut) {
    auto area = HookedArea("EditFldVars");
    auto* view = static_cast<QTextEdit*>(area->Widget());
    area->SetText("5");
    view->moveCursor(QTextCursor::End);
    QTest::keyClicks(view, "0x");
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(view, &enter);
    EXPECT_EQ(area->Text(), "50");
    // The window's own KeyDown is not asked for keys that a text area takes.
    EXPECT_EQ(m_window->log, (Log{"TextChange 5", "KeyDown 0 in EditFldVars", "TextChange 50",
                                  "KeyDown x in EditFldVars", "MouseEnter EditFldVars"}));
}

TEST_F(Events, GotFocusComesEachTimeTheAreaTakesTheFocus) {
    fw::testing::EventRecorder recorder;
    auto area = HookedArea("EditFldVars");
    auto other = m_window->Add<TextArea>("Other");
    QApplication::setActiveWindow(m_window->Widget());  // the first in the tab order
    other->SetFocus();
    area->SetFocus();
    EXPECT_TRUE(area->HasFocus());
    EXPECT_EQ(m_window->log, (Log{"Activate", "GotFocus EditFldVars", "GotFocus EditFldVars"}));
    EXPECT_EQ(recorder.Events(), (Log{"focus: Other", "focus: EditFldVars"}));
}

TEST_F(Events, AnExceptionInAHandlerIsShownAndTheLoopGoesOn) {
    fw::testing::EventRecorder recorder;
    auto button = HookedButton(*m_window);
    m_window->failPush = true;
    bool later = false;
    QEventLoop loop;
    QTimer::singleShot(0, [&] { QTest::mouseClick(button->Widget(), Qt::LeftButton); });
    QTimer::singleShot(20, [&] {
        later = true;
        loop.quit();
    });
    loop.exec();
    EXPECT_TRUE(later);
    EXPECT_EQ(recorder.Events(), (Log{"msgbox: Unhandled NilObjectException: no output area"}));
    m_window->failPush = false;
    button->Push();  // the next press works as before
    EXPECT_EQ(std::count(m_window->log.begin(), m_window->log.end(), "Action QuitBtn"), 2);
}

// A delegate holds its window weakly: once the window is gone, calling it raises, and that is
// shown.
TEST_F(Events, AHandlerWhoseWindowIsGoneRaisesNilObject) {
    fw::testing::EventRecorder recorder;
    Ref<fw::PushButton> button;
    {
        auto gone = fw::Cast<HostWnd>(HostWnd::Record().New());
        button = HookedButton(*gone);
    }
    button->Push();
    ASSERT_EQ(recorder.Events().size(), 1u);
    EXPECT_EQ(recorder.Events()[0].rfind("msgbox: Unhandled NilObjectException", 0), 0u);
}

TEST_F(Events, APressOverALabelOrAnUnclaimingCanvasIsTheWindows) {
    auto label = m_window->Add<fw::Label>("StaticText2");
    label->SetBounds(20, 30, 100, 20);
    QTest::mouseClick(label->Widget(), Qt::LeftButton, {}, QPoint(5, 5));

    auto canvas = m_window->Add<fw::Canvas>("Canvas2");
    canvas->SetBounds(200, 100, 38, 23);
    canvas->AddEventHandler(
        fw::Canvas::kMouseDown,
        MakeDelegate(&HostWnd::Pressed, *m_window, "( Canvas, Integer, Integer ) as Boolean"));
    QTest::mouseClick(canvas->Widget(), Qt::LeftButton, {}, QPoint(3, 4));
    m_window->mouseAnswer = true;
    QTest::mouseClick(canvas->Widget(), Qt::LeftButton, {}, QPoint(6, 7));
    m_window->mouseAnswer = false;

    auto bare = m_window->Add<fw::Canvas>("Graph");
    bare->SetBounds(51, 42, 147, 115);
    QTest::mouseClick(bare->Widget(), Qt::LeftButton, {}, QPoint(1, 2));

    auto area = m_window->Add<TextArea>("Area");
    area->SetBounds(250, 200, 100, 50);
    QTest::mouseClick(static_cast<QTextEdit*>(area->Widget())->viewport(), Qt::LeftButton, {},
                      QPoint(5, 5));

    EXPECT_EQ(m_window->log, (Log{"MouseDown 25,35", "Canvas2 3,4", "MouseDown 203,104",
                                  "Canvas2 6,7", "MouseDown 52,44"}));
}

TEST_F(Events, AKeyWithoutATextControlInFocusIsTheWindows) {
    QTest::keyClick(m_window->Widget(), Qt::Key_A);
    QTest::keyClick(m_window->Widget(), Qt::Key_Return);
    EXPECT_EQ(m_window->log, (Log{"KeyDown a", "KeyDown \r"}));
}

}  // namespace
