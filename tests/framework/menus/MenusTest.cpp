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
#include "framework/ui/Application.h"
#include "framework/ui/Runtime.h"

namespace {

using fw::MenuItem;
using fw::Ref;

// A bar as the program builds it, shown in a document window: an empty menu, File with Quit, and
// Edit with Undo, a separator, Cut, Copy, Paste, Clear, the About item and Help.
class Menus : public uitest::WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        m_bar = std::make_shared<fw::MenuBar>();
        Add(m_bar, "UntitledMenu3", "");
        Add(Add(m_bar, "UntitledMenu2", "File"), "FileQuit", "Quit",
            std::make_shared<fw::QuitMenuItem>());
        auto edit = Add(m_bar, "UntitledMenu0", "Edit");
        for (const char* name :
             {"EditUndo", "-", "EditCut", "EditCopy", "EditPaste", "EditClear"}) {
            Add(edit, name, name[0] == '-' ? "-" : name + 4);
        }
        Add(edit, "AboutVantrex", "About Vantrex Analysis", std::make_shared<fw::AppleMenuItem>());
        Add(edit, "EditHelp", "Help");
        auto app = fw::Cast<fw::Application>(fw::Application::Record().New());
        app->SetMenuBar(m_bar);
        fw::RuntimeRegisterAppObject(app);
        m_window = uitest::HostWnd::Make();
        m_area = m_window->Add<fw::TextArea>("EditFldOut");
        m_area->SetBounds(10, 10, 200, 100);
    }
    void TearDown() override {
        WindowTest::TearDown();
        fw::RuntimeRegisterAppObject(nullptr);
    }

    static Ref<MenuItem> Add(const Ref<MenuItem>& parent, const char* name, const char* caption,
                             Ref<MenuItem> item = std::make_shared<MenuItem>()) {
        item->SetName(name);
        item->SetAutoEnabled(true);
        item->SetValue(caption);
        parent->AddMenu(item);
        return item;
    }
    QAction* Shown(int menu, int index = -1) {
        QAction* top = m_window->Widget()->findChild<QMenuBar*>()->actions().at(menu);
        return index < 0 ? top : top->menu()->actions().at(index);
    }
    void Open(int menu) { emit Shown(menu)->menu()->aboutToShow(); }
    bool Enabled(const char* name) { return m_bar->Lookup(name)->Enabled(); }

    Ref<fw::MenuBar> m_bar;
    Ref<uitest::HostWnd> m_window;
    Ref<fw::TextArea> m_area;
};

// Each item is held once, and found by name among the bar's menus or anywhere below. The window
// shows the bar as built and follows its changes; a press is placed on the content, below it.
TEST_F(Menus, TheWindowShowsTheTreeAsBuiltAndFollowsItsChanges) {
    EXPECT_EQ(m_bar->Item(3), nullptr);
    EXPECT_EQ(m_bar->Child("EditUndo"), nullptr);
    Ref<MenuItem> about = m_bar->Lookup("AboutVantrex");
    EXPECT_EQ(about->Parent(), m_bar->Child("UntitledMenu0").get());
    EXPECT_THROW(m_bar->AddMenu(about), fw::RuntimeException);  // it has a parent
    EXPECT_THROW(about->AddMenu(m_bar), fw::RuntimeException);  // it would hold itself
    EXPECT_THROW(m_bar->AddMenu(nullptr), fw::NilObjectException);

    QTest::mouseClick(m_window->Content(), Qt::LeftButton, {}, QPoint(5, 6));
    EXPECT_EQ(m_window->log, std::vector<std::string>{"MouseDown 5,6"});
    EXPECT_FALSE(Shown(0)->isVisible());  // empty caption: not shown
    EXPECT_EQ(Shown(1, 0)->menuRole(), QAction::QuitRole);
    EXPECT_TRUE(Shown(2, 1)->isSeparator());
    EXPECT_EQ(Shown(2, 2)->menuRole(), QAction::NoRole);
    EXPECT_EQ(Shown(2, 6)->menuRole(), QAction::AboutRole);
    about->SetEnabled(false);
    EXPECT_FALSE(Shown(2, 6)->isEnabled());
    about->SetValue("About & More");
    EXPECT_EQ(Shown(2, 6)->text(), "About && More");
}

// Opening a menu readies its items (enabled when the window handles them, the Edit items by the
// focused text control: here none), then asks the window; the menus themselves stay enabled.
TEST_F(Menus, OpeningAMenuEnablesTheItemsTheWindowHandles) {
    m_window->enableOnRequest = {m_bar->Lookup("EditHelp")};
    Open(2);
    EXPECT_EQ(m_window->log, std::vector<std::string>{"EnableMenuItems"});
    EXPECT_TRUE(Enabled("AboutVantrex"));
    EXPECT_TRUE(Enabled("EditHelp"));
    for (const char* edit : {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear"}) {
        EXPECT_FALSE(Enabled(edit)) << edit;
    }
    for (int menu = 0; menu < 3; ++menu) {
        EXPECT_TRUE(m_bar->Item(menu)->Enabled()) << menu;
        EXPECT_TRUE(Shown(menu)->isEnabled() || menu == 0) << menu;  // 0 is hidden
    }
}

// Each choice is made as the user makes it: the menu opens first. Clear leaves the clipboard be.
TEST_F(Menus, TheEditItemsActOnTheFocusedTextArea) {
    auto* view = static_cast<QTextEdit*>(m_area->Widget());
    QApplication::setActiveWindow(m_window->Widget());
    m_area->SetFocus();
    Open(2);
    EXPECT_FALSE(Enabled("EditUndo")) << "a new area has nothing to undo";
    m_area->SetText("hello world");
    m_area->SetSelStart(6);
    view->moveCursor(QTextCursor::End, QTextCursor::KeepAnchor);
    QApplication::clipboard()->clear();
    Open(2);
    EXPECT_TRUE(Enabled("EditCopy") && Enabled("EditCut"));
    EXPECT_FALSE(Enabled("EditPaste"));
    Shown(2, 3)->trigger();  // Copy
    EXPECT_EQ(QApplication::clipboard()->text(), "world");
    Open(2);
    Shown(2, 2)->trigger();  // Cut
    EXPECT_EQ(m_area->Text(), "hello ");
    m_area->SetSelStart(0);
    Open(2);
    Shown(2, 4)->trigger();  // Paste
    EXPECT_EQ(m_area->Text(), "worldhello ");
    Open(2);
    Shown(2, 0)->trigger();  // Undo
    EXPECT_EQ(m_area->Text(), "hello ");
    view->selectAll();
    Open(2);
    Shown(2, 5)->trigger();  // Clear
    EXPECT_EQ(m_area->Text(), "");
    EXPECT_EQ(QApplication::clipboard()->text(), "world");
    Open(2);  // no selection: nothing to cut, copy or clear
    EXPECT_FALSE(Enabled("EditCut") || Enabled("EditCopy") || Enabled("EditClear"));
    EXPECT_TRUE(Enabled("EditPaste"));
}

}  // namespace
