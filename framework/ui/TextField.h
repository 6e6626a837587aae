#pragma once

#include <cstdint>
#include <memory>

#include "framework/ui/FontSpec.h"
#include "framework/ui/RectControl.h"

namespace fw {

// A single-line text field. Like a TextArea it keeps its text exactly as it was set (line
// breaks included; they show as blanks) and merges the user's edits into it.
class TextField : public RectControl {
  public:
    static const ClassRecord& Record();

    TextField();
    ~TextField() override;

    String Text() const;
    void SetText(const String& text);

    std::int64_t MaximumCharactersAllowed() const { return m_maxCharacters; }
    String FontName() const { return m_font.name; }
    double FontSize() const { return m_font.size; }
    bool TakesMousePress() const override { return true; }

  protected:
    std::span<const EventSpec> Events() const override { return {}; }
    const ClassRecord& ClassRecordOf() const override { return Record(); }
    bool KnowsOwnProperty(std::string_view name) const override;
    bool ApplyOwnProperty(const PropertyEntry& entry) override;
    void ApplyFocusPolicy() override;

  private:
    void UserEdited();
    void ShowText();

    struct State;
    std::unique_ptr<State> m_state;
    std::int64_t m_maxCharacters = 0;
    FontSpec m_font;
    Color m_textColor{0, 0, 0, 0};
    std::int64_t m_alignment = 0;
};

}  // namespace fw
