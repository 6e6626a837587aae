#pragma once

#include <cstdint>
#include <memory>

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
    const PropertyTable& Properties() const override;

  protected:
    std::span<const EventSpec> Events() const override { return {}; }
    void ApplyFocusPolicy() override;

  private:
    void UserEdited();
    void ShowText();

    struct State;
    std::unique_ptr<State> m_state;
    std::int64_t m_maxCharacters = 0;
};

}  // namespace fw
