#pragma once

#include <QTextCursor>
#include <QTextEdit>
#include <vector>

namespace fw {

class TextArea;

// The widget of a TextArea: a plain-text editor that reports the user's edits, keys, focus and
// the pointer's entering back to its area.
class TextAreaView : public QTextEdit {
  public:
    explicit TextAreaView(TextArea* owner);
    ~TextAreaView() override;

    // From here on the user's edits reach the area (once it is fully made).
    void ReportEdits();
    // The area is going: nothing reaches it any more.
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
    void OpenBatch();
    void CloseBatch();
    // The views with an open block, shown or not.
    static std::vector<TextAreaView*>& OpenBatches();

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    void dropEvent(QDropEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    TextArea* m_owner;
    bool m_updating = false;
    bool m_batch = false;
    bool m_enterOnMove = false;  // came under the resting pointer: entered when it moves
    QTextCursor m_block;
};

}  // namespace fw
