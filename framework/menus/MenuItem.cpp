#include "framework/menus/MenuItem.h"

#include <QAction>
#include <QKeySequence>
#include <QPointer>

#include "framework/core/Exceptions.h"
#include "framework/ui/QtConversions.h"

namespace fw {

struct MenuItem::Shown {
    std::vector<QPointer<QAction>> actions;
};

const ClassRecord& MenuItem::Record() {
    static const ClassRecord record(
        ClassRecord::Builder("MenuItem", nullptr, AllocatorOf<MenuItem>()));
    return record;
}

MenuItem::MenuItem() : m_shown(std::make_unique<Shown>()) {}

MenuItem::~MenuItem() {
    // A child still held elsewhere must not point at a parent that is gone.
    for (const Ref<MenuItem>& child : m_children) {
        child->m_parent = nullptr;
    }
}

void MenuItem::SetValue(const String& caption) {
    m_value = caption;
    UpdateShown();
}

void MenuItem::SetShortcut(const String& shortcut) {
    m_shortcut = shortcut;
    UpdateShown();
}

void MenuItem::SetVisible(bool visible) {
    m_visible = visible;
    UpdateShown();
}

void MenuItem::SetEnabled(bool enabled) {
    m_enabled = enabled;
    UpdateShown();
}

void MenuItem::AddMenu(const Ref<MenuItem>& item) {
    NotNil(item);
    if (item->m_parent != nullptr) {
        throw RuntimeException("Menu item " + item->Name() + " already has a parent.");
    }
    for (const MenuItem* ancestor = this; ancestor != nullptr; ancestor = ancestor->m_parent) {
        if (ancestor == item.get()) {
            throw RuntimeException("Menu item " + item->Name() + " cannot hold itself.");
        }
    }
    item->m_parent = this;
    m_children.push_back(item);
}

Ref<MenuItem> MenuItem::Child(const String& name) const {
    for (const Ref<MenuItem>& child : m_children) {
        if (child->m_name == name) {
            return child;
        }
    }
    return nullptr;
}

Ref<MenuItem> MenuItem::Lookup(const String& name) const {
    for (const Ref<MenuItem>& child : m_children) {
        if (child->m_name == name) {
            return child;
        }
        if (Ref<MenuItem> below = child->Lookup(name)) {
            return below;
        }
    }
    return nullptr;
}

Ref<MenuItem> MenuItem::Item(std::int64_t index) const {
    if (index < 0 || index >= Count()) {
        return nullptr;
    }
    return m_children[static_cast<std::size_t>(index)];
}

void MenuItem::ShowAs(QAction* action) {
    m_shown->actions.emplace_back(action);
    UpdateShown();
}

void MenuItem::UpdateShown() {
    auto& actions = m_shown->actions;
    std::erase_if(actions, [](const QPointer<QAction>& action) { return action.isNull(); });
    const bool separator = m_value == "-";
    QString caption = ToQString(m_value);
    caption.replace('&', "&&");  // a caption's "&" is text, not a mnemonic
    const QKeySequence keys = QKeySequence::fromString(ToQString(PlatformShortcut(m_shortcut)),
                                                       QKeySequence::PortableText);
    for (const QPointer<QAction>& action : actions) {
        action->setSeparator(separator);
        action->setText(separator ? QString() : caption);
        action->setShortcut(separator ? QKeySequence() : keys);
        action->setVisible(m_visible && !m_value.IsEmpty());
        action->setEnabled(m_enabled);
    }
}

String PlatformShortcut(const String& shortcut) {
    std::string text = shortcut.ToStdString();
    const std::string command = "Cmd";
    const std::string control = "Ctrl";
    for (std::size_t at = text.find(command); at != std::string::npos;
         at = text.find(command, at + control.size())) {
        text.replace(at, command.size(), control);
    }
    return String(std::move(text));
}

}  // namespace fw
