#include "framework/ui/TextField.h"

#include <QLineEdit>

#include "framework/ui/Alignment.h"
#include "framework/ui/DisplayedText.h"
#include "framework/ui/QtConversions.h"

namespace fw {

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
    ApplyFont();
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

const PropertyTable& TextField::Properties() const {
    using F = TextField;
    // The widget, once the control is made.
    const auto field = [](F& f) { return static_cast<QLineEdit*>(f.Widget()); };
    static const PropertyTable table =
        PropertyTable::For<F>(WithFont(CommonProperties()))
            .Text("Value", [](F& f, const String& text) { f.SetText(text); })
            .Color("TextColor",
                   [field](F& f, Color color) {
                       QPalette palette = field(f)->palette();
                       palette.setColor(QPalette::Text, ToQColor(color));
                       field(f)->setPalette(palette);
                   })
            .Integer("TextAlignment",
                     [field](F& f, std::int64_t alignment) {
                         field(f)->setAlignment(HorizontalAlignment(alignment) | Qt::AlignVCenter);
                     })
            .Boolean("HasBorder", [field](F& f, bool border) { field(f)->setFrame(border); })
            .Boolean("ReadOnly", [field](F& f, bool readOnly) { field(f)->setReadOnly(readOnly); })
            .Boolean("Password",
                     [field](F& f, bool password) {
                         field(f)->setEchoMode(password ? QLineEdit::Password : QLineEdit::Normal);
                     })
            .Text("Hint",
                  [field](F& f, const String& hint) {
                      field(f)->setPlaceholderText(ToQString(hint));
                  })
            .Integer("MaximumCharactersAllowed", Store(&F::m_maxCharacters))
            .Ignored({"BackgroundColor", "Format", "AllowFocusRing", "AllowTabs",
                      "AllowSpellChecking", "ValidationMask", "DataSource", "DataField"});
    return table;
}

void TextField::ApplyFocusPolicy() {
    Widget()->setFocusPolicy(TabStop() ? Qt::StrongFocus : Qt::ClickFocus);
}

}  // namespace fw
