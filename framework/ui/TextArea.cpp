#include "framework/ui/TextArea.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QPointer>
#include <QTextBlock>
#include <QTextEdit>
#include <algorithm>
#include <vector>

#include "framework/core/Text.h"
#include "framework/ui/Alignment.h"
#include "framework/ui/DisplayedText.h"
#include "framework/ui/KeyText.h"
#include "framework/ui/QtConversions.h"
#include "framework/ui/TextLayouts.h"

namespace fw {

namespace {

// A pasted text with each of its line breaks as one '\n' (a negative room: no limit), or, for
// an area with a limit, without line breaks and control characters and cut to the room left (in
// characters).
QString FitPaste(QString text, std::int64_t room) {
    text.replace("\r\n", "\n");
    text.replace('\r', '\n');
    if (room < 0) {
        return text;
    }
    text = ShortEntryText(text);
    qsizetype end = 0;
    for (std::int64_t taken = 0; end < text.size() && taken < room; ++taken) {
        end += (text[end].isHighSurrogate() && end + 1 < text.size()) ? 2 : 1;
    }
    return text.left(end);
}

}  // namespace

// The widget of a TextArea: a plain-text editor that reports the user's edits, keys, focus and
// the pointer's entering back to its area.
class TextAreaView : public QTextEdit {
  public:
    explicit TextAreaView(TextArea* owner) : m_owner(owner) {
        setAcceptRichText(false);
        setTabChangesFocus(true);
        document()->setDocumentMargin(2);
    }

    // From here on the user's edits reach the area (once it is fully made).
    void ReportEdits() {
        connect(document(), &QTextDocument::contentsChanged, this, [this] {
            if (m_owner != nullptr && !m_updating) {
                m_owner->UserEdited();
            }
        });
    }

    void Detach() { m_owner = nullptr; }

    // Changes made by the program itself, which are not the user's edits.
    template <class F>
    void Update(F&& change) {
        const bool was = m_updating;
        m_updating = true;
        change();
        m_updating = was;
    }

    // The program's insertions go into the document inside one open edit block, so that the
    // document lays its text out once when the block closes rather than after every piece (a
    // report of a hundred rows laid out row by row costs several times the calculation). The
    // document's text and the cursor are always current; only the layout waits.
    void OpenBatch() {
        if (m_batch) {
            return;
        }
        m_block = QTextCursor(document());
        m_block.beginEditBlock();
        m_batch = true;
        OpenBatches().push_back(this);
        if (isVisible()) {
            // Nothing else may come to a shown area before the loop turns; it must not wait.
            QMetaObject::invokeMethod(
                this, [this] { CloseBatch(); }, Qt::QueuedConnection);
        }
    }

    void CloseBatch() {
        if (!m_batch) {
            return;
        }
        m_batch = false;
        auto& open = OpenBatches();
        open.erase(std::remove(open.begin(), open.end(), this), open.end());
        Update([&] { m_block.endEditBlock(); });
        m_block = QTextCursor();
    }

    // The views with an open block, shown or not.
    static std::vector<TextAreaView*>& OpenBatches() {
        static std::vector<TextAreaView*> views;
        return views;
    }

    ~TextAreaView() override {
        auto& open = OpenBatches();
        open.erase(std::remove(open.begin(), open.end(), this), open.end());
    }

  protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::Show && m_owner != nullptr) {
            m_owner->Shown();
        }
        // Anything that reaches a shown area (the user's input, focus, being shown) may need the
        // layout: it is made first. A hidden area keeps its block until it is shown.
        if (m_batch && (isVisible() || event->type() == QEvent::Show)) {
            CloseBatch();
        }
        return QTextEdit::event(event);
    }

    void keyPressEvent(QKeyEvent* event) override {
        if (m_owner != nullptr) {
            const String key = KeyText(*event);
            if (!key.IsEmpty() && m_owner->KeyDown(key)) {
                event->accept();
                return;
            }
            if (m_owner == nullptr) {
                return;  // the handler let the area go
            }
            const QString typed = event->text();
            const bool lineBreak = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
            const bool printable = !typed.isEmpty() && typed[0].isPrint();
            if (lineBreak && m_owner->MaximumCharactersAllowed() > 0) {
                event->accept();  // a short entry takes no line break
                return;
            }
            if ((lineBreak || printable) && !isReadOnly()) {
                const std::int64_t count = lineBreak ? 1 : typed.toUcs4().size();
                if (!m_owner->MayType(count)) {
                    event->accept();
                    return;
                }
            }
        }
        QTextEdit::keyPressEvent(event);
    }

    bool canInsertFromMimeData(const QMimeData* source) const override { return source->hasText(); }

    void insertFromMimeData(const QMimeData* source) override {
        if (!source->hasText()) {
            return;
        }
        const std::int64_t room = m_owner != nullptr ? m_owner->RoomForPaste() : -1;
        const QString text = FitPaste(source->text(), room);
        if (!text.isEmpty()) {
            textCursor().insertText(text);
            ensureCursorVisible();
        }
    }

    // A drop into an area with a limit copies what fits: its source keeps the text, since the
    // area may take less than all of it.
    void dropEvent(QDropEvent* event) override {
        const bool copyOnly = m_owner != nullptr && m_owner->MaximumCharactersAllowed() > 0;
        if (copyOnly) {
            event->setDropAction(Qt::CopyAction);  // a drag inside the area removes nothing
        }
        QTextEdit::dropEvent(event);
        if (copyOnly && event->isAccepted()) {
            event->setDropAction(Qt::CopyAction);  // the source removes nothing
        }
    }

    void focusInEvent(QFocusEvent* event) override {
        QTextEdit::focusInEvent(event);
        // A menu that closes gives the focus back; that is no new focus.
        if (m_owner != nullptr && event->reason() != Qt::PopupFocusReason) {
            m_owner->GotFocus();
        }
    }

    void enterEvent(QEnterEvent* event) override {
        QTextEdit::enterEvent(event);
        if (m_owner != nullptr) {
            m_owner->MouseEnter();
        }
    }

  private:
    TextArea* m_owner;
    bool m_updating = false;
    bool m_batch = false;
    QTextCursor m_block;
};

void FlushTextLayouts() {
    // Copied first: closing a block takes its view off the list.
    const std::vector<TextAreaView*> open = TextAreaView::OpenBatches();
    for (TextAreaView* view : open) {
        if (view->isVisible()) {
            view->CloseBatch();
        }
    }
}

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
