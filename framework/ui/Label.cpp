#include "framework/ui/Label.h"

#include <QLabel>

#include "framework/ui/Alignment.h"
#include "framework/ui/DisplayedText.h"
#include "framework/ui/QtConversions.h"

namespace fw {

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

const PropertyTable& Label::Properties() const {
    static const PropertyTable table =
        PropertyTable::For<Label>(WithFont(CommonProperties()))
            .Text("Value", [](Label& label, const String& text) { label.SetText(text); })
            .Color("TextColor", Store(&Label::m_textColor, &Label::ApplyLook))
            .Integer("TextAlignment", Store(&Label::m_alignment, &Label::ApplyLook))
            .Boolean("Multiline", Store(&Label::m_multiline, &Label::ApplyLook))
            .Ignored({"Selectable", "DataSource", "DataField"});
    return table;
}

void Label::ApplyLook() {
    auto* label = static_cast<QLabel*>(Widget());
    label->setFont(Font().ToQFont());
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
