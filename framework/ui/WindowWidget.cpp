#include "framework/ui/WindowWidget.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include "framework/ui/KeyText.h"
#include "framework/ui/TextLayouts.h"
#include "framework/ui/Window.h"

namespace fw {

WindowWidget::WindowWidget(Window* owner) : m_owner(owner), m_content(new QWidget(this)) {
    setCentralWidget(m_content);
}

bool WindowWidget::event(QEvent* event) {
    if (event->type() == QEvent::UpdateRequest) {
        FlushTextLayouts();  // a repaint shows the text areas as they are now
    }
    const bool result = QMainWindow::event(event);
    if (event->type() == QEvent::WindowActivate && m_owner != nullptr) {
        m_owner->HandleActivate();
    }
    return result;
}

void WindowWidget::closeEvent(QCloseEvent* event) {
    // A window without a close button refuses the window manager's (the user's) request to close
    // it; the program's own Close still closes it.
    if (event->spontaneous() && m_owner != nullptr && !m_owner->HasCloseButton()) {
        event->ignore();
        return;
    }
    if (m_owner != nullptr) {
        m_owner->HandleClose();
    }
    event->accept();
}

void WindowWidget::keyPressEvent(QKeyEvent* event) {
    String key = KeyText(*event);
    if (m_owner != nullptr && !key.IsEmpty()) {
        EventArgs args;
        args.key = key;
        if (m_owner->RaiseEvent("KeyDown", args)) {
            event->accept();
            return;
        }
    }
    QMainWindow::keyPressEvent(event);
}

void WindowWidget::mousePressEvent(QMouseEvent* event) {
    if (m_owner != nullptr) {
        const QPoint at = m_content->mapFrom(this, event->position().toPoint());
        EventArgs args;
        args.x = at.x();
        args.y = at.y();
        if (m_owner->RaiseEvent("MouseDown", args)) {
            event->accept();
            return;
        }
    }
    QMainWindow::mousePressEvent(event);
}

}  // namespace fw
