#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTextEdit>

#include "../ui/HostWnd.h"
#include "framework/menus/AppleMenuItem.h"
#include "framework/menus/MenuBar.h"
#include "framework/menus/QuitMenuItem.h"
#include "framework/testing/TestRuntime.h"
#include "framework/ui/Application.h"
#include "framework/ui/Delegate.h"
#include "framework/ui/Runtime.h"
#include "framework/ui/TextArea.h"

namespace {

using fw::MenuItem;
using fw::Ref;

// A window that binds the About item and enables it, as the main window does.
class MenuWnd : public uitest::HostWnd {
  public:
    static const fw::ClassRecord& Record() {
        static const fw::ClassRecord record(
            fw::ClassRecord::Builder("MenuWnd.MenuWnd", &HostWnd::Record(),
                                     fw::AllocatorOf<MenuWnd>())
                .Event("AddMenuHandlers", &MenuWnd::AddMenuHandlers)
                .Event("EnableMenuItems", &MenuWnd::Event_EnableMenuItems));
        return record;
    }
    void AddMenuHandlers(const Ref<fw::Window>& window) {
        auto self = fw::Cast<MenuWnd>(window);
        self->AddMenuHandler("AboutVantrex",
                             fw::MakeDelegate(&MenuWnd::AboutVantrex_Action, *self));
    }
    void Event_EnableMenuItems() {
        ++enableCalls;
        fw::GetAppObject()->MenuBar()->Lookup("AboutVantrex")->SetEnabled(true);
    }
    bool AboutVantrex_Action() {
        ++aboutCalls;
        return false;
    }
    int enableCalls = 0;
    int aboutCalls = 0;
};

Ref<MenuItem> Add(const Ref<MenuItem>& parent, const char* name, const char* caption,
                  const char* shortcut, Ref<MenuItem> item = nullptr) {
    if (!item) {
        item = std::make_shared<MenuItem>();
    }
    item->SetName(name);
    item->SetAutoEnabled(true);
    item->SetValue(caption);
    item->SetVisible(true);
    if (shortcut != nullptr) {
        item->SetShortcut(shortcut);
    }
    parent->AddMenu(item);
    return item;
}

class MenuWindows : public ::testing::Test {
  protected:
    void SetUp() override {
        fw::testing::EnsureRuntimeForTests();
        m_bar = std::make_shared<fw::MenuBar>();
        Add(m_bar, "UntitledMenu3", "", "");
        auto file = Add(m_bar, "UntitledMenu2", "File", "");
        Add(file, "FileQuit", "Quit", "Cmd+Q", std::make_shared<fw::QuitMenuItem>());
        Add(file, "UntitledMenu7", "", "");
        auto edit = Add(m_bar, "UntitledMenu0", "Edit", "");
        Add(edit, "EditUndo", "Undo", "Cmd+Z");
        Add(edit, "UntitledMenu1", "-", nullptr);
        Add(edit, "EditCut", "Cut", "Cmd+X");
        Add(edit, "EditCopy", "Copy", "Cmd+C");
        Add(edit, "EditPaste", "Paste", "Cmd+V");
        Add(edit, "EditClear", "Clear", "");
        Add(edit, "AboutVantrex", "About Vantrex Analysis", "",
            std::make_shared<fw::AppleMenuItem>());
        auto app = fw::Cast<fw::Application>(fw::Application::Record().New());
        app->SetMenuBar(m_bar);
        fw::RuntimeRegisterAppObject(app);

        m_window = fw::Cast<MenuWnd>(MenuWnd::Record().New());
        m_window->Constructor();
        m_area = m_window->Add<fw::TextArea>("EditFldOut");
        m_area->SetBounds(10, 10, 200, 100);
    }
    void TearDown() override {
        fw::CloseAllWindowsSilently();
        fw::RuntimeRegisterAppObject(nullptr);
    }

    QMenuBar* ShownBar() {
        return qobject_cast<QMenuBar*>(m_window->Widget()->findChild<QMenuBar*>());
    }
    QMenu* ShownMenu(int index) { return ShownBar()->actions().at(index)->menu(); }
    QAction* ShownAction(int menu, int index) { return ShownMenu(menu)->actions().at(index); }
    void Open(QMenu* menu) { emit menu->aboutToShow(); }

    Ref<fw::MenuBar> m_bar;
    Ref<MenuWnd> m_window;
    Ref<fw::TextArea> m_area;
};

TEST_F(MenuWindows, DocumentWindowShowsTheBarAsBuilt) {
    QMenuBar* bar = ShownBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(m_window->Content()->size(), QSize(400, 300));  // the bar comes on top
    ASSERT_EQ(bar->actions().size(), 3);
    EXPECT_FALSE(bar->actions()[0]->isVisible());  // empty caption: not shown
    EXPECT_EQ(bar->actions()[1]->text(), "File");
    EXPECT_EQ(bar->actions()[2]->text(), "Edit");

    QAction* quit = ShownAction(1, 0);
    EXPECT_EQ(quit->text(), "Quit");
    EXPECT_EQ(quit->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_EQ(quit->menuRole(), QAction::QuitRole);
    EXPECT_FALSE(ShownAction(1, 1)->isVisible());

    EXPECT_TRUE(ShownAction(2, 1)->isSeparator());
    EXPECT_EQ(ShownAction(2, 0)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction* about = ShownAction(2, 6);
    EXPECT_EQ(about->text(), "About Vantrex Analysis");
    EXPECT_EQ(about->menuRole(), QAction::AboutRole);
    EXPECT_EQ(ShownAction(2, 2)->menuRole(), QAction::NoRole);
}

TEST_F(MenuWindows, ItemChangesFollowOnScreen) {
    Ref<MenuItem> about = m_bar->Lookup("AboutVantrex");
    about->SetEnabled(false);
    EXPECT_FALSE(ShownAction(2, 6)->isEnabled());
    about->SetValue("About & More");
    EXPECT_EQ(ShownAction(2, 6)->text(), "About && More");
}

TEST_F(MenuWindows, OpeningAMenuAsksTheWindowToEnableItsItems) {
    Ref<MenuItem> about = m_bar->Lookup("AboutVantrex");
    Ref<MenuItem> clear = m_bar->Lookup("EditClear");
    Open(ShownMenu(2));
    EXPECT_EQ(m_window->enableCalls, 1);
    EXPECT_TRUE(about->Enabled());
    EXPECT_TRUE(ShownAction(2, 6)->isEnabled());
    EXPECT_FALSE(clear->Enabled());  // nothing selected in a focused text control
    EXPECT_TRUE(m_bar->Lookup("FileQuit")->Enabled());
}

TEST_F(MenuWindows, ChoosingAnItemCallsTheWindowsHandler) {
    ShownAction(2, 6)->trigger();
    EXPECT_EQ(m_window->aboutCalls, 1);
}

TEST_F(MenuWindows, QuitItemQuitsByItsShortcutToo) {
    QApplication::setActiveWindow(m_window->Widget());
    QTest::keyClick(m_window->Widget(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(fw::QuitRequested());
    fw::RuntimeRun();  // returns at once: the quit was asked
    EXPECT_FALSE(fw::QuitRequested());
}

TEST_F(MenuWindows, EditItemsActOnTheFocusedTextArea) {
    QApplication::setActiveWindow(m_window->Widget());
    m_area->SetFocus();
    m_area->SetText("hello world");
    m_area->SetSelStart(6);
    auto* view = static_cast<QTextEdit*>(m_area->Widget());
    view->moveCursor(QTextCursor::End, QTextCursor::KeepAnchor);
    ASSERT_EQ(m_area->SelText(), "world");

    Open(ShownMenu(2));
    EXPECT_TRUE(m_bar->Lookup("EditCopy")->Enabled());
    EXPECT_TRUE(m_bar->Lookup("EditCut")->Enabled());

    // Each choice is made as the user makes it: the menu opens first.
    QApplication::clipboard()->clear();
    Open(ShownMenu(2));
    EXPECT_FALSE(m_bar->Lookup("EditPaste")->Enabled());
    ShownAction(2, 3)->trigger();  // Copy
    EXPECT_EQ(QApplication::clipboard()->text(), "world");
    Open(ShownMenu(2));
    ShownAction(2, 2)->trigger();  // Cut
    EXPECT_EQ(m_area->Text(), "hello ");
    m_area->SetSelStart(0);
    Open(ShownMenu(2));
    ShownAction(2, 4)->trigger();  // Paste
    EXPECT_EQ(m_area->Text(), "worldhello ");
    Open(ShownMenu(2));
    ShownAction(2, 0)->trigger();  // Undo
    EXPECT_EQ(m_area->Text(), "hello ");

    // Without a selection, Cut, Copy and Clear have nothing to act on.
    Open(ShownMenu(2));
    EXPECT_FALSE(m_bar->Lookup("EditCut")->Enabled());
    EXPECT_FALSE(m_bar->Lookup("EditCopy")->Enabled());
    EXPECT_TRUE(m_bar->Lookup("EditPaste")->Enabled());
}

}  // namespace
