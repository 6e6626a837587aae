#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTest>
#include <QTextEdit>

#include "HostWnd.h"
#include "framework/core/Text.h"
#include "tests/support/TestText.h"

namespace {

using fw::String;
using fw::TextArea;

class TextAreas : public uitest::WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        m_window = uitest::HostWnd::Make();
        m_area = m_window->Add<TextArea>("Area");
        m_area->SetBounds(10, 10, 300, 200);
    }

    QTextEdit* View() { return static_cast<QTextEdit*>(m_area->Widget()); }
    void Append(const String& piece) {
        m_area->SetSelStart(fw::Len(m_area->Text()));
        m_area->SetSelText(piece);
    }
    void Limit(std::int64_t characters) {
        fw::SetProperties(
            m_area,
            fw::PropertyListBuilder().Integer("MaximumCharactersAllowed", characters).Build());
    }

    fw::Ref<uitest::HostWnd> m_window;
    fw::Ref<TextArea> m_area;
};

// What the program gives an area (here a table as the hidden areas hold it: 80,836 characters of
// numbers, each line but the last ended by a CR) comes back byte for byte and uncopied, shown or
// hidden; CR, LF and CR LF each show as one line break.
TEST_F(TextAreas, KeepsItsTextByteForByte) {
    const String table(testsupport::ReadCommittedTable("random_eigenvalues.txt"));
    m_area->SetText(table);
    EXPECT_EQ(m_area->Text().Data(), table.Data());
    auto hidden = m_window->Add<TextArea>("Hidden");
    hidden->SetVisible(false);
    hidden->SetText(table);
    EXPECT_EQ(hidden->Text().Data(), table.Data());
    hidden->SetVisible(true);
    EXPECT_EQ(static_cast<QTextEdit*>(hidden->Widget())->document()->blockCount(), 11550);

    m_area->SetText("a\rb\nc\r\nd");
    EXPECT_EQ(View()->toPlainText(), "a\nb\nc\nd");
    EXPECT_EQ(m_area->Text(), "a\rb\nc\r\nd");
}

// The program's insertions (the main window's report is appended piece by piece): a selection
// replaced, positions counted in characters (é is one, as are each of CR and LF), a CR and an LF
// that meet.
TEST_F(TextAreas, SelTextInsertsAtTheInsertionPoint) {
    m_area->SetText("one two three");
    QTextCursor cursor = View()->textCursor();
    cursor.setPosition(4);
    cursor.setPosition(7, QTextCursor::KeepAnchor);
    View()->setTextCursor(cursor);
    EXPECT_EQ(m_area->SelText(), "two");
    m_area->SetSelText("2");
    EXPECT_EQ(m_area->Text(), "one 2 three");
    EXPECT_EQ(m_area->SelStart(), 5);

    m_area->SetText("é\r\nx");
    m_area->SetSelStart(3);
    m_area->SetSelText("!");
    EXPECT_EQ(m_area->Text(), "é\r\n!x");

    m_area->SetText("ab\r");
    Append("\ncd");
    EXPECT_EQ(View()->toPlainText(), "ab\ncd");
    Append("e");
    EXPECT_EQ(m_area->Text(), "ab\r\ncde");
}

// The user's edits are merged into the text: a typed line break is a CR, the break of a CR LF
// pair goes whole, a paste takes each of its line breaks (CR LF too) as one CR, and a key typed
// right after the program appended goes where the insertion point is.
TEST_F(TextAreas, TheUsersEditsAreMergedIntoTheText) {
    m_area->SetText("x\r\ny");
    View()->moveCursor(QTextCursor::End);
    QTest::keyClicks(View(), "z1");
    QTest::keyClick(View(), Qt::Key_Return);
    QTest::keyClicks(View(), "w");
    EXPECT_EQ(m_area->Text(), "x\r\nyz1\rw");
    QTest::keyClick(View(), Qt::Key_Backspace);
    QTest::keyClick(View(), Qt::Key_Backspace);
    View()->moveCursor(QTextCursor::Start);
    QTest::keyClick(View(), Qt::Key_Right);
    QTest::keyClick(View(), Qt::Key_Delete);
    EXPECT_EQ(m_area->Text(), "xyz1");

    QApplication::clipboard()->setText("pasted\r\ntext");
    View()->paste();
    EXPECT_EQ(m_area->Text(), "xpasted\rtextyz1");

    m_area->SetText("ab\r");
    Append("cd");
    View()->setFocus();
    QTest::keyClicks(View(), "e");
    m_area->SetSelStart(0);
    m_area->SetSelText("x");  // at the start: the widget's cursor follows
    QTest::keyClicks(View(), "y");
    EXPECT_EQ(m_area->Text(), "xyab\rcde");
}

// An area with a limit holds a short entry: what is typed, pasted or dropped is cut to fit, and
// takes no line break or control character. The program's own text is kept as it is.
TEST_F(TextAreas, ALimitHoldsForTypingPastingAndDropping) {
    Limit(3);
    QTest::keyClicks(View(), "12345");
    QTest::keyClick(View(), Qt::Key_Return);
    EXPECT_EQ(m_area->Text(), "123");
    View()->selectAll();
    QTest::keyClicks(View(), "5");
    QTest::keyClick(View(), Qt::Key_Return, Qt::ShiftModifier);
    QKeyEvent separator(QEvent::KeyPress, Qt::Key_unknown, {}, QString(QChar::LineSeparator));
    QApplication::sendEvent(View(), &separator);
    QTest::keyClicks(View(), "0");
    EXPECT_EQ(m_area->Text(), "50");
    EXPECT_EQ(View()->toPlainText(), "50");

    Limit(4);
    m_area->SetText("1000");
    m_area->SetSelStart(1);
    View()->moveCursor(QTextCursor::End, QTextCursor::KeepAnchor);  // full: the selection is room
    QApplication::clipboard()->setText(
        "9\r\n8\x01"
        "7\u20296");
    View()->paste();
    EXPECT_EQ(m_area->Text(), "1987");

    // A drop copies what fits: the area may take less than all of it, so its source keeps it.
    m_area->SetText("25");
    QMimeData lines;
    lines.setText("Number of variables:  100\n");
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(QPoint(5, 5), actions, &lines, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(View()->viewport(), &enter);
    QDropEvent drop(QPointF(5, 5), actions, &lines, Qt::LeftButton, Qt::ShiftModifier);
    ASSERT_EQ(drop.proposedAction(), Qt::MoveAction);  // as a drag out of another area asks
    QApplication::sendEvent(View()->viewport(), &drop);
    EXPECT_EQ(drop.dropAction(), Qt::CopyAction);
    EXPECT_EQ(m_area->Text(), "Nu25");

    m_area->SetText("1\r2");
    EXPECT_EQ(m_area->Text(), "1\r2");
}

}  // namespace
