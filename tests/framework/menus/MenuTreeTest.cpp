#include <gtest/gtest.h>

#include "framework/core/Exceptions.h"
#include "framework/menus/AppleMenuItem.h"
#include "framework/menus/MenuBar.h"
#include "framework/menus/QuitMenuItem.h"

namespace {

using fw::MenuItem;
using fw::Ref;

Ref<MenuItem> Item(const char* name, const char* caption, Ref<MenuItem> made = nullptr) {
    Ref<MenuItem> item = made ? made : std::make_shared<MenuItem>();
    item->Constructor();
    item->SetName(name);
    item->SetAutoEnabled(true);
    item->SetValue(caption);
    item->SetVisible(true);
    return item;
}

TEST(MenuTree, ItemsAreAppendedLastAndFoundByName) {
    auto bar = std::make_shared<fw::MenuBar>();
    bar->AddMenu(Item("UntitledMenu3", ""));
    bar->AddMenu(Item("UntitledMenu2", "File"));
    bar->Child("UntitledMenu2")
        ->AddMenu(Item("FileQuit", "Quit", std::make_shared<fw::QuitMenuItem>()));
    bar->AddMenu(Item("UntitledMenu0", "Edit"));
    bar->Child("UntitledMenu0")->AddMenu(Item("EditUndo", "Undo"));
    bar->Child("UntitledMenu0")
        ->AddMenu(
            Item("AboutVantrex", "About Vantrex Analysis", std::make_shared<fw::AppleMenuItem>()));

    ASSERT_EQ(bar->Count(), 3);
    EXPECT_EQ(bar->Item(0)->Name(), "UntitledMenu3");
    EXPECT_EQ(bar->Item(2)->Name(), "UntitledMenu0");
    EXPECT_EQ(bar->Item(3), nullptr);
    EXPECT_EQ(bar->Item(-1), nullptr);

    // Child looks one level down only; Lookup anywhere below.
    EXPECT_EQ(bar->Child("EditUndo"), nullptr);
    Ref<MenuItem> about = bar->Lookup("AboutVantrex");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->Value(), "About Vantrex Analysis");
    EXPECT_NE(fw::Cast<fw::AppleMenuItem>(about), nullptr);
    EXPECT_THROW(fw::Cast<fw::QuitMenuItem>(about), fw::IllegalCastException);
    EXPECT_EQ(about->Parent(), bar->Child("UntitledMenu0").get());
    EXPECT_EQ(bar->Lookup("Nothing"), nullptr);
    EXPECT_EQ(bar->Lookup("UntitledMenu2")->Lookup("FileQuit")->Value(), "Quit");
}

TEST(MenuTree, AnItemHasOneParentAndNeverHoldsItself) {
    auto bar = std::make_shared<fw::MenuBar>();
    auto file = Item("File", "File");
    auto quit = Item("FileQuit", "Quit");
    bar->AddMenu(file);
    file->AddMenu(quit);
    EXPECT_THROW(bar->AddMenu(quit), fw::RuntimeException);
    EXPECT_THROW(quit->AddMenu(file), fw::RuntimeException);
    EXPECT_THROW(quit->AddMenu(quit), fw::RuntimeException);
    EXPECT_THROW(bar->AddMenu(nullptr), fw::NilObjectException);
    EXPECT_EQ(file->Count(), 1);
}

TEST(MenuTree, ItemsStartEnabledVisibleAndWithoutShortcut) {
    auto item = std::make_shared<MenuItem>();
    EXPECT_TRUE(item->Enabled());
    EXPECT_TRUE(item->Visible());
    EXPECT_EQ(item->Shortcut(), "");
    EXPECT_EQ(fw::PlatformShortcut("Cmd+Q"), "Ctrl+Q");
    EXPECT_EQ(fw::PlatformShortcut(""), "");
}

}  // namespace
