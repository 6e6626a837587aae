#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "framework/core/Object.h"
#include "framework/core/String.h"
#include "framework/ui/ClassRecord.h"

class QAction;

namespace fw {

// A menu or a menu entry. Name is the key that Child, Lookup and menu handlers find it by;
// Value is the caption ("-" makes a separator, an empty caption hides the item); Shortcut is the
// key as text ("Cmd+Q", shown and bound as Ctrl+Q here). An item is held by its parent once it
// has been appended.
class MenuItem : public Object {
  public:
    static const ClassRecord& Record();

    MenuItem();
    ~MenuItem() override;
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    // The no-argument constructor of the framework: a fresh item without parent.
    virtual void Constructor() {}

    String Name() const { return m_name; }
    void SetName(const String& name) { m_name = name; }
    String Value() const { return m_value; }
    void SetValue(const String& caption);
    String Shortcut() const { return m_shortcut; }
    void SetShortcut(const String& shortcut);
    bool AutoEnabled() const { return m_autoEnabled; }
    void SetAutoEnabled(bool autoEnabled) { m_autoEnabled = autoEnabled; }
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);

    // Appends the item as the last child. An item that already has a parent, or that would
    // become its own ancestor, raises RuntimeException.
    void AddMenu(const Ref<MenuItem>& item);
    // The direct child of that name, or nil.
    Ref<MenuItem> Child(const String& name) const;
    // The item of that name anywhere below this one (depth first, in order), or nil.
    Ref<MenuItem> Lookup(const String& name) const;
    std::int64_t Count() const { return static_cast<std::int64_t>(m_children.size()); }
    // The child at a 0-based index, or nil.
    Ref<MenuItem> Item(std::int64_t index) const;
    MenuItem* Parent() const { return m_parent; }

    // For the menus shown on screen: an action that shows this item and follows its changes.
    void ShowAs(QAction* action);

  private:
    void UpdateShown();
    struct Shown;
    std::unique_ptr<Shown> m_shown;
    String m_name;
    String m_value;
    String m_shortcut;
    bool m_autoEnabled = true;
    bool m_visible = true;
    bool m_enabled = true;
    MenuItem* m_parent = nullptr;
    std::vector<Ref<MenuItem>> m_children;
};

// "Cmd+Q" as this platform writes it: "Ctrl+Q".
String PlatformShortcut(const String& shortcut);

}  // namespace fw
