#pragma once

#include <cstdint>

#include "framework/ui/FontSpec.h"
#include "framework/ui/RectControl.h"

namespace fw {

// A static text. It raises no events: a press on it is the window's.
class Label : public RectControl {
  public:
    static const ClassRecord& Record();

    Label();

    String Text() const { return m_text; }
    void SetText(const String& text);

    String FontName() const { return m_font.name; }
    double FontSize() const { return m_font.size; }
    Color TextColor() const { return m_textColor; }
    // 0 default (left), 1 left, 2 centre, 3 right.
    std::int64_t TextAlignment() const { return m_alignment; }
    bool Multiline() const { return m_multiline; }

  protected:
    std::span<const EventSpec> Events() const override { return {}; }
    const ClassRecord& ClassRecordOf() const override { return Record(); }
    bool KnowsOwnProperty(std::string_view name) const override;
    bool ApplyOwnProperty(const PropertyEntry& entry) override;
    void ApplyFocusPolicy() override;

  private:
    void ApplyLook();

    String m_text;
    FontSpec m_font;
    Color m_textColor{0, 0, 0, 0};
    std::int64_t m_alignment = 0;
    bool m_multiline = false;
};

}  // namespace fw
