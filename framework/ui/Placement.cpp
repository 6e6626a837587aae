#include "framework/ui/Placement.h"

#include <QCursor>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace fw {

void CentreWindow(QWidget& window, const QWidget* over) {
    // A window never shown has Qt's default size until its layout gives it its own.
    if (QLayout* layout = window.layout()) {
        layout->activate();
    }
    QScreen* screen = over != nullptr ? over->screen() : QGuiApplication::screenAt(QCursor::pos());
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->availableGeometry();
    QRect frame = window.frameGeometry();
    frame.moveCenter(over != nullptr ? over->frameGeometry().center() : area.center());
    // Pulled back over the right and bottom edges first, so that the top-left corner wins.
    frame.moveLeft(std::max(std::min(frame.left(), area.right() - frame.width() + 1), area.left()));
    frame.moveTop(std::max(std::min(frame.top(), area.bottom() - frame.height() + 1), area.top()));
    window.move(frame.topLeft());
}

}  // namespace fw
