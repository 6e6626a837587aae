#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/Object.h"
#include "framework/core/String.h"
#include "framework/ui/ClassRecord.h"
#include "framework/ui/SetProperties.h"

class QWidget;

namespace fw {

class Control;
class Delegate;
class PushButton;
class WindowWidget;

// A window. A window class of the system derives from Window, has a class record whose base is
// Window::Record() and whose allocator is AllocatorOf<TheClass>(), and answers the window's
// events through the record's event table:
//     Layout, CreateControls, AddMenuHandlers (the window), Activate, Close, EnableMenuItems,
//     MouseDown (x, y; Boolean) and KeyDown (key; Boolean).
// A window is made with its record's New() and built with Constructor(); the framework holds it
// from then until it is closed, and GetImplicitWindow finds it by its class's name.
class Window : public Object, public PropertyTarget {
  public:
    static const ClassRecord& Record();

    Window();
    ~Window() override;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    const ClassRecord& Class() const { return *m_class; }
    // For the allocator: the record the window was made from.
    void MadeFrom(const ClassRecord& record) { m_class = &record; }

    // Builds the window: raises Layout and CreateControls (an exception from them passes on to
    // the caller, and the window is then not held), orders the tab chain, raises
    // AddMenuHandlers, and shows the window when its properties made it visible.
    void Constructor();

    void Show();
    // Hides the window; it stays open, and GetImplicitWindow still finds it.
    void Hide();
    bool IsShown() const;
    // Closes the window as its close button does: raises Close, hides it and lets it go.
    void Close();

    // A new, not yet constructed control of the class, belonging to this window.
    Ref<Object> New(const ClassRecord& controlClass);
    // The first push button made for this window that carries Default, or nil: the one that
    // Return presses from a short entry.
    Ref<PushButton> DefaultButton() const;
    // Registers one of this window's controls under the name. A name already taken, or a
    // control of another window, raises RuntimeException.
    void AddControl(const String& name, const Ref<Object>& control);
    // The control registered under the name, or nil.
    Ref<Object> ControlByName(const String& name) const;

    // Choosing the menu item of that name while this window is active calls the handler
    // (a delegate of the shape () as Boolean; True ends the command there).
    void AddMenuHandler(const String& itemName, const Ref<Delegate>& handler);
    // The handler bound to the item of that name, or nil.
    Ref<Delegate> MenuHandler(std::string_view itemName) const;

    // Raises one of the window's events through its class's event table. Returns the handler's
    // answer; false when the class has no handler or the handler raised.
    bool RaiseEvent(std::string_view name, const EventArgs& args = EventArgs());

    // Design-time properties.
    std::int64_t Width() const { return m_width; }
    std::int64_t Height() const { return m_height; }
    std::int64_t Type() const { return m_type; }
    String Title() const { return m_title; }
    bool Resizeable() const { return m_resizeable; }
    bool HasCloseButton() const { return m_hasCloseButton; }
    bool HasMinimizeButton() const { return m_hasMinimizeButton; }
    bool HasMaximizeButton() const { return m_hasMaximizeButton; }
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    bool ShowsMenuBar() const;

    String ClassName() const override { return m_class->Name(); }
    const PropertyTable& Properties() const override;
    void PropertiesApplied() override;

    // For the framework: the top-level widget, and the content widget that holds the controls.
    QWidget* Widget() const;
    QWidget* Content() const;
    // Shows the application's menu bar again (after the bar was replaced).
    void RefreshMenuBar();

  private:
    friend class WindowWidget;
    void HandleActivate();
    void HandleClose();
    void ApplyGeometry();
    void ApplyFlags();
    void ApplyTabOrder();

    const ClassRecord* m_class;
    WindowWidget* m_widget;  // owned; deleted later, never inside one of its own events
    std::vector<Ref<Control>> m_controls;  // every control made through New
    std::map<std::string, Ref<Control>, std::less<>> m_named;
    std::map<std::string, Ref<Delegate>, std::less<>> m_menuHandlers;

    bool m_constructing = false;
    bool m_constructed = false;
    bool m_shownOnce = false;
    bool m_visible = false;
    std::int64_t m_width = 300;
    std::int64_t m_height = 300;
    std::int64_t m_minWidth = 64;
    std::int64_t m_minHeight = 64;
    std::int64_t m_maxWidth = 32000;
    std::int64_t m_maxHeight = 32000;
    std::int64_t m_type = 0;
    String m_title;
    bool m_hasCloseButton = true;
    bool m_hasMinimizeButton = true;
    bool m_hasMaximizeButton = true;
    bool m_resizeable = true;
    bool m_fullScreen = false;
    bool m_hasBackgroundColor = false;
    Color m_backgroundColor{255, 255, 255, 0};
    bool m_menuBarVisible = true;
};

// The open window of the class of that name, or nil.
Ref<Window> GetImplicitWindow(const String& className);

// The windows the framework holds, in the order they were built.
std::vector<Ref<Window>> OpenWindows();

// The exit step's part: lets every window go without raising any event.
void CloseAllWindowsSilently();

}  // namespace fw
