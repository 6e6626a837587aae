#include "framework/ui/RectControl.h"

#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <array>
#include <limits>

#include "framework/core/Exceptions.h"
#include "framework/testing/EventRecorder.h"
#include "framework/ui/QtConversions.h"
#include "framework/ui/Window.h"

namespace fw {

namespace {

// The names that every RectControl's lists hold; what Transparent means is each class's own.
constexpr std::array<std::string_view, 19> kSharedPropertyNames = {
    "Name",         "Index",
    "Left",         "Top",
    "Width",        "Height",
    "LockLeft",     "LockTop",
    "LockRight",    "LockBottom",
    "TabIndex",     "TabPanelIndex",
    "TabStop",      "AllowAutoDeactivate",
    "Enabled",      "Tooltip",
    "Transparent",  "Visible",
    "InitialParent"};

int ToPixels(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, -1000000, 1000000));
}

}  // namespace

struct RectControl::WidgetHandle {
    QPointer<QWidget> widget;
};

const ClassRecord& RectControl::Record() {
    static const ClassRecord record(ClassRecord::Builder("RectControl", &Control::Record()));
    return record;
}

RectControl::RectControl(QWidget* widget) : m_handle(std::make_unique<WidgetHandle>()) {
    m_handle->widget = widget;
    widget->hide();
    widget->setGeometry(0, 0, ToPixels(m_width), ToPixels(m_height));
}

RectControl::~RectControl() {
    if (QWidget* widget = m_handle->widget) {
        // Never deleted here: this may run inside one of the widget's own events.
        widget->hide();
        widget->deleteLater();
    }
}

QWidget* RectControl::Widget() const {
    QWidget* widget = m_handle->widget;
    if (widget == nullptr) {
        throw NilObjectException("The control's window is gone.");
    }
    return widget;
}

QWidget* RectControl::WidgetOrNull() const {
    return m_handle->widget;
}

void RectControl::AttachTo(fw::Window& window) {
    Control::AttachTo(window);
    QWidget* widget = Widget();
    widget->setParent(window.Content());
    widget->setGeometry(ToPixels(m_left), ToPixels(m_top), ToPixels(m_width), ToPixels(m_height));
    widget->setVisible(m_visible);
    ApplyFocusPolicy();
}

void RectControl::SetVisible(bool visible) {
    m_visible = visible;
    QWidget* widget = Widget();
    // A widget without a window would show as a window of its own.
    if (widget->parentWidget() != nullptr) {
        widget->setVisible(visible);
    }
}

void RectControl::SetEnabled(bool enabled) {
    m_enabled = enabled;
    Widget()->setEnabled(enabled);
}

void RectControl::SetFocus() {
    if (auto* recorder = testing::EventRecorder::Current()) {
        recorder->Record("focus: " + Name().ToStdString());
    }
    Widget()->setFocus(Qt::OtherFocusReason);
}

bool RectControl::HasFocus() const {
    QWidget* widget = Widget();
    return widget->window()->focusWidget() == widget;
}

void RectControl::SetBounds(std::int64_t left, std::int64_t top, std::int64_t width,
                            std::int64_t height) {
    m_left = left;
    m_top = top;
    m_width = std::max<std::int64_t>(width, 0);
    m_height = std::max<std::int64_t>(height, 0);
    Widget()->setGeometry(ToPixels(m_left), ToPixels(m_top), ToPixels(m_width), ToPixels(m_height));
}

bool RectControl::KnowsProperty(std::string_view name) const {
    return NameIsIn(name, kSharedPropertyNames) || KnowsOwnProperty(name);
}

void RectControl::ApplyProperty(const PropertyEntry& entry) {
    if (ApplyOwnProperty(entry)) {
        return;
    }
    const std::string& name = entry.name;
    if (name == "Name") {
        SetName(TextValue(entry));
    } else if (name == "Left") {
        SetBounds(IntegerValue(entry), m_top, m_width, m_height);
    } else if (name == "Top") {
        SetBounds(m_left, IntegerValue(entry), m_width, m_height);
    } else if (name == "Width") {
        SetBounds(m_left, m_top, IntegerValue(entry), m_height);
    } else if (name == "Height") {
        SetBounds(m_left, m_top, m_width, IntegerValue(entry));
    } else if (name == "TabIndex") {
        m_tabIndex = IntegerValue(entry);
    } else if (name == "TabStop") {
        m_tabStop = BooleanValue(entry);
        ApplyFocusPolicy();
    } else if (name == "Enabled") {
        SetEnabled(BooleanValue(entry));
    } else if (name == "Visible") {
        SetVisible(BooleanValue(entry));
    } else if (name == "Tooltip") {
        Widget()->setToolTip(ToQString(TextValue(entry)));
    } else if (name == "InitialParent") {
        m_initialParent = TextValue(entry);
        ApplyStacking();
    }
    // Every other name of the class's lists has no meaning here and is only stored.
}

void RectControl::ApplyStacking() {
    if (m_initialParent.IsEmpty()) {
        return;
    }
    Ref<fw::Window> window = ParentWindow();
    if (!window) {
        return;
    }
    auto parent = std::dynamic_pointer_cast<RectControl>(window->ControlByName(m_initialParent));
    if (parent && parent.get() != this) {
        // Window coordinates are kept; only the stacking follows the named control.
        Widget()->raise();
    }
}

}  // namespace fw
