#include "framework/ui/Window.h"

#include <QLayout>
#include <QMenuBar>
#include <algorithm>

#include "framework/core/Exceptions.h"
#include "framework/menus/MenuBar.h"
#include "framework/menus/MenuPresenter.h"
#include "framework/ui/Application.h"
#include "framework/ui/Control.h"
#include "framework/ui/Delegate.h"
#include "framework/ui/DialogOwner.h"
#include "framework/ui/ExceptionHandling.h"
#include "framework/ui/Placement.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/QtConversions.h"
#include "framework/ui/RectControl.h"
#include "framework/ui/RestingPointer.h"
#include "framework/ui/WindowWidget.h"

namespace fw {

namespace {

// The one window type that is no document window: a small title-less floating window.
constexpr std::int64_t kFloatingSplash = 2;

std::vector<Ref<Window>>& HeldWindows() {
    static std::vector<Ref<Window>> windows;
    return windows;
}

}  // namespace

const ClassRecord& Window::Record() {
    static const ClassRecord record(ClassRecord::Builder("Window", nullptr, AllocatorOf<Window>())
                                        .DeclareEvent("Layout", EventShape::Plain)
                                        .DeclareEvent("CreateControls", EventShape::Plain)
                                        .DeclareEvent("AddMenuHandlers", EventShape::Sender)
                                        .DeclareEvent("Activate", EventShape::Plain)
                                        .DeclareEvent("Close", EventShape::Plain)
                                        .DeclareEvent("EnableMenuItems", EventShape::Plain)
                                        .DeclareEvent("MouseDown", EventShape::Position)
                                        .DeclareEvent("KeyDown", EventShape::Key));
    return record;
}

Window::Window() : m_class(&Record()), m_widget(new WindowWidget(this)) {
    PropertiesApplied();
}

Window::~Window() {
    m_widget->Detach();
    // Hidden before its controls go: a control hidden in a shown window would hand the focus on
    // to the next one and raise that one's GotFocus, whose handler's window is already gone.
    m_widget->hide();
    m_named.clear();
    m_controls.clear();
    // Never deleted here: this may run inside one of the widget's own events.
    m_widget->deleteLater();
}

QWidget* Window::Widget() const {
    return m_widget;
}

QWidget* Window::Content() const {
    return m_widget->Content();
}

void Window::Constructor() {
    if (m_constructing || m_constructed) {
        throw RuntimeException("The window is already built.");
    }
    Ref<Window> self = std::static_pointer_cast<Window>(shared_from_this());
    m_constructing = true;
    try {
        // The two construction events are called directly: what they raise is the caller's.
        for (const char* event : {"Layout", "CreateControls"}) {
            if (const EventHandler* handler = m_class->Handler(event)) {
                handler->call(*this, EventArgs());
            }
        }
    } catch (...) {
        m_constructing = false;
        throw;
    }
    m_constructing = false;
    m_constructed = true;
    ApplyTabOrder();
    HeldWindows().push_back(self);
    RefreshMenuBar();
    EventArgs args;
    args.sender = self;
    RaiseEvent("AddMenuHandlers", args);
    if (m_visible) {
        Show();
    }
}

void Window::Show() {
    m_visible = true;
    if (!m_constructed) {
        return;
    }
    // Where it opens (DefaultLocation 0, and any other): a floating window speaks for another of
    // the application's windows, as a dialog does, and is centred over that one every time; any
    // other window is centred on the screen the first time, and later keeps the place the user
    // gave it.
    QWidget* owner = DialogOwner();
    if (m_type == kFloatingSplash && owner != nullptr && owner != m_widget) {
        CentreWindow(*m_widget, owner);
    } else if (!m_shownOnce) {
        CentreWindow(*m_widget, nullptr);
    }
    m_shownOnce = true;
    NoteRestingPointer();
    if (m_fullScreen) {
        m_widget->showFullScreen();
    } else {
        m_widget->show();
    }
    m_widget->raise();
    m_widget->activateWindow();
}

void Window::Hide() {
    m_visible = false;
    m_widget->hide();
}

bool Window::IsShown() const {
    return m_widget->isVisible();
}

void Window::Close() {
    m_widget->close();
}

void Window::SetVisible(bool visible) {
    if (!m_constructed) {
        m_visible = visible;
    } else if (visible) {
        Show();
    } else {
        Hide();
    }
}

Ref<Object> Window::New(const ClassRecord& controlClass) {
    Ref<Control> control = Cast<Control>(controlClass.New());
    control->AttachTo(*this);
    m_controls.push_back(control);
    return control;
}

Ref<PushButton> Window::DefaultButton() const {
    for (const Ref<Control>& control : m_controls) {
        auto button = std::dynamic_pointer_cast<PushButton>(control);
        if (button && button->Default()) {
            return button;
        }
    }
    return nullptr;
}

void Window::AddControl(const String& name, const Ref<Object>& object) {
    Ref<Control> control = Cast<Control>(NotNil(object));
    if (name.IsEmpty()) {
        throw RuntimeException("A control needs a name.");
    }
    if (control->ParentWindow().get() != this) {
        throw RuntimeException("Control " + name + " belongs to another window.");
    }
    if (!m_named.emplace(name.ToStdString(), control).second) {
        throw RuntimeException("The window already has a control named " + name + ".");
    }
    control->SetName(name);
}

Ref<Object> Window::ControlByName(const String& name) const {
    auto found = m_named.find(name.View());
    return found == m_named.end() ? nullptr : found->second;
}

void Window::AddMenuHandler(const String& itemName, const Ref<Delegate>& handler) {
    NotNil(handler);
    if (handler->Shape() != EventShape::Query) {
        throw RuntimeException("A menu handler takes nothing and answers a Boolean.");
    }
    m_menuHandlers[itemName.ToStdString()] = handler;
}

bool Window::RaiseEvent(std::string_view name, const EventArgs& args) {
    const EventHandler* handler = m_class->Handler(name);
    if (handler == nullptr) {
        return false;
    }
    Ref<Window> keep = std::static_pointer_cast<Window>(shared_from_this());
    DialogOwnerScope owner(keep);
    bool answer = false;
    RunGuarded([&] { answer = handler->call(*this, args); });
    return answer;
}

void Window::HandleActivate() {
    RaiseEvent("Activate");
}

void Window::HandleClose() {
    Ref<Object> keep = shared_from_this();
    RaiseEvent("Close");
    m_visible = false;
    auto& windows = HeldWindows();
    windows.erase(std::remove(windows.begin(), windows.end(), keep), windows.end());
}

bool Window::ShowsMenuBar() const {
    return m_type == 0 && m_menuBarVisible;
}

Ref<Delegate> Window::MenuHandler(std::string_view itemName) const {
    auto found = m_menuHandlers.find(itemName);
    return found == m_menuHandlers.end() ? nullptr : found->second;
}

const PropertyTable& Window::Properties() const {
    using W = Window;
    static const PropertyTable table =
        PropertyTable::For<W>()
            .Integer("Width", Store(&W::m_width))
            .Integer("Height", Store(&W::m_height))
            .Integer("MinimumWidth", Store(&W::m_minWidth))
            .Integer("MinimumHeight", Store(&W::m_minHeight))
            .Integer("MaximumWidth", Store(&W::m_maxWidth))
            .Integer("MaximumHeight", Store(&W::m_maxHeight))
            .Integer("Type", Store(&W::m_type))
            .Text("Title",
                  [](W& window, const String& title) {
                      window.m_title = title;
                      window.m_widget->setWindowTitle(ToQString(title));
                  })
            .Boolean("HasCloseButton", Store(&W::m_hasCloseButton))
            .Boolean("HasMaximizeButton", Store(&W::m_hasMaximizeButton))
            .Boolean("HasMinimizeButton", Store(&W::m_hasMinimizeButton))
            .Boolean("Resizeable", Store(&W::m_resizeable))
            .Boolean("FullScreen", Store(&W::m_fullScreen))
            .Boolean("Visible", [](W& window, bool visible) { window.SetVisible(visible); })
            .Boolean("HasBackgroundColor", Store(&W::m_hasBackgroundColor))
            .Color("BackgroundColor", Store(&W::m_backgroundColor))
            .Boolean("MenuBarVisible", Store(&W::m_menuBarVisible))
            .Ignored(
                {"HasFullScreenButton", "Composite", "MacProcID", "DefaultLocation", "LiveResize"});
    return table;
}

void Window::PropertiesApplied() {
    ApplyFlags();
    RefreshMenuBar();
}

void Window::ApplyGeometry() {
    QWidget* content = m_widget->Content();
    // Sizes below nothing are none.
    const auto size = [](std::int64_t value) { return std::max(ToPixels(value), 0); };
    const int width = size(m_width);
    const int height = size(m_height);
    if (m_resizeable) {
        m_widget->layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
        content->setMinimumSize(size(m_minWidth), size(m_minHeight));
        content->setMaximumSize(std::max(size(m_maxWidth), size(m_minWidth)),
                                std::max(size(m_maxHeight), size(m_minHeight)));
        // The window's own size is the content's and the menu bar's above it.
        QWidget* bar = m_widget->menuWidget();
        const int barHeight = (bar != nullptr && !bar->isHidden()) ? bar->sizeHint().height() : 0;
        m_widget->resize(width, height + barHeight);
    } else {
        // Not resizeable: the content keeps its size and the window follows it.
        content->setFixedSize(width, height);
        m_widget->layout()->setSizeConstraint(QLayout::SetFixedSize);
    }
    QPalette palette = content->palette();
    if (m_hasBackgroundColor) {
        palette.setColor(QPalette::Window, ToQColor(m_backgroundColor));
    }
    content->setPalette(palette);
    content->setAutoFillBackground(m_hasBackgroundColor);
}

void Window::ApplyFlags() {
    Qt::WindowFlags flags;
    if (m_type == kFloatingSplash) {
        flags = Qt::Tool | Qt::FramelessWindowHint;
    } else {
        flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (m_hasCloseButton) {
            flags |= Qt::WindowCloseButtonHint;
        }
        if (m_hasMinimizeButton) {
            flags |= Qt::WindowMinimizeButtonHint;
        }
        if (m_hasMaximizeButton && m_resizeable) {
            flags |= Qt::WindowMaximizeButtonHint;
        }
    }
    m_widget->SetFrameLine(flags.testFlag(Qt::FramelessWindowHint));
    if (m_widget->windowFlags() == flags) {
        return;
    }
    const bool shown = m_widget->isVisible();
    m_widget->setWindowFlags(flags);
    if (shown) {
        m_widget->show();
    }
}

void Window::ApplyTabOrder() {
    std::vector<RectControl*> chain;
    for (const Ref<Control>& control : m_controls) {
        auto* rect = dynamic_cast<RectControl*>(control.get());
        if (rect != nullptr && rect->TabStop()) {
            chain.push_back(rect);
        }
    }
    std::stable_sort(chain.begin(), chain.end(),
                     [](RectControl* a, RectControl* b) { return a->TabIndex() < b->TabIndex(); });
    for (std::size_t i = 1; i < chain.size(); ++i) {
        QWidget::setTabOrder(chain[i - 1]->Widget(), chain[i]->Widget());
    }
}

void Window::RefreshMenuBar() {
    if (m_constructed) {
        Ref<Application> app = GetAppObject();
        Ref<fw::MenuBar> bar = app ? app->MenuBar() : nullptr;
        if (ShowsMenuBar() && bar) {
            m_widget->setMenuBar(PresentMenuBar(bar, *this));
        } else if (QWidget* shown = m_widget->menuWidget()) {
            shown->hide();
        }
    }
    ApplyGeometry();
}

Ref<Window> GetImplicitWindow(const String& className) {
    for (const Ref<Window>& window : HeldWindows()) {
        if (window->Class().Name() == className) {
            return window;
        }
    }
    return nullptr;
}

std::vector<Ref<Window>> OpenWindows() {
    return HeldWindows();
}

void CloseAllWindowsSilently() {
    // Taken out first, so that no destructor meets a half-emptied list.
    std::vector<Ref<Window>> windows = std::move(HeldWindows());
    HeldWindows().clear();
    windows.clear();
}

}  // namespace fw
