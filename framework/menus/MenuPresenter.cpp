#include "framework/menus/MenuPresenter.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "framework/menus/AppleMenuItem.h"
#include "framework/menus/MenuBar.h"
#include "framework/menus/MenuCommands.h"
#include "framework/menus/QuitMenuItem.h"
#include "framework/ui/Window.h"

namespace fw {

namespace {

Ref<Window> Lock(const std::weak_ptr<Object>& window) {
    return std::static_pointer_cast<Window>(window.lock());
}

void PrepareOnOpening(QMenu* menu, const std::weak_ptr<Object>& window) {
    QObject::connect(menu, &QMenu::aboutToShow, menu, [window] {
        if (Ref<Window> shown = Lock(window)) {
            PrepareMenus(*shown);
        }
    });
}

void AddEntries(QMenu* menu, const Ref<MenuItem>& parent, const std::weak_ptr<Object>& window) {
    for (std::int64_t i = 0; i < parent->Count(); ++i) {
        Ref<MenuItem> item = parent->Item(i);
        if (item->Count() > 0) {
            QMenu* submenu = menu->addMenu(QString());
            item->ShowAs(submenu->menuAction());
            AddEntries(submenu, item, window);
            continue;
        }
        QAction* action = menu->addAction(QString());
        if (std::dynamic_pointer_cast<QuitMenuItem>(item)) {
            action->setMenuRole(QAction::QuitRole);
        } else if (std::dynamic_pointer_cast<AppleMenuItem>(item)) {
            action->setMenuRole(QAction::AboutRole);
        } else {
            action->setMenuRole(QAction::NoRole);
        }
        std::weak_ptr<MenuItem> chosen = item;
        QObject::connect(action, &QAction::triggered, action, [window, chosen] {
            Ref<Window> shown = Lock(window);
            Ref<MenuItem> target = chosen.lock();
            if (shown && target) {
                ChooseMenuItem(*shown, target);
            }
        });
        item->ShowAs(action);
    }
}

}  // namespace

QMenuBar* PresentMenuBar(const Ref<MenuBar>& bar, Window& window) {
    auto* menuBar = new QMenuBar;
    menuBar->setNativeMenuBar(false);
    const std::weak_ptr<Object> owner = window.weak_from_this();
    for (std::int64_t i = 0; i < bar->Count(); ++i) {
        Ref<MenuItem> top = bar->Item(i);
        auto* menu = new QMenu(menuBar);
        menuBar->addMenu(menu);
        top->ShowAs(menu->menuAction());
        PrepareOnOpening(menu, owner);
        AddEntries(menu, top, owner);
    }
    return menuBar;
}

}  // namespace fw
