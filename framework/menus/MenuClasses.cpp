#include "framework/menus/AppleMenuItem.h"
#include "framework/menus/MenuBar.h"
#include "framework/menus/QuitMenuItem.h"

namespace fw {

const ClassRecord& MenuBar::Record() {
    static const ClassRecord record(
        ClassRecord::Builder("MenuBar", &MenuItem::Record(), AllocatorOf<MenuBar>()));
    return record;
}

const ClassRecord& QuitMenuItem::Record() {
    static const ClassRecord record(
        ClassRecord::Builder("QuitMenuItem", &MenuItem::Record(), AllocatorOf<QuitMenuItem>()));
    return record;
}

const ClassRecord& AppleMenuItem::Record() {
    static const ClassRecord record(
        ClassRecord::Builder("AppleMenuItem", &MenuItem::Record(), AllocatorOf<AppleMenuItem>()));
    return record;
}

}  // namespace fw
