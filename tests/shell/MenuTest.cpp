#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/menus/AppleMenuItem.h"
#include "framework/menus/QuitMenuItem.h"
#include "shell/Menu.h"

namespace {

using fw::MenuItem;
using fw::Ref;

enum class Kind { Item, Quit, Apple };

struct Row {
    std::string name;
    Kind kind;
    std::string caption;
    std::string shortcut;
};

Kind KindOf(const Ref<MenuItem>& item) {
    if (std::dynamic_pointer_cast<fw::QuitMenuItem>(item)) {
        return Kind::Quit;
    }
    if (std::dynamic_pointer_cast<fw::AppleMenuItem>(item)) {
        return Kind::Apple;
    }
    return Kind::Item;
}

std::vector<Row> RowsOf(const Ref<MenuItem>& menu) {
    std::vector<Row> rows;
    for (std::int64_t i = 0; i < menu->Count(); ++i) {
        Ref<MenuItem> item = menu->Item(i);
        rows.push_back({item->Name().ToStdString(), KindOf(item), item->Value().ToStdString(),
                        item->Shortcut().ToStdString()});
    }
    return rows;
}

bool operator==(const Row& a, const Row& b) {
    return a.name == b.name && a.kind == b.kind && a.caption == b.caption &&
           a.shortcut == b.shortcut;
}

void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name << " (" << static_cast<int>(row.kind) << ") \"" << row.caption << "\" \""
         << row.shortcut << "\"";
}

class MenuBar : public ::testing::Test {
  protected:
    void TearDown() override { shell::classes::Menu::implicitInstance = nullptr; }
};

TEST_F(MenuBar, IsBuiltOnceWithItsFourMenusInScreenOrder) {
    Ref<shell::classes::Menu> bar = shell::Menu();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(shell::Menu(), bar);
    EXPECT_EQ(shell::classes::Menu::implicitInstance, bar);
    EXPECT_EQ(bar->Count(), 4);  // not eight: the second call built nothing
    EXPECT_EQ(RowsOf(bar), (std::vector<Row>{{"UntitledMenu3", Kind::Item, "", ""},
                                             {"UntitledMenu2", Kind::Item, "File", ""},
                                             {"UntitledMenu0", Kind::Item, "Edit", ""},
                                             {"UntitledMenu4", Kind::Item, "", ""}}));
    EXPECT_EQ(bar->Child("UntitledMenu3")->Count(), 0);
    EXPECT_EQ(bar->Child("UntitledMenu4")->Count(), 0);
}

TEST_F(MenuBar, FileAndEditHoldTheirEntriesInOrder) {
    Ref<shell::classes::Menu> bar = shell::Menu();
    EXPECT_EQ(RowsOf(bar->Child("UntitledMenu2")),
              (std::vector<Row>{{"FileQuit", Kind::Quit, "Quit", "Cmd+Q"},
                                {"UntitledMenu7", Kind::Item, "", ""}}));
    EXPECT_EQ(RowsOf(bar->Child("UntitledMenu0")),
              (std::vector<Row>{{"EditUndo", Kind::Item, "Undo", "Cmd+Z"},
                                {"UntitledMenu1", Kind::Item, "-", ""},
                                {"EditCut", Kind::Item, "Cut", "Cmd+X"},
                                {"EditCopy", Kind::Item, "Copy", "Cmd+C"},
                                {"EditPaste", Kind::Item, "Paste", "Cmd+V"},
                                {"EditClear", Kind::Item, "Clear", ""},
                                {"UntitledMenu6", Kind::Item, "", ""},
                                {"AboutVantrex", Kind::Apple, "About Vantrex Analysis", ""},
                                {"UntitledMenu5", Kind::Apple, "", ""}}));
}

TEST_F(MenuBar, EveryItemIsAutoEnabledVisibleAndFoundByItsOwnName) {
    Ref<shell::classes::Menu> bar = shell::Menu();
    std::vector<std::string> names;
    for (std::int64_t i = 0; i < bar->Count(); ++i) {
        Ref<MenuItem> menu = bar->Item(i);
        names.push_back(menu->Name().ToStdString());
        for (std::int64_t j = 0; j < menu->Count(); ++j) {
            EXPECT_EQ(menu->Item(j)->Count(), 0) << "no submenus";
            names.push_back(menu->Item(j)->Name().ToStdString());
        }
    }
    ASSERT_EQ(names.size(), 15u);
    for (const std::string& name : names) {
        Ref<MenuItem> item = bar->Lookup(fw::String(name));
        ASSERT_NE(item, nullptr) << name;
        EXPECT_EQ(item->Name(), fw::String(name));
        EXPECT_TRUE(item->AutoEnabled()) << name;
        EXPECT_TRUE(item->Visible()) << name;
    }
    EXPECT_EQ(bar->Lookup("AboutVantrex")->Parent(), bar->Child("UntitledMenu0").get());
}

}  // namespace
