#include "framework/ui/TextAreaView.h"

#include <QKeyEvent>
#include <QMimeData>
#include <algorithm>
#include <utility>

#include "framework/core/String.h"
#include "framework/ui/DisplayedText.h"
#include "framework/ui/KeyText.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/RestingPointer.h"
#include "framework/ui/TextArea.h"
#include "framework/ui/TextLayouts.h"
#include "framework/ui/Window.h"

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

TextAreaView::TextAreaView(TextArea* owner) : m_owner(owner) {
    setAcceptRichText(false);
    setTabChangesFocus(true);
    document()->setDocumentMargin(2);
    document()->clearUndoRedoStacks();  // the margin is no edit of the user's
}

TextAreaView::~TextAreaView() {
    auto& open = OpenBatches();
    open.erase(std::remove(open.begin(), open.end(), this), open.end());
}

void TextAreaView::ReportEdits() {
    connect(document(), &QTextDocument::contentsChanged, this, [this] {
        if (m_owner != nullptr && !m_updating) {
            m_owner->UserEdited();
        }
    });
}

void TextAreaView::OpenBatch() {
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

void TextAreaView::CloseBatch() {
    if (!m_batch) {
        return;
    }
    m_batch = false;
    auto& open = OpenBatches();
    open.erase(std::remove(open.begin(), open.end(), this), open.end());
    Update([&] { m_block.endEditBlock(); });
    m_block = QTextCursor();
}

std::vector<TextAreaView*>& TextAreaView::OpenBatches() {
    static std::vector<TextAreaView*> views;
    return views;
}

void FlushTextLayouts() {
    // Copied first: closing a block takes its view off the list.
    const std::vector<TextAreaView*> open = TextAreaView::OpenBatches();
    for (TextAreaView* view : open) {
        if (view->isVisible()) {
            view->CloseBatch();
        }
    }
}

bool TextAreaView::event(QEvent* event) {
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

void TextAreaView::keyPressEvent(QKeyEvent* event) {
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
            // A short entry takes no line break: Return or Enter there, unmodified and not held,
            // presses the window's default button as a click on it does.
            event->accept();
            const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
            const Ref<Window> window = m_owner->ParentWindow();
            const Ref<PushButton> button = window ? window->DefaultButton() : nullptr;
            if (button && plain && !event->isAutoRepeat()) {
                button->Push();
            }
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

bool TextAreaView::canInsertFromMimeData(const QMimeData* source) const {
    return source->hasText();
}

void TextAreaView::insertFromMimeData(const QMimeData* source) {
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

// A drop into an area with a limit copies what fits: its source keeps the text, since the area
// may take less than all of it.
void TextAreaView::dropEvent(QDropEvent* event) {
    const bool copyOnly = m_owner != nullptr && m_owner->MaximumCharactersAllowed() > 0;
    if (copyOnly) {
        event->setDropAction(Qt::CopyAction);  // a drag inside the area removes nothing
    }
    QTextEdit::dropEvent(event);
    if (copyOnly && event->isAccepted()) {
        event->setDropAction(Qt::CopyAction);  // the source removes nothing
    }
}

void TextAreaView::focusInEvent(QFocusEvent* event) {
    QTextEdit::focusInEvent(event);
    // A menu that closes gives the focus back; that is no new focus.
    if (m_owner != nullptr && event->reason() != Qt::PopupFocusReason) {
        m_owner->GotFocus();
    }
}

void TextAreaView::enterEvent(QEnterEvent* event) {
    QTextEdit::enterEvent(event);
    if (CameUnderRestingPointer(*event)) {
        m_enterOnMove = true;
        viewport()->setMouseTracking(true);  // to see the first move without a button held
    } else if (m_owner != nullptr) {
        m_owner->MouseEnter();
    }
}

void TextAreaView::leaveEvent(QEvent* event) {
    QTextEdit::leaveEvent(event);
    m_enterOnMove = false;
}

void TextAreaView::mouseMoveEvent(QMouseEvent* event) {
    if (std::exchange(m_enterOnMove, false) && m_owner != nullptr) {
        m_owner->MouseEnter();
        if (m_owner == nullptr) {
            return;  // the handler let the area go
        }
    }
    QTextEdit::mouseMoveEvent(event);
}

}  // namespace fw
