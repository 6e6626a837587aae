#pragma once

class QWidget;

namespace fw {

// Moves the top-level widget, about to be shown, so that its frame is centred over the window
// `over` or, without one, on the screen under the pointer (else the primary screen); either way
// inside that screen's available area, the top-left corner first, so that a window larger than
// the area still shows its title bar and its menu bar. The frame is the widget's size once its
// layout has settled, with the window manager's frame around it when that is known (after the
// window was shown once), else the widget alone.
void CentreWindow(QWidget& window, const QWidget* over);

}  // namespace fw
