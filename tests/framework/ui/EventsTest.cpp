#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QEventLoop>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <string>
#include <vector>

#include "HostWnd.h"
#include "framework/core/Exceptions.h"
#include "framework/testing/EventRecorder.h"
#include "framework/testing/TestRuntime.h"
#include "framework/ui/Canvas.h"
#include "framework/ui/Delegate.h"
#include "framework/ui/Label.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/TextArea.h"

namespace {

using fw::Ref;
using fw::String;

// A window with handlers for its controls' events, as the main window has.
class EventsWnd : public uitest::HostWnd {
  public:
    static const fw::ClassRecord& Record() {
        static const fw::ClassRecord record(fw::ClassRecord::Builder(
            "EventsWnd.EventsWnd", &HostWnd::Record(), fw::AllocatorOf<EventsWnd>()));
        return record;
    }

    static Ref<EventsWnd> Make() {
        auto window = fw::Cast<EventsWnd>(Record().New());
        window->Constructor();
        return window;
    }

    void Area_TextChange(const Ref<fw::TextArea>& area) {
        events.push_back("TextChange " + area->Text().ToStdString());
    }
    bool Area_KeyDown(const Ref<fw::TextArea>& area, const String& key) {
        events.push_back("KeyDown " + key.ToStdString() + " in " + area->Name().ToStdString());
        return key == "x";  // x is kept out; every other key is typed
    }
    void Area_GotFocus(const Ref<fw::TextArea>&) { events.push_back("GotFocus"); }
    void Area_MouseEnter(const Ref<fw::TextArea>&) { events.push_back("MouseEnter"); }
    void Button_Action(const Ref<fw::PushButton>& button) {
        events.push_back("Action " + button->Name().ToStdString());
        if (failAction) {
            throw fw::NilObjectException("no output area");
        }
    }
    bool Canvas_MouseDown(const Ref<fw::Canvas>&, std::int64_t x, std::int64_t y) {
        events.push_back("Canvas " + std::to_string(x) + "," + std::to_string(y));
        return canvasAnswer;
    }

    std::vector<std::string> events;
    bool failAction = false;
    bool canvasAnswer = false;
};

class Events : public ::testing::Test {
  protected:
    void SetUp() override {
        fw::testing::EnsureRuntimeForTests();
        m_window = EventsWnd::Make();
    }
    void TearDown() override { fw::CloseAllWindowsSilently(); }

    Ref<fw::TextArea> HookedArea() {
        auto area = m_window->Add<fw::TextArea>("EditFldVars");
        area->SetBounds(10, 10, 100, 40);
        area->AddEventHandler(
            21, fw::MakeDelegate(&EventsWnd::Area_TextChange, *m_window, "( TextArea )"));
        area->AddEventHandler(9, fw::MakeDelegate(&EventsWnd::Area_KeyDown, *m_window,
                                                  "( TextArea, String ) as Boolean"));
        area->AddEventHandler(
            16, fw::MakeDelegate(&EventsWnd::Area_GotFocus, *m_window, "( TextArea )"));
        area->AddEventHandler(
            11, fw::MakeDelegate(&EventsWnd::Area_MouseEnter, *m_window, "( TextArea )"));
        return area;
    }

    Ref<fw::PushButton> HookedButton() {
        auto button = m_window->Add<fw::PushButton>("QuitBtn");
        button->SetBounds(10, 100, 80, 25);
        button->AddEventHandler(
            15, fw::MakeDelegate(&EventsWnd::Button_Action, *m_window, "( PushButton )"));
        return button;
    }

    Ref<EventsWnd> m_window;
};

TEST_F(Events, AttachingChecksTheEventNumberAndTheSignature) {
    auto area = m_window->Add<fw::TextArea>("Area");
    auto canvas = m_window->Add<fw::Canvas>("Canvas2");
    // 21 is TextChange on a text area and MouseDown on a canvas.
    EXPECT_THROW(area->AddEventHandler(21, fw::MakeDelegate(&EventsWnd::Canvas_MouseDown, *m_window,
                                                            "( Canvas, Integer, Integer ) as "
                                                            "Boolean")),
                 fw::RuntimeException);
    EXPECT_NO_THROW(
        canvas->AddEventHandler(21, fw::MakeDelegate(&EventsWnd::Canvas_MouseDown, *m_window,
                                                     "( Canvas, Integer, Integer ) as Boolean")));
    EXPECT_THROW(area->AddEventHandler(
                     16, fw::MakeDelegate(&EventsWnd::Area_GotFocus, *m_window, "( Canvas )")),
                 fw::RuntimeException);
    EXPECT_THROW(area->AddEventHandler(
                     5, fw::MakeDelegate(&EventsWnd::Area_GotFocus, *m_window, "( TextArea )")),
                 fw::RuntimeException);
    EXPECT_THROW(area->AddEventHandler(16, nullptr), fw::NilObjectException);
    area->AddEventHandler(16,
                          fw::MakeDelegate(&EventsWnd::Area_GotFocus, *m_window, "( TextArea )"));
    EXPECT_THROW(area->AddEventHandler(
                     16, fw::MakeDelegate(&EventsWnd::Area_GotFocus, *m_window, "( TextArea )")),
                 fw::RuntimeException);
}

TEST_F(Events, TextAreaEventsReachTheirHandlersWithTheirArguments) {
    auto area = HookedArea();
    auto* view = static_cast<QTextEdit*>(area->Widget());
    area->SetText("5");
    view->moveCursor(QTextCursor::End);
    QTest::keyClicks(view, "0");
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(view, &enter);
    EXPECT_EQ(m_window->events,
              (std::vector<std::string>{"TextChange 5", "KeyDown 0 in EditFldVars", "TextChange 50",
                                        "MouseEnter"}));
}

TEST_F(Events, KeyDownAnsweringTrueKeepsTheKeyOutAndFalseLetsItBeTyped) {
    auto area = HookedArea();
    auto* view = static_cast<QTextEdit*>(area->Widget());
    QTest::keyClicks(view, "axb");
    EXPECT_EQ(area->Text(), "ab");
    // The window's own KeyDown is not asked for keys that a text area takes.
    EXPECT_EQ(std::count(m_window->log.begin(), m_window->log.end(), "KeyDown a"), 0);
}

TEST_F(Events, ButtonActionRunsItsHandler) {
    auto button = HookedButton();
    QTest::mouseClick(button->Widget(), Qt::LeftButton);
    EXPECT_EQ(m_window->events, (std::vector<std::string>{"Action QuitBtn"}));
}

TEST_F(Events, ExceptionInAHandlerIsShownAndTheLoopGoesOn) {
    fw::testing::EventRecorder recorder;
    auto button = HookedButton();
    m_window->failAction = true;
    bool later = false;
    QEventLoop loop;
    QTimer::singleShot(0, [&] { button->Push(); });
    QTimer::singleShot(20, [&] {
        later = true;
        loop.quit();
    });
    loop.exec();
    EXPECT_TRUE(later);
    ASSERT_EQ(recorder.Events().size(), 1u);
    EXPECT_EQ(recorder.Events()[0], "msgbox: Unhandled NilObjectException: no output area");
    // The next press works as before.
    m_window->failAction = false;
    button->Push();
    EXPECT_EQ(m_window->events.size(), 2u);
}

TEST_F(Events, HandlerWhoseWindowIsGoneRaisesNilObjectWhichIsShown) {
    fw::testing::EventRecorder recorder;
    auto button = m_window->Add<fw::PushButton>("Orphan");
    {
        auto gone = fw::Cast<EventsWnd>(EventsWnd::Record().New());
        button->AddEventHandler(
            15, fw::MakeDelegate(&EventsWnd::Button_Action, *gone, "( PushButton )"));
    }
    button->Push();
    ASSERT_EQ(recorder.Events().size(), 1u);
    EXPECT_EQ(recorder.Events()[0].rfind("msgbox: Unhandled NilObjectException", 0), 0u)
        << recorder.Events()[0];
}

TEST_F(Events, PressOverALabelOrAnUnclaimingCanvasIsTheWindows) {
    auto label = m_window->Add<fw::Label>("StaticText2");
    label->SetBounds(20, 30, 100, 20);
    QTest::mouseClick(label->Widget(), Qt::LeftButton, {}, QPoint(5, 5));

    auto canvas = m_window->Add<fw::Canvas>("Canvas2");
    canvas->SetBounds(200, 100, 38, 23);
    canvas->AddEventHandler(21, fw::MakeDelegate(&EventsWnd::Canvas_MouseDown, *m_window,
                                                 "( Canvas, Integer, Integer ) as Boolean"));
    QTest::mouseClick(canvas->Widget(), Qt::LeftButton, {}, QPoint(3, 4));
    m_window->canvasAnswer = true;
    QTest::mouseClick(canvas->Widget(), Qt::LeftButton, {}, QPoint(6, 7));

    auto bare = m_window->Add<fw::Canvas>("Graph");
    bare->SetBounds(51, 42, 147, 115);
    QTest::mouseClick(bare->Widget(), Qt::LeftButton, {}, QPoint(1, 2));

    auto area = m_window->Add<fw::TextArea>("Area");
    area->SetBounds(250, 200, 100, 50);
    QTest::mouseClick(static_cast<QTextEdit*>(area->Widget())->viewport(), Qt::LeftButton, {},
                      QPoint(5, 5));

    EXPECT_EQ(m_window->events, (std::vector<std::string>{"Canvas 3,4", "Canvas 6,7"}));
    EXPECT_EQ(m_window->log, (std::vector<std::string>{"AddMenuHandlers self", "MouseDown 25,35",
                                                       "MouseDown 203,104", "MouseDown 52,44"}));
}

TEST_F(Events, KeyInAWindowWithoutTextFocusIsTheWindows) {
    m_window->log.clear();
    m_window->keyAnswer = false;
    QTest::keyClick(m_window->Widget(), Qt::Key_A);
    QTest::keyClick(m_window->Widget(), Qt::Key_Return);
    EXPECT_EQ(m_window->log, (std::vector<std::string>{"KeyDown a", "KeyDown \r"}));
}

TEST_F(Events, WindowEventsComeThroughTheClassTable) {
    QApplication::setActiveWindow(m_window->Widget());
    EXPECT_EQ(m_window->log, (std::vector<std::string>{"AddMenuHandlers self", "Activate"}));
    m_window->Close();
    EXPECT_EQ(m_window->log.back(), "Close");
}

TEST_F(Events, GotFocusComesEachTimeTheAreaTakesTheFocus) {
    fw::testing::EventRecorder recorder;
    auto area = HookedArea();
    auto other = m_window->Add<fw::TextArea>("Other");
    QApplication::setActiveWindow(m_window->Widget());  // the first in the tab order
    EXPECT_TRUE(area->HasFocus());
    other->SetFocus();
    EXPECT_FALSE(area->HasFocus());
    area->SetFocus();
    EXPECT_TRUE(area->HasFocus());
    EXPECT_EQ(m_window->events, (std::vector<std::string>{"GotFocus", "GotFocus"}));
    EXPECT_EQ(recorder.Events(), (std::vector<std::string>{"focus: Other", "focus: EditFldVars"}));
}

}  // namespace
