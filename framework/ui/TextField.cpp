#include "framework/ui/TextField.h"

#include <QLineEdit>
#include <array>

#include "framework/ui/Alignment.h"
#include "framework/ui/DisplayedText.h"
#include "framework/ui/QtConversions.h"
#include "framework/ui/TextControlProperties.h"

namespace fw {

namespace {

constexpr std::array<std::string_view, 2> kOwnPropertyNames = {"Password", "Hint"};

}  // namespace

struct TextField::State {
    DisplayedText text{DisplayedText::Breaks::AsBlanks};
    bool updating = false;
};

const ClassRecord& TextField::Record() {
    static const ClassRecord record(
        ClassRecord::Builder("TextField", &RectControl::Record(), AllocatorOf<TextField>()));
    return record;
}

TextField::TextField() : RectControl(new QLineEdit), m_state(std::make_unique<State>()) {
    auto* field = static_cast<QLineEdit*>(Widget());
    QObject::connect(field, &QLineEdit::textChanged, field, [this] {
        if (!m_state->updating) {
            UserEdited();
        }
    });
    field->setFont(m_font.ToQFont());
}

TextField::~TextField() {
    if (QWidget* field = WidgetOrNull()) {
        QObject::disconnect(static_cast<QLineEdit*>(field), &QLineEdit::textChanged, nullptr,
                            nullptr);
    }
}

String TextField::Text() const {
    return m_state->text.Text();
}

void TextField::SetText(const String& text) {
    m_state->text.Set(text);
    ShowText();
}

void TextField::ShowText() {
    auto* field = static_cast<QLineEdit*>(Widget());
    m_state->updating = true;
    field->setText(m_state->text.Shown());
    m_state->updating = false;
}

void TextField::UserEdited() {
    auto* field = static_cast<QLineEdit*>(Widget());
    bool changed = false;
    if (!m_state->text.MergeEdit(field->text(), m_maxCharacters, &changed)) {
        const int cursor = field->cursorPosition();
        ShowText();
        field->setCursorPosition(std::min<int>(cursor, static_cast<int>(field->text().size())));
    }
}

bool TextField::KnowsOwnProperty(std::string_view name) const {
    return FontSpec::Knows(name) || NameIsIn(name, kTextControlPropertyNames) ||
           NameIsIn(name, kOwnPropertyNames);
}

bool TextField::ApplyOwnProperty(const PropertyEntry& entry) {
    const std::string& name = entry.name;
    auto* field = static_cast<QLineEdit*>(Widget());
    if (name == "Value") {
        SetText(TextValue(entry));
    } else if (m_font.Take(entry)) {
        field->setFont(m_font.ToQFont());
    } else if (name == "TextColor") {
        m_textColor = ColorValue(entry);
        QPalette palette = field->palette();
        palette.setColor(QPalette::Text, ToQColor(m_textColor));
        field->setPalette(palette);
    } else if (name == "TextAlignment") {
        m_alignment = IntegerValue(entry);
        field->setAlignment(HorizontalAlignment(m_alignment) | Qt::AlignVCenter);
    } else if (name == "HasBorder") {
        field->setFrame(BooleanValue(entry));
    } else if (name == "ReadOnly") {
        field->setReadOnly(BooleanValue(entry));
    } else if (name == "Password") {
        field->setEchoMode(BooleanValue(entry) ? QLineEdit::Password : QLineEdit::Normal);
    } else if (name == "Hint") {
        field->setPlaceholderText(ToQString(TextValue(entry)));
    } else if (name == "MaximumCharactersAllowed") {
        m_maxCharacters = IntegerValue(entry);
    } else {
        return false;
    }
    return true;
}

void TextField::ApplyFocusPolicy() {
    Widget()->setFocusPolicy(TabStop() ? Qt::StrongFocus : Qt::ClickFocus);
}

}  // namespace fw
