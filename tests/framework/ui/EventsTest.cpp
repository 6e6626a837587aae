#include <gtest/gtest.h>

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <string>
#include <vector>

#include "HostWnd.h"
#include "framework/testing/EventRecorder.h"
#include "framework/ui/Label.h"

namespace {

using fw::MakeDelegate;
using fw::Ref;
using fw::RuntimeException;
using fw::TextArea;
using uitest::HostWnd;
using Log = std::vector<std::string>;

class Events : public uitest::WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        m_window = HostWnd::Make();
    }
    Ref<fw::PushButton> HookedButton(HostWnd& handlers, const char* name) {
        auto button = m_window->Add<fw::PushButton>(name);
        button->AddEventHandler(fw::PushButton::kAction,
                                MakeDelegate(&HostWnd::Pushed, handlers, "( PushButton )"));
        return button;
    }

    Ref<HostWnd> m_window;
};

// A class handles the events of its own table and its bases', each by a handler that fits the
// event's shape; a record that fails leaves no trace. A control's handler must fit its event's
// signature, and an event has one handler.
TEST_F(Events, AClassAndAControlTakeOnlyHandlersThatFitTheirEvents) {
    using Builder = fw::ClassRecord::Builder;
    const fw::ClassRecord sub(
        Builder("Sub.Sub", &HostWnd::Record()).Event("Close", &HostWnd::Closed));
    EXPECT_TRUE(fw::RuntimeIsEventHandled(m_window, "Sub.Sub", "Close", true));
    EXPECT_FALSE(fw::RuntimeIsEventHandled(m_window, "Sub.Sub", "KeyDown", true));
    EXPECT_TRUE(fw::RuntimeIsEventHandled(m_window, "Sub.Sub", "KeyDown", false));
    EXPECT_THROW(sub.New(), RuntimeException);  // no allocator
    EXPECT_THROW(fw::ClassRecord(Builder("Bad.Bad", &sub).Event("Paint", &HostWnd::Closed)),
                 RuntimeException);
    EXPECT_THROW(fw::ClassRecord(Builder("Bad.Bad", &sub).Event("MouseDown", &HostWnd::Closed)),
                 RuntimeException);
    EXPECT_THROW(fw::ClassRecord(Builder("Sub.Sub", nullptr)), RuntimeException);
    EXPECT_EQ(fw::ClassRecord::Find("Bad.Bad"), nullptr);

    auto area = m_window->Add<TextArea>("Area");
    HostWnd& w = *m_window;
    const auto focused = [&] { return MakeDelegate(&HostWnd::Focused, w, "( TextArea )"); };
    EXPECT_THROW(area->AddEventHandler(TextArea::kTextChange,
                                       MakeDelegate(&HostWnd::Focused, w, "( Canvas )")),
                 RuntimeException);
    EXPECT_THROW(area->AddEventHandler(5, focused()), RuntimeException);
    EXPECT_THROW(area->AddEventHandler(TextArea::kGotFocus, nullptr), fw::NilObjectException);
    area->AddEventHandler(TextArea::kGotFocus, focused());
    EXPECT_THROW(area->AddEventHandler(TextArea::kGotFocus, focused()), RuntimeException);
}

// The area's handlers hear of the focus coming with the window, of the program's and the user's
// changes, and of each key first; true keeps a key out. The window is not asked about keys the
// area takes.
TEST_F(Events, TextAreaEventsReachTheirHandlersAndTrueKeepsAKeyOut) {
    auto area = m_window->Add<TextArea>("EditFldVars");
    HostWnd& w = *m_window;
    area->AddEventHandler(TextArea::kTextChange,
                          MakeDelegate(&HostWnd::Changed, w, "( TextArea )"));
    area->AddEventHandler(TextArea::kKeyDown,
                          MakeDelegate(&HostWnd::Typed, w, "( TextArea, String ) as Boolean"));
    area->AddEventHandler(TextArea::kGotFocus, MakeDelegate(&HostWnd::Focused, w, "( TextArea )"));
    QApplication::setActiveWindow(m_window->Widget());  // the first in the tab order
    area->SetText("5");
    static_cast<QTextEdit*>(area->Widget())->moveCursor(QTextCursor::End);
    QTest::keyClicks(area->Widget(), "0x");
    EXPECT_EQ(area->Text(), "50");
    EXPECT_EQ(m_window->log, (Log{"GotFocus EditFldVars", "TextChange 5", "KeyDown 0 in area",
                                  "TextChange 50", "KeyDown x in area"}));

    // In a short entry, Return and keypad Enter then press the window's first button that
    // carries Default; a modified or held Return presses nothing.
    m_window->log.clear();
    m_window->Add<fw::PushButton>("Plain");
    const auto byDefault = fw::PropertyListBuilder().Boolean("Default", true).Build();
    fw::SetProperties(HookedButton(w, "CalculateBtn"), byDefault);
    fw::SetProperties(m_window->Add<fw::PushButton>("ClearBtn"), byDefault);
    fw::SetProperties(area,
                      fw::PropertyListBuilder().Integer("MaximumCharactersAllowed", 3).Build());
    QTest::keyClick(area->Widget(), Qt::Key_Return);
    QTest::keyClick(area->Widget(), Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(area->Widget(), Qt::Key_Return, Qt::ShiftModifier);
    QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", true);
    QApplication::sendEvent(area->Widget(), &held);
    EXPECT_EQ(area->Text(), "50");
    const std::string returnKey = "KeyDown \r in area";
    EXPECT_EQ(m_window->log, (Log{returnKey, "Action", returnKey, "Action", returnKey, returnKey}));
}

TEST_F(Events, AnExceptionInAHandlerIsShownAndTheLoopGoesOn) {
    fw::testing::EventRecorder recorder;
    auto button = HookedButton(*m_window, "QuitBtn");
    m_window->failPush = true;
    QEventLoop loop;
    QTimer::singleShot(0, [&] { QTest::mouseClick(button->Widget(), Qt::LeftButton); });
    QTimer::singleShot(20, [&] { loop.exit(7); });
    EXPECT_EQ(loop.exec(), 7);  // it went on after the click, to the end
    m_window->failPush = false;
    button->Push();  // the next press works as before
    EXPECT_EQ(m_window->log, (Log{"Action", "Action"}));

    // A delegate holds its window weakly: once the window is gone, calling it raises.
    Ref<fw::PushButton> orphan;
    {
        auto gone = fw::Cast<HostWnd>(HostWnd::Record().New());
        orphan = HookedButton(*gone, "ClearBtn");
    }
    orphan->Push();
    ASSERT_EQ(recorder.Events().size(), 2u);
    EXPECT_EQ(recorder.Events()[0], "msgbox: Unhandled NilObjectException: no output area");
    EXPECT_EQ(recorder.Events()[1].rfind("msgbox: Unhandled NilObjectException", 0), 0u);
}

// A press over a label or a canvas that does not claim it, and a key without a text control in
// focus, are the window's; a press in a text area is not.
TEST_F(Events, PressesAndKeysThatNoControlTakesAreTheWindows) {
    auto label = m_window->Add<fw::Label>("StaticText2");
    label->SetBounds(20, 30, 100, 20);
    QTest::mouseClick(label->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
    auto canvas = m_window->Add<fw::Canvas>("Canvas2");
    canvas->SetBounds(200, 100, 38, 23);
    canvas->AddEventHandler(
        fw::Canvas::kMouseDown,
        MakeDelegate(&HostWnd::Pressed, *m_window, "( Canvas, Integer, Integer ) as Boolean"));
    QTest::mouseClick(canvas->Widget(), Qt::LeftButton, {}, QPoint(3, 4));
    m_window->answer = true;
    QTest::mouseClick(canvas->Widget(), Qt::LeftButton, {}, QPoint(6, 7));
    m_window->answer = false;
    auto area = m_window->Add<TextArea>("Area");
    area->SetBounds(250, 200, 100, 50);
    QTest::mouseClick(static_cast<QTextEdit*>(area->Widget())->viewport(), Qt::LeftButton, {},
                      QPoint(5, 5));
    QTest::keyClick(m_window->Widget(), Qt::Key_A);
    QTest::keyClick(m_window->Widget(), Qt::Key_Return);
    EXPECT_EQ(m_window->log, (Log{"MouseDown 25,35", "Canvas 3,4", "MouseDown 203,104",
                                  "Canvas 6,7", "KeyDown a", "KeyDown \r"}));
}

}  // namespace
