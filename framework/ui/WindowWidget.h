#pragma once

#include <QMainWindow>

namespace fw {

class Window;

// The top-level widget of a Window. Its central widget holds the controls at the window's
// coordinates; presses and keys that no control takes come up to it and become the window's
// MouseDown and KeyDown.
class WindowWidget : public QMainWindow {
  public:
    explicit WindowWidget(Window* owner);

    QWidget* Content() const { return m_content; }
    // A window without a frame of its own shows a thin grey line along the inside of its edge.
    void SetFrameLine(bool shown);
    // The window object is going: no more events reach it.
    void Detach() { m_owner = nullptr; }

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    Window* m_owner;
    QWidget* m_content;
    QWidget* m_frameLine;  // over the controls, along the content's edge
};

}  // namespace fw
