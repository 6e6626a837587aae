#include "framework/ui/Label.h"

#include <QLabel>
#include <array>

#include "framework/ui/Alignment.h"
#include "framework/ui/DisplayedText.h"
#include "framework/ui/QtConversions.h"

namespace fw {

namespace {

constexpr std::array<std::string_view, 7> kOwnPropertyNames = {
    "Multiline", "Selectable", "TextAlignment", "TextColor", "Value", "DataSource", "DataField"};

}  // namespace

const ClassRecord& Label::Record() {
    static const ClassRecord record(
        ClassRecord::Builder("Label", &RectControl::Record(), AllocatorOf<Label>()));
    return record;
}

Label::Label() : RectControl(new QLabel) {
    auto* label = static_cast<QLabel*>(Widget());
    label->setTextFormat(Qt::PlainText);  // a "<" in a caption is text, not markup
    ApplyLook();
}

void Label::SetText(const String& text) {
    m_text = text;
    static_cast<QLabel*>(Widget())->setText(ShownText(text, DisplayedText::Breaks::AsLineBreaks));
}

bool Label::KnowsOwnProperty(std::string_view name) const {
    return FontSpec::Knows(name) || NameIsIn(name, kOwnPropertyNames);
}

bool Label::ApplyOwnProperty(const PropertyEntry& entry) {
    const std::string& name = entry.name;
    if (name == "Value") {
        SetText(TextValue(entry));
        return true;
    }
    if (m_font.Take(entry)) {
        // taken
    } else if (name == "TextColor") {
        m_textColor = ColorValue(entry);
    } else if (name == "TextAlignment") {
        m_alignment = IntegerValue(entry);
    } else if (name == "Multiline") {
        m_multiline = BooleanValue(entry);
    } else {
        return false;
    }
    ApplyLook();
    return true;
}

void Label::ApplyLook() {
    auto* label = static_cast<QLabel*>(Widget());
    label->setFont(m_font.ToQFont());
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, ToQColor(m_textColor));
    label->setPalette(palette);
    label->setAlignment(HorizontalAlignment(m_alignment) | Qt::AlignTop);
    label->setWordWrap(m_multiline);
}

void Label::ApplyFocusPolicy() {
    Widget()->setFocusPolicy(Qt::NoFocus);
}

}  // namespace fw
