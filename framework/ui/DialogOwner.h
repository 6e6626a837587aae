#pragma once

#include <memory>

class QWidget;

namespace fw {

class Window;

// While the system's code runs for a window (an event of the window or of one of its controls,
// or one of its menu handlers), the dialogs that code opens speak for that window and open over
// it: however many come in a row, and whichever window is active meanwhile (none, for a moment,
// as a message box closes, or another one that the window manager chose).
class DialogOwnerScope {
  public:
    // Nil: the code runs for no window of its own.
    explicit DialogOwnerScope(const std::shared_ptr<Window>& window);
    ~DialogOwnerScope();
    DialogOwnerScope(const DialogOwnerScope&) = delete;
    DialogOwnerScope& operator=(const DialogOwnerScope&) = delete;

  private:
    std::weak_ptr<Window> m_outer;  // that of the call this one runs inside, given back after
};

// The window that a dialog opened now speaks for: the one whose code is running, while it is
// shown; else the application's active window; else none.
QWidget* DialogOwner();

}  // namespace fw
