#include "shell/Menu.h"

#include <optional>
#include <string_view>

#include "framework/menus/AppleMenuItem.h"
#include "framework/menus/QuitMenuItem.h"

namespace shell {

namespace classes {

fw::Ref<Menu> Menu::implicitInstance;

namespace {

// One row of the tree. A top-level menu has no parent; an entry names its top-level menu. The
// separator is the one row whose shortcut is never set.
struct MenuRow {
    const fw::ClassRecord& (*record)();
    std::string_view parent;
    std::string_view name;
    std::string_view caption;
    std::optional<std::string_view> shortcut;
};

constexpr auto kMenuItem = &fw::MenuItem::Record;
constexpr auto kQuitItem = &fw::QuitMenuItem::Record;
constexpr auto kAppleItem = &fw::AppleMenuItem::Record;

// Makes the row's item, sets its properties in a fixed order and appends it at once, so that the
// entries that follow a top-level menu find it by name.
void BuildRow(Menu& bar, const MenuRow& row) {
    fw::Ref<fw::MenuItem> item = fw::Cast<fw::MenuItem>(row.record().New());
    item->Constructor();
    item->SetName(fw::String(row.name));
    item->SetAutoEnabled(true);
    item->SetValue(fw::String(row.caption));
    item->SetVisible(true);
    if (row.shortcut) {
        item->SetShortcut(fw::String(*row.shortcut));
    }
    if (row.parent.empty()) {
        bar.AddMenu(item);
    } else {
        fw::NotNil(bar.Child(fw::String(row.parent)))->AddMenu(item);
    }
}

}  // namespace

const fw::ClassRecord& Menu::Record() {
    static const fw::ClassRecord record(
        fw::ClassRecord::Builder("Menu", &fw::MenuBar::Record(), fw::AllocatorOf<Menu>())
            .Method("Untitled0", "()")
            .Method("Untitled1", "()")
            .Method("Untitled2", "()")
            .Method("Untitled3", "()"));
    return record;
}

void Menu::Constructor() {
    Untitled0();
    Untitled1();
    Untitled2();
    Untitled3();
}

// The operations and the menus they build are not numbered alike: Untitled0 builds
// UntitledMenu3, Untitled2 builds UntitledMenu0.

void Menu::Untitled0() {
    BuildRow(*this, {kMenuItem, "", "UntitledMenu3", "", ""});
}

void Menu::Untitled1() {
    BuildRow(*this, {kMenuItem, "", "UntitledMenu2", "File", ""});
    BuildRow(*this, {kQuitItem, "UntitledMenu2", "FileQuit", "Quit", "Cmd+Q"});
    BuildRow(*this, {kMenuItem, "UntitledMenu2", "UntitledMenu7", "", ""});
}

void Menu::Untitled2() {
    BuildRow(*this, {kMenuItem, "", "UntitledMenu0", "Edit", ""});
    BuildRow(*this, {kMenuItem, "UntitledMenu0", "EditUndo", "Undo", "Cmd+Z"});
    BuildRow(*this, {kMenuItem, "UntitledMenu0", "UntitledMenu1", "-", std::nullopt});
    BuildRow(*this, {kMenuItem, "UntitledMenu0", "EditCut", "Cut", "Cmd+X"});
    BuildRow(*this, {kMenuItem, "UntitledMenu0", "EditCopy", "Copy", "Cmd+C"});
    BuildRow(*this, {kMenuItem, "UntitledMenu0", "EditPaste", "Paste", "Cmd+V"});
    BuildRow(*this, {kMenuItem, "UntitledMenu0", "EditClear", "Clear", ""});
    BuildRow(*this, {kMenuItem, "UntitledMenu0", "UntitledMenu6", "", ""});
    BuildRow(*this, {kAppleItem, "UntitledMenu0", "AboutVantrex", "About Vantrex Analysis", ""});
    BuildRow(*this, {kAppleItem, "UntitledMenu0", "UntitledMenu5", "", ""});
}

void Menu::Untitled3() {
    BuildRow(*this, {kMenuItem, "", "UntitledMenu4", "", ""});
}

}  // namespace classes

fw::Ref<classes::Menu> Menu() {
    if (classes::Menu::implicitInstance) {
        return classes::Menu::implicitInstance;
    }
    // Held locally until the build is complete: a build that raises releases the partial bar.
    auto bar = fw::Cast<classes::Menu>(classes::Menu::Record().New());
    bar->Constructor();
    classes::Menu::implicitInstance = bar;
    return bar;
}

}  // namespace shell
