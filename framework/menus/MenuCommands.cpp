#include "framework/menus/MenuCommands.h"

#include <QWidget>
#include <functional>

#include "framework/menus/EditCommands.h"
#include "framework/menus/MenuBar.h"
#include "framework/menus/QuitMenuItem.h"
#include "framework/ui/Application.h"
#include "framework/ui/Delegate.h"
#include "framework/ui/DialogOwner.h"
#include "framework/ui/ExceptionHandling.h"
#include "framework/ui/Runtime.h"
#include "framework/ui/Window.h"

namespace fw {

namespace {

void ForEachItemBelow(const MenuItem& parent, const std::function<void(const Ref<MenuItem>&)>& fn) {
    for (std::int64_t i = 0; i < parent.Count(); ++i) {
        Ref<MenuItem> child = parent.Item(i);
        fn(child);
        ForEachItemBelow(*child, fn);
    }
}

}  // namespace

void PrepareMenus(Window& window) {
    Ref<Application> app = GetAppObject();
    Ref<MenuBar> bar = app ? app->MenuBar() : nullptr;
    if (!bar) {
        return;
    }
    QWidget* focus = window.Widget()->focusWidget();
    // The menus themselves stay as they are; their items are made ready.
    const auto prepare = [&](const Ref<MenuItem>& item) {
        if (std::dynamic_pointer_cast<QuitMenuItem>(item)) {
            item->SetEnabled(true);
        } else if (IsEditCommand(item->Name())) {
            item->SetEnabled(EditCommandEnabled(item->Name(), focus));
        } else if (item->AutoEnabled()) {
            item->SetEnabled(window.MenuHandler(item->Name().View()) != nullptr);
        }
    };
    for (std::int64_t i = 0; i < bar->Count(); ++i) {
        ForEachItemBelow(*bar->Item(i), prepare);
    }
    window.RaiseEvent("EnableMenuItems");
}

void ChooseMenuItem(Window& window, const Ref<MenuItem>& item) {
    Ref<Window> keep = std::static_pointer_cast<Window>(window.shared_from_this());
    if (Ref<Delegate> handler = window.MenuHandler(item->Name().View())) {
        DialogOwnerScope owner(keep);
        bool handled = false;
        RunGuarded([&] { handled = handler->Invoke(EventArgs()); });
        if (handled) {
            return;
        }
    }
    if (std::dynamic_pointer_cast<QuitMenuItem>(item)) {
        Quit(0);
    } else if (IsEditCommand(item->Name())) {
        RunEditCommand(item->Name(), window.Widget()->focusWidget());
    }
}

}  // namespace fw
