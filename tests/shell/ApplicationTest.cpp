// The application object and its menu bar.
#include <string>
#include <vector>

#include "ShellFixture.h"
#include "framework/core/Exceptions.h"
#include "framework/menus/AppleMenuItem.h"
#include "framework/menus/QuitMenuItem.h"
#include "shell/Vantrex.h"

namespace {

using Application = shelltest::ShellTest;

TEST_F(Application, IsRegisteredWithItsVersionDataAndTheOneMenuBar) {
    const fw::Ref<shell::classes::Vantrex> app = shell::App();
    ASSERT_NE(app, nullptr);
    EXPECT_EQ(fw::GetAppObject(), app);
    EXPECT_EQ(app->MenuBar(), shell::Menu());
    EXPECT_TRUE(fw::Application::SupportsHiDPI());
    EXPECT_EQ((std::vector{app->MajorVersion(), app->MinorVersion(), app->BugVersion(),
                           app->NonReleaseVersion(), app->StageCode()}),
              (std::vector<std::int64_t>{2, 0, 0, 0, 3}));
    EXPECT_EQ(app->ShortVersion(), "Vantrex");
    EXPECT_EQ(app->PackageInfo(), "Vantrex");
    EXPECT_EQ(app->LongVersion(), "\xC2\xA9 2000-2020 Vantrex Analytics.");
    // Without a menu bar, or without the application object, there is no About item to give.
    app->SetMenuBar(nullptr);
    EXPECT_THROW(shell::AboutVantrex(), fw::NilObjectException);
    fw::RuntimeRegisterAppObject(nullptr);
    EXPECT_THROW(shell::AboutVantrex(), fw::NilObjectException);
    fw::RuntimeRegisterAppObject(fw::Cast<fw::Application>(fw::Application::Record().New()));
    EXPECT_THROW(shell::App(), fw::IllegalCastException);  // an application of another class
}

// An item as "parent/name kind caption shortcut" (kind Q: the Quit item, A: an About item). Every
// item is auto-enabled, visible, and found in the bar by its name.
std::string Describe(const std::string& parent, const fw::Ref<fw::MenuItem>& item) {
    EXPECT_TRUE(item->AutoEnabled() && item->Visible()) << item->Name().ToStdString();
    EXPECT_EQ(shell::Menu()->Lookup(item->Name()), item);
    const char kind = std::dynamic_pointer_cast<fw::QuitMenuItem>(item)    ? 'Q'
                      : std::dynamic_pointer_cast<fw::AppleMenuItem>(item) ? 'A'
                                                                           : '-';
    return parent + "/" + item->Name().ToStdString() + " " + kind + " \"" +
           item->Value().ToStdString() + "\" " + item->Shortcut().ToStdString();
}

TEST_F(Application, MenuBarHoldsItsFourMenusAndTheirItemsInScreenOrder) {
    const fw::Ref<shell::classes::Menu> bar = shell::Menu();
    std::vector<std::string> rows;
    for (std::int64_t i = 0; i < bar->Count(); ++i) {
        const fw::Ref<fw::MenuItem> menu = bar->Item(i);
        rows.push_back(Describe("", menu));
        for (std::int64_t j = 0; j < menu->Count(); ++j) {
            rows.push_back(Describe(menu->Name().ToStdString(), menu->Item(j)));
            EXPECT_EQ(menu->Item(j)->Count(), 0);
        }
    }
    EXPECT_EQ(rows, (std::vector<std::string>{
                        "/UntitledMenu3 - \"\" ",
                        "/UntitledMenu2 - \"File\" ",
                        "UntitledMenu2/FileQuit Q \"Quit\" Cmd+Q",
                        "UntitledMenu2/UntitledMenu7 - \"\" ",
                        "/UntitledMenu0 - \"Edit\" ",
                        "UntitledMenu0/EditUndo - \"Undo\" Cmd+Z",
                        "UntitledMenu0/UntitledMenu1 - \"-\" ",
                        "UntitledMenu0/EditCut - \"Cut\" Cmd+X",
                        "UntitledMenu0/EditCopy - \"Copy\" Cmd+C",
                        "UntitledMenu0/EditPaste - \"Paste\" Cmd+V",
                        "UntitledMenu0/EditClear - \"Clear\" ",
                        "UntitledMenu0/UntitledMenu6 - \"\" ",
                        "UntitledMenu0/AboutVantrex A \"About Vantrex Analysis\" ",
                        "UntitledMenu0/UntitledMenu5 A \"\" ",
                        "/UntitledMenu4 - \"\" ",
                    }));
    EXPECT_EQ(shell::AboutVantrex(), bar->Lookup("AboutVantrex"));
}

}  // namespace
