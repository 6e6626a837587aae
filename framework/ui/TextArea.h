#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "framework/ui/RectControl.h"

namespace fw {

class Graphics;
class StyledTextPrinter;
class TextAreaView;

// An editable text area. Its text is kept exactly as it was set: Text() gives back the very
// String (CR stays CR, nothing is copied), and what the user types or pastes is merged into it,
// a typed line break as CR. The area shows CR, LF and CR LF each as one line break. Positions
// (SelStart) count characters.
// Events: 9 KeyDown "( TextArea, String ) as Boolean" (True keeps the key from the area),
// 11 MouseEnter, 16 GotFocus and 21 TextChange, each "( TextArea )".
class TextArea : public RectControl {
  public:
    static constexpr std::int64_t kKeyDown = 9;
    static constexpr std::int64_t kMouseEnter = 11;
    static constexpr std::int64_t kGotFocus = 16;
    static constexpr std::int64_t kTextChange = 21;

    static const ClassRecord& Record();

    TextArea();
    ~TextArea() override;

    String Text() const;
    // Replaces the whole text; the insertion point goes to the start.
    void SetText(const String& text);

    // The insertion point (the start of the selection), in characters.
    std::int64_t SelStart() const;
    // Moves the insertion point, with nothing selected; clamped to the text.
    void SetSelStart(std::int64_t position);
    std::int64_t SelLength() const;
    String SelText() const;
    // Inserts the text at the insertion point, replacing the selection; the insertion point
    // then lies just after the inserted text, with nothing selected.
    void SetSelText(const String& text);

    // The most characters the user may type, paste or drop in (0: no limit). An area with a limit
    // holds a short entry: it takes no line break and no control character from the user (the
    // program's SetText is not limited), and a drop into it is a copy of what fits.
    std::int64_t MaximumCharactersAllowed() const { return m_maxCharacters; }

    Color TextColor() const { return m_textColor; }
    Color BackgroundColor() const { return m_backgroundColor; }
    bool Transparent() const { return m_transparent; }
    bool HasBorder() const { return m_hasBorder; }
    // 0 default (left), 1 left, 2 centre, 3 right.
    std::int64_t TextAlignment() const { return m_alignment; }
    bool ReadOnly() const { return m_readOnly; }
    String ValidationMask() const { return m_validationMask; }

    // Prints the area's text, in its font, on a Graphics (implemented with the printing).
    Ref<fw::StyledTextPrinter> StyledTextPrinter(const Ref<Graphics>& g, std::int64_t width);

    const PropertyTable& Properties() const override;

  protected:
    std::span<const EventSpec> Events() const override;
    void ApplyFont() override;
    void ApplyFocusPolicy() override;

  private:
    friend class TextAreaView;
    struct State;
    TextAreaView* View() const;
    // The widget, given the text first if it was left behind while hidden.
    TextAreaView* CurrentView() const;
    // Puts the whole text into the widget, the insertion point at the position; a hidden
    // widget is left behind unless asked.
    void ShowWholeText(std::int64_t cursorPosition, bool evenIfHidden = false);
    void ApplyColors();
    // From the view.
    void UserEdited();
    bool KeyDown(const String& key);
    bool MayType(std::int64_t characters) const;
    std::int64_t RoomForPaste() const;
    void GotFocus();
    void MouseEnter();
    void Shown();

    std::unique_ptr<State> m_state;
    std::int64_t m_maxCharacters = 0;
    Color m_textColor{0, 0, 0, 0};
    Color m_backgroundColor{255, 255, 255, 0};
    bool m_transparent = false;
    bool m_hasBorder = true;
    std::int64_t m_alignment = 0;
    bool m_readOnly = false;
    String m_validationMask;
};

}  // namespace fw
