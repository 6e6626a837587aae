#include "framework/ui/RectControl.h"

#include <QPointer>
#include <QWidget>
#include <algorithm>

#include "framework/core/Exceptions.h"
#include "framework/testing/EventRecorder.h"
#include "framework/ui/QtConversions.h"
#include "framework/ui/Window.h"

namespace fw {

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
    ApplyBounds();
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
    ApplyBounds();
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
    QWidget* widget = Widget();
    widget->setEnabled(enabled);
    // A disabled note laid over a text area must not keep the pointer and the clicks from it.
    widget->setAttribute(Qt::WA_TransparentForMouseEvents, !enabled);
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
    m_width = width;
    m_height = height;
    ApplyBounds();
}

void RectControl::ApplyBounds() {
    m_width = std::max<std::int64_t>(m_width, 0);
    m_height = std::max<std::int64_t>(m_height, 0);
    Widget()->setGeometry(ToPixels(m_left), ToPixels(m_top), ToPixels(m_width), ToPixels(m_height));
}

PropertyTable RectControl::CommonProperties() {
    using R = RectControl;
    return PropertyTable::For<R>()
        .Text("Name", [](R& c, const String& name) { c.SetName(name); })
        .Integer("Left", Store(&R::m_left, &R::ApplyBounds))
        .Integer("Top", Store(&R::m_top, &R::ApplyBounds))
        .Integer("Width", Store(&R::m_width, &R::ApplyBounds))
        .Integer("Height", Store(&R::m_height, &R::ApplyBounds))
        .Integer("TabIndex", Store(&R::m_tabIndex))
        .Boolean("TabStop", Store(&R::m_tabStop, &R::ApplyFocusPolicy))
        .Boolean("Enabled", [](R& c, bool enabled) { c.SetEnabled(enabled); })
        .Boolean("Visible", [](R& c, bool visible) { c.SetVisible(visible); })
        .Text("Tooltip", [](R& c, const String& tip) { c.Widget()->setToolTip(ToQString(tip)); })
        .Text("InitialParent", Store(&R::m_initialParent, &R::ApplyStacking))
        // What Transparent means is each class's own.
        .Ignored({"Index", "LockLeft", "LockTop", "LockRight", "LockBottom", "TabPanelIndex",
                  "AllowAutoDeactivate", "Transparent"});
}

PropertyTable RectControl::WithFont(PropertyTable table) {
    // Each entry sets one part of the font, and the whole font is shown again.
    const auto part = [](auto field) {
        return [field](RectControl& c, auto value) {
            c.m_font.*field = value;
            c.ApplyFont();
        };
    };
    return PropertyTable::For<RectControl>(std::move(table))
        .Text("FontName", part(&FontSpec::name))
        .Single("FontSize", part(&FontSpec::size))
        .Boolean("Bold", part(&FontSpec::bold))
        .Boolean("Italic", part(&FontSpec::italic))
        .Boolean("Underline", part(&FontSpec::underline))
        .Ignored({"FontUnit"});
}

void RectControl::ApplyFont() {
    Widget()->setFont(m_font.ToQFont());
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
