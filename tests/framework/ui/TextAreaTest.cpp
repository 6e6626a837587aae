#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMimeData>
#include <QTest>
#include <QTextEdit>
#include <string>

#include "HostWnd.h"
#include "framework/core/Text.h"
#include "framework/testing/TestRuntime.h"
#include "framework/ui/SetProperties.h"
#include "framework/ui/TextArea.h"

namespace {

using fw::Ref;
using fw::String;
using fw::TextArea;

class TextAreas : public ::testing::Test {
  protected:
    void SetUp() override {
        fw::testing::EnsureRuntimeForTests();
        m_window = uitest::HostWnd::Make();
        m_area = m_window->Add<TextArea>("Area");
        m_area->SetBounds(10, 10, 300, 200);
    }
    void TearDown() override { fw::CloseAllWindowsSilently(); }

    QTextEdit* View() { return static_cast<QTextEdit*>(m_area->Widget()); }
    void Append(const String& piece) {
        m_area->SetSelStart(fw::Len(m_area->Text()));
        m_area->SetSelText(piece);
    }
    void CursorToEnd() { View()->moveCursor(QTextCursor::End); }

    Ref<uitest::HostWnd> m_window;
    Ref<TextArea> m_area;
};

// A table as the hidden areas hold it: numbers separated by CR, 80,836 characters.
std::string LargeTable() {
    std::string table;
    for (int i = 0; table.size() < 80836; ++i) {
        table += std::to_string(1000 + (i * 7919) % 9000) + "." + std::to_string(i % 10) + "\r";
    }
    table.resize(80836);
    return table;
}

TEST_F(TextAreas, LargeTextComesBackExactlyAndUncopied) {
    String table(LargeTable());
    ASSERT_EQ(fw::Len(table), 80836);
    m_area->SetText(table);
    String back = m_area->Text();
    EXPECT_TRUE(back.SharesBytesWith(table));
    EXPECT_EQ(back, table);
    EXPECT_EQ(fw::NthField(back, "\r", 2), fw::NthField(table, "\r", 2));
}

TEST_F(TextAreas, CrLfAndCrLfEachShowAsOneLineBreak) {
    m_area->SetText("a\rb\nc\r\nd");
    EXPECT_EQ(View()->document()->blockCount(), 4);
    EXPECT_EQ(View()->toPlainText(), "a\nb\nc\nd");
    EXPECT_EQ(m_area->Text(), "a\rb\nc\r\nd");
}

TEST_F(TextAreas, AppendingAtTheEndBuildsTheTextInOrder) {
    std::string expected;
    for (int row = 1; row <= 100; ++row) {
        std::string piece = std::to_string(row) + "   0.9728   .0080" + (row % 2 ? "\r" : "\n");
        Append(String(piece));
        expected += piece;
    }
    Append("rule\n\r");
    Append("footer\n");
    expected += "rule\n\rfooter\n";
    EXPECT_EQ(m_area->Text(), String(expected));
    EXPECT_EQ(m_area->SelStart(), fw::Len(String(expected)));
    EXPECT_EQ(m_area->SelLength(), 0);
}

TEST_F(TextAreas, SelTextFollowsTheInsertionPointWithoutSettingItAgain) {
    m_area->SetText("head\r");
    m_area->SetSelStart(5);
    m_area->SetSelText("1\n");
    m_area->SetSelText("2\n");
    EXPECT_EQ(m_area->Text(), "head\r1\n2\n");
    // The insertion point counts characters: é is one, as is each of CR and LF.
    m_area->SetText("é\r\nx");
    m_area->SetSelStart(3);
    m_area->SetSelText("!");
    EXPECT_EQ(m_area->Text(), "é\r\n!x");
}

TEST_F(TextAreas, SelTextReplacesTheSelection) {
    m_area->SetText("one two three");
    QTextCursor cursor = View()->textCursor();
    cursor.setPosition(4);
    cursor.setPosition(7, QTextCursor::KeepAnchor);
    View()->setTextCursor(cursor);
    EXPECT_EQ(m_area->SelText(), "two");
    m_area->SetSelText("2");
    EXPECT_EQ(m_area->Text(), "one 2 three");
    EXPECT_EQ(m_area->SelStart(), 5);
}

TEST_F(TextAreas, InsertionThatJoinsCrAndLfShowsOneBreak) {
    m_area->SetText("ab\r");
    Append("\ncd");  // CR then LF: one line break now
    EXPECT_EQ(m_area->Text(), "ab\r\ncd");
    EXPECT_EQ(View()->toPlainText(), "ab\ncd");
    Append("e");
    EXPECT_EQ(m_area->Text(), "ab\r\ncde");
}

TEST_F(TextAreas, TypingMergesIntoTheTextAndALineBreakIsStoredAsCr) {
    m_area->SetText("x\r\ny");
    CursorToEnd();
    QTest::keyClicks(View(), "z1");
    QTest::keyClick(View(), Qt::Key_Return);
    QTest::keyClicks(View(), "w");
    EXPECT_EQ(m_area->Text(), "x\r\nyz1\rw");
    QTest::keyClick(View(), Qt::Key_Backspace);
    QTest::keyClick(View(), Qt::Key_Backspace);
    EXPECT_EQ(m_area->Text(), "x\r\nyz1");
    // Deleting the line break of a CR LF pair takes both characters.
    View()->moveCursor(QTextCursor::Start);
    QTest::keyClick(View(), Qt::Key_Right);
    QTest::keyClick(View(), Qt::Key_Delete);
    EXPECT_EQ(m_area->Text(), "xyz1");
}

TEST_F(TextAreas, CharacterLimitHoldsForTyping) {
    fw::SetProperties(m_area,
                      fw::PropertyListBuilder().Integer("MaximumCharactersAllowed", 3).Build());
    QTest::keyClicks(View(), "12345");
    EXPECT_EQ(m_area->Text(), "123");
    QTest::keyClick(View(), Qt::Key_Return);
    EXPECT_EQ(m_area->Text(), "123");
    // Typing over a selection replaces it and stays within the limit.
    View()->selectAll();
    QTest::keyClicks(View(), "9");
    EXPECT_EQ(m_area->Text(), "9");
    // An area with a limit holds a short entry: no line break, however typed, scrolls its start
    // out of sight.
    m_area->SetText("");
    QTest::keyClicks(View(), "5");
    QTest::keyClick(View(), Qt::Key_Return);
    QTest::keyClick(View(), Qt::Key_Return, Qt::ShiftModifier);
    QKeyEvent separator(QEvent::KeyPress, Qt::Key_unknown, {}, QString(QChar::LineSeparator));
    QApplication::sendEvent(View(), &separator);
    QTest::keyClicks(View(), "0");
    EXPECT_EQ(m_area->Text(), "50");
    EXPECT_EQ(View()->toPlainText(), "50");
    // The program's own text is kept as it is.
    m_area->SetText("1\r2");
    EXPECT_EQ(m_area->Text(), "1\r2");
}

TEST_F(TextAreas, CharacterLimitHoldsForPasting) {
    fw::SetProperties(m_area,
                      fw::PropertyListBuilder().Integer("MaximumCharactersAllowed", 4).Build());
    m_area->SetText("1");
    CursorToEnd();
    QApplication::clipboard()->setText("98765");
    View()->paste();
    EXPECT_EQ(m_area->Text(), "1987");
    View()->paste();
    EXPECT_EQ(m_area->Text(), "1987");
    // Line breaks and invisible control characters are left out, the rest kept.
    m_area->SetText("");
    QApplication::clipboard()->setText(
        "a\r\nb\x01"
        "c\u2029d");
    View()->paste();
    EXPECT_EQ(m_area->Text(), "abcd");
}

// What is dropped on an area with a limit is copied, as much of it as fits: the area may take
// less than all of it, so its source must keep the text.
TEST_F(TextAreas, DropOnAnAreaWithALimitCopiesWhatFits) {
    fw::SetProperties(m_area,
                      fw::PropertyListBuilder().Integer("MaximumCharactersAllowed", 4).Build());
    m_area->SetText("25");
    QMimeData lines;
    lines.setText("Number of variables:  100\nNumber of subjects:  2500\n");
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(QPoint(5, 5), actions, &lines, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(View()->viewport(), &enter);
    QDropEvent drop(QPointF(5, 5), actions, &lines, Qt::LeftButton, Qt::ShiftModifier);
    ASSERT_EQ(drop.proposedAction(), Qt::MoveAction);  // as a drag out of another area asks
    QApplication::sendEvent(View()->viewport(), &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(drop.dropAction(), Qt::CopyAction);
    EXPECT_EQ(m_area->Text(), "Nu25");
}

TEST_F(TextAreas, NoLimitTakesAWholePaste) {
    m_area->SetText("");
    QApplication::clipboard()->setText("pasted\ntext");
    View()->paste();
    EXPECT_EQ(m_area->Text(), "pasted\rtext");
}

// The program's pieces are laid out together, at the latest when the event loop turns: then the
// document's height holds every line.
TEST_F(TextAreas, AppendedLinesAreLaidOutByTheNextTurnOfTheLoop) {
    m_area->SetText("");
    for (int row = 0; row < 40; ++row) {
        Append("row\n");
    }
    QApplication::processEvents();
    const double lineHeight = QFontMetricsF(View()->document()->defaultFont()).lineSpacing();
    EXPECT_GE(View()->document()->documentLayout()->documentSize().height(), 40 * lineHeight);
    EXPECT_EQ(View()->document()->blockCount(), 41);
}

// A key typed right after the program appended goes where the insertion point is.
TEST_F(TextAreas, TypingRightAfterAnAppendGoesAtTheInsertionPoint) {
    m_area->SetText("ab\r");
    Append("cd");
    View()->setFocus();
    QTest::keyClicks(View(), "e");
    EXPECT_EQ(m_area->Text(), "ab\rcde");
    m_area->SetSelStart(0);
    m_area->SetSelText("x");  // at the start: the widget's cursor follows
    QTest::keyClicks(View(), "y");
    EXPECT_EQ(m_area->Text(), "xyab\rcde");
}

// A hidden area keeps its text to itself until it is shown or its insertion point is used.
TEST_F(TextAreas, HiddenAreaShowsItsTextWhenShown) {
    auto hidden = m_window->Add<TextArea>("Hidden");
    hidden->SetVisible(false);
    String table(LargeTable());
    hidden->SetText(table);
    EXPECT_TRUE(hidden->Text().SharesBytesWith(table));
    auto* view = static_cast<QTextEdit*>(hidden->Widget());
    hidden->SetVisible(true);
    EXPECT_EQ(view->document()->blockCount(), 11549);
    EXPECT_EQ(view->toPlainText().left(12),
              QString::fromStdString(LargeTable().substr(0, 12)).replace('\r', '\n'));

    auto other = m_window->Add<TextArea>("Other");
    other->SetVisible(false);
    other->SetText("one\rtwo");
    other->SetSelStart(4);
    other->SetSelText("2 ");
    EXPECT_EQ(other->Text(), "one\r2 two");
    EXPECT_EQ(other->SelStart(), 6);
}

}  // namespace
