#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

#include "framework/ui/Control.h"

class QWidget;

namespace fw {

// A control with a place in its window: position and size in the window's coordinates,
// visibility, enabling, focus and a place in the tab order. A control whose InitialParent names
// another control keeps window coordinates and is stacked over that control.
class RectControl : public Control {
  public:
    static const ClassRecord& Record();

    ~RectControl() override;

    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    // Moves the keyboard focus to the control.
    void SetFocus();
    bool HasFocus() const;

    std::int64_t Left() const { return m_left; }
    std::int64_t Top() const { return m_top; }
    std::int64_t Width() const { return m_width; }
    std::int64_t Height() const { return m_height; }
    void SetBounds(std::int64_t left, std::int64_t top, std::int64_t width, std::int64_t height);

    std::int64_t TabIndex() const { return m_tabIndex; }
    bool TabStop() const { return m_tabStop; }
    String InitialParent() const { return m_initialParent; }

    bool KnowsProperty(std::string_view name) const override;
    void ApplyProperty(const PropertyEntry& entry) override;

    // For the framework: the widget that shows the control. Raises NilObjectException once the
    // widget is gone with its window.
    QWidget* Widget() const;
    void AttachTo(fw::Window& window) override;
    // Whether a mouse press on the control is the control's own (else it is the window's).
    virtual bool TakesMousePress() const { return false; }

  protected:
    // Takes the widget, which is not yet part of any window.
    explicit RectControl(QWidget* widget);
    // The widget, or nil once it is gone.
    QWidget* WidgetOrNull() const;

    // Whether a name of the class's property lists is the class's own: one beyond those that
    // every RectControl's lists hold.
    virtual bool KnowsOwnProperty(std::string_view name) const = 0;
    // Applies a property of the class's own; false for a name left to RectControl.
    virtual bool ApplyOwnProperty(const PropertyEntry& entry) = 0;
    // Sets the widget's focus policy from TabStop and the class's own rules.
    virtual void ApplyFocusPolicy() = 0;

  private:
    void ApplyStacking();
    struct WidgetHandle;
    std::unique_ptr<WidgetHandle> m_handle;
    bool m_visible = true;
    bool m_enabled = true;
    std::int64_t m_left = 0;
    std::int64_t m_top = 0;
    std::int64_t m_width = 100;
    std::int64_t m_height = 100;
    std::int64_t m_tabIndex = 0;
    bool m_tabStop = true;
    String m_initialParent;
};

}  // namespace fw
