#pragma once

#include <cstdint>

#include "framework/ui/RectControl.h"

namespace fw {

// A static text. It raises no events: a press on it is the window's.
class Label : public RectControl {
  public:
    static const ClassRecord& Record();

    Label();

    String Text() const { return m_text; }
    void SetText(const String& text);

    Color TextColor() const { return m_textColor; }
    // 0 default (left), 1 left, 2 centre, 3 right.
    std::int64_t TextAlignment() const { return m_alignment; }
    bool Multiline() const { return m_multiline; }

    const PropertyTable& Properties() const override;

  protected:
    std::span<const EventSpec> Events() const override { return {}; }
    void ApplyFont() override { ApplyLook(); }
    void ApplyFocusPolicy() override;

  private:
    void ApplyLook();

    String m_text;
    Color m_textColor{0, 0, 0, 0};
    std::int64_t m_alignment = 0;
    bool m_multiline = false;
};

}  // namespace fw
