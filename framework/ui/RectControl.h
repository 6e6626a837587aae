#pragma once

#include <cstdint>
#include <memory>

#include "framework/ui/Control.h"
#include "framework/ui/FontSpec.h"

class QWidget;

namespace fw {

// A control with a place in its window: position and size in the window's coordinates,
// visibility, enabling, focus and a place in the tab order, and the font of the controls that
// show text. A control whose InitialParent names another control keeps window coordinates and is
// stacked over that control.
class RectControl : public Control {
  public:
    static const ClassRecord& Record();

    ~RectControl() override;

    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    bool Enabled() const { return m_enabled; }
    // A disabled control takes no mouse events: they go to what lies beneath it.
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

    String FontName() const { return m_font.name; }
    double FontSize() const { return m_font.size; }
    bool Bold() const { return m_font.bold; }

    // For the framework: the widget that shows the control. Raises NilObjectException once the
    // widget is gone with its window.
    QWidget* Widget() const;
    void AttachTo(fw::Window& window) override;

  protected:
    // Takes the widget, which is not yet part of any window.
    explicit RectControl(QWidget* widget);
    // The widget, or nil once it is gone.
    QWidget* WidgetOrNull() const;

    // The properties every control's lists hold, and those of the font on top of a table.
    static PropertyTable CommonProperties();
    static PropertyTable WithFont(PropertyTable table);

    const FontSpec& Font() const { return m_font; }
    // Shows the font the lists gave.
    virtual void ApplyFont();
    // Sets the widget's focus policy from TabStop and the class's own rules.
    virtual void ApplyFocusPolicy() = 0;

  private:
    void ApplyBounds();
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
    FontSpec m_font;
};

}  // namespace fw
