#include "framework/ui/TextArea.h"

#include <QPointer>
#include <algorithm>

#include "framework/core/Text.h"
#include "framework/ui/Alignment.h"
#include "framework/ui/DisplayedText.h"
#include "framework/ui/QtConversions.h"
#include "framework/ui/TextAreaView.h"

namespace fw {

struct TextArea::State {
    DisplayedText text{DisplayedText::Breaks::AsLineBreaks};
    QPointer<TextAreaView> view;
    // A hidden area's widget has not been given its text yet (a table of 80,836 characters
    // costs tens of milliseconds to put into a document); cursor is where its insertion point
    // goes when it is.
    bool widgetBehind = false;
    std::int64_t cursor = 0;
};

const ClassRecord& TextArea::Record() {
    static const ClassRecord record(
        ClassRecord::Builder("TextArea", &RectControl::Record(), AllocatorOf<TextArea>()));
    return record;
}

TextArea::TextArea() : RectControl(new TextAreaView(this)), m_state(std::make_unique<State>()) {
    m_state->view = static_cast<TextAreaView*>(Widget());
    m_state->view->ReportEdits();
    ApplyFont();
    ApplyColors();
}

TextArea::~TextArea() {
    if (m_state->view) {
        m_state->view->Detach();
    }
}

TextAreaView* TextArea::View() const {
    Widget();  // raises once the widget is gone with its window
    return m_state->view;
}

TextAreaView* TextArea::CurrentView() const {
    TextAreaView* view = View();
    if (m_state->widgetBehind) {
        const_cast<TextArea*>(this)->ShowWholeText(m_state->cursor, true);
    }
    return view;
}

void TextArea::Shown() {
    if (m_state->widgetBehind) {
        ShowWholeText(m_state->cursor, true);
    }
}

std::span<const Control::EventSpec> TextArea::Events() const {
    static constexpr std::array<EventSpec, 4> kEvents = {{
        {kKeyDown, "KeyDown", EventShape::SenderKey, "( TextArea, String ) as Boolean"},
        {kMouseEnter, "MouseEnter", EventShape::Sender, "( TextArea )"},
        {kGotFocus, "GotFocus", EventShape::Sender, "( TextArea )"},
        {kTextChange, "TextChange", EventShape::Sender, "( TextArea )"},
    }};
    return kEvents;
}

String TextArea::Text() const {
    return m_state->text.Text();
}

void TextArea::SetText(const String& text) {
    const bool changed = !(text == m_state->text.Text());
    const QString before = m_state->text.Shown();
    m_state->text.Set(text);
    if (m_state->text.Shown() != before) {
        ShowWholeText(0);
    }
    if (changed) {
        RaiseEvent(kTextChange);
    }
}

std::int64_t TextArea::SelStart() const {
    return m_state->text.PositionOf(CurrentView()->textCursor().selectionStart());
}

void TextArea::SetSelStart(std::int64_t position) {
    TextAreaView* view = CurrentView();
    QTextCursor cursor = view->textCursor();
    const int shown =
        static_cast<int>(m_state->text.ShownIndexOf(std::max<std::int64_t>(position, 0)));
    if (cursor.position() == shown && !cursor.hasSelection()) {
        return;  // already there: moving the cursor would ask for the layout
    }
    cursor.setPosition(shown);
    view->CloseBatch();
    view->setTextCursor(cursor);
}

std::int64_t TextArea::SelLength() const {
    const QTextCursor cursor = CurrentView()->textCursor();
    return m_state->text.PositionOf(cursor.selectionEnd()) -
           m_state->text.PositionOf(cursor.selectionStart());
}

String TextArea::SelText() const {
    const QTextCursor cursor = CurrentView()->textCursor();
    return m_state->text.Slice(m_state->text.PositionOf(cursor.selectionStart()),
                               m_state->text.PositionOf(cursor.selectionEnd()));
}

void TextArea::SetSelText(const String& text) {
    TextAreaView* view = CurrentView();
    const QTextCursor selection = view->textCursor();
    const std::int64_t from = m_state->text.PositionOf(selection.selectionStart());
    const std::int64_t to = m_state->text.PositionOf(selection.selectionEnd());
    const qsizetype shownFrom = m_state->text.ShownIndexOf(from);
    const qsizetype shownTo = m_state->text.ShownIndexOf(to);
    if (m_state->text.Replace(from, to, text)) {
        view->OpenBatch();
        view->Update([&] {
            QTextCursor cursor(view->document());
            cursor.setPosition(static_cast<int>(shownFrom));
            cursor.setPosition(static_cast<int>(shownTo), QTextCursor::KeepAnchor);
            cursor.insertText(ShownText(text, DisplayedText::Breaks::AsLineBreaks));
            // The widget's cursor moves along with an insertion at its place; only a cursor
            // elsewhere needs moving, which asks for the layout.
            const QTextCursor now = view->textCursor();
            if (now.position() != cursor.position() || now.hasSelection()) {
                view->CloseBatch();
                view->setTextCursor(cursor);
            }
        });
    } else {
        ShowWholeText(from + Len(text));
    }
    if (!text.IsEmpty() || from != to) {
        RaiseEvent(kTextChange);
    }
}

void TextArea::ShowWholeText(std::int64_t cursorPosition, bool evenIfHidden) {
    TextAreaView* view = View();
    if (!evenIfHidden && !view->isVisible()) {
        // Nobody sees it: the widget gets the text when it is shown or its cursor is used.
        m_state->widgetBehind = true;
        m_state->cursor = cursorPosition;
        return;
    }
    m_state->widgetBehind = false;
    view->CloseBatch();
    view->Update([&] {
        view->setPlainText(m_state->text.Shown());
        const int shown = static_cast<int>(m_state->text.ShownIndexOf(cursorPosition));
        if (shown != view->textCursor().position()) {
            QTextCursor cursor = view->textCursor();
            cursor.setPosition(shown);
            view->setTextCursor(cursor);
        }
    });
}

void TextArea::UserEdited() {
    TextAreaView* view = CurrentView();
    bool changed = false;
    const bool inStep =
        m_state->text.MergeEdit(view->document()->toRawText(), m_maxCharacters, &changed);
    if (!inStep) {
        const std::int64_t at = m_state->text.PositionOf(view->textCursor().position());
        ShowWholeText(at, true);
    }
    if (changed) {
        RaiseEvent(kTextChange);
    }
}

bool TextArea::KeyDown(const String& key) {
    EventArgs args;
    args.key = key;
    return RaiseEvent(kKeyDown, args);
}

bool TextArea::MayType(std::int64_t characters) const {
    if (m_maxCharacters <= 0) {
        return true;
    }
    return m_state->text.Length() - SelLength() + characters <= m_maxCharacters;
}

std::int64_t TextArea::RoomForPaste() const {
    if (m_maxCharacters <= 0) {
        return -1;
    }
    return std::max<std::int64_t>(m_maxCharacters - (m_state->text.Length() - SelLength()), 0);
}

void TextArea::GotFocus() {
    RaiseEvent(kGotFocus);
}

void TextArea::MouseEnter() {
    RaiseEvent(kMouseEnter);
}

void TextArea::ApplyFocusPolicy() {
    View()->setFocusPolicy(TabStop() ? Qt::StrongFocus : Qt::ClickFocus);
}

void TextArea::ApplyFont() {
    const QFont font = Font().ToQFont();
    TextAreaView* view = View();
    view->Update([&] {
        view->setFont(font);
        view->document()->setDefaultFont(font);
    });
}

void TextArea::ApplyColors() {
    TextAreaView* view = View();
    QPalette palette = view->palette();
    palette.setColor(QPalette::Text, ToQColor(m_textColor));
    palette.setColor(QPalette::Base,
                     m_transparent ? QColor(Qt::transparent) : ToQColor(m_backgroundColor));
    view->setPalette(palette);
    view->viewport()->setAutoFillBackground(!m_transparent);
}

const PropertyTable& TextArea::Properties() const {
    using A = TextArea;
    static const PropertyTable table =
        PropertyTable::For<A>(WithFont(CommonProperties()))
            .Text("Value", [](A& area, const String& text) { area.SetText(text); })
            .Color("TextColor", Store(&A::m_textColor, &A::ApplyColors))
            .Color("BackgroundColor", Store(&A::m_backgroundColor, &A::ApplyColors))
            .Boolean("Transparent", Store(&A::m_transparent, &A::ApplyColors))
            .Boolean("HasBorder",
                     [](A& area, bool border) {
                         area.m_hasBorder = border;
                         area.View()->setFrameShape(border ? QFrame::StyledPanel : QFrame::NoFrame);
                     })
            .Boolean("HasVerticalScrollbar",
                     [](A& area, bool scrolls) {
                         area.View()->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAsNeeded
                                                                         : Qt::ScrollBarAlwaysOff);
                     })
            .Boolean(
                "HasHorizontalScrollbar",
                [](A& area, bool scrolls) {
                    TextAreaView* view = area.View();
                    view->setHorizontalScrollBarPolicy(scrolls ? Qt::ScrollBarAsNeeded
                                                               : Qt::ScrollBarAlwaysOff);
                    view->setLineWrapMode(scrolls ? QTextEdit::NoWrap : QTextEdit::WidgetWidth);
                })
            .Integer("TextAlignment",
                     [](A& area, std::int64_t alignment) {
                         area.m_alignment = alignment;
                         TextAreaView* view = area.View();
                         QTextOption option = view->document()->defaultTextOption();
                         option.setAlignment(HorizontalAlignment(alignment));
                         view->Update([&] { view->document()->setDefaultTextOption(option); });
                     })
            .Boolean("ReadOnly",
                     [](A& area, bool readOnly) {
                         area.m_readOnly = readOnly;
                         area.View()->setReadOnly(readOnly);
                     })
            .Boolean("AllowTabs",
                     [](A& area, bool tabs) { area.View()->setTabChangesFocus(!tabs); })
            .Integer("MaximumCharactersAllowed", Store(&A::m_maxCharacters))
            .Text("ValidationMask", Store(&A::m_validationMask))
            .Ignored({"HideSelection", "LineHeight", "LineSpacing", "Multiline", "AllowStyledText",
                      "Format", "AllowFocusRing", "AllowSpellChecking", "DataSource", "DataField"});
    return table;
}

}  // namespace fw
