#include "framework/ui/WindowWidget.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "framework/ui/KeyText.h"
#include "framework/ui/TextLayouts.h"
#include "framework/ui/Window.h"

namespace fw {

namespace {

// A line drawn over everything in the window that lets clicks through to what lies below.
class FrameLine : public QWidget {
  public:
    explicit FrameLine(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        hide();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(QColor(128, 128, 128));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

}  // namespace

WindowWidget::WindowWidget(Window* owner)
    : m_owner(owner), m_content(new QWidget(this)), m_frameLine(new FrameLine(m_content)) {
    setCentralWidget(m_content);
    m_content->installEventFilter(this);
}

void WindowWidget::SetFrameLine(bool shown) {
    m_frameLine->setGeometry(m_content->rect());
    m_frameLine->raise();
    m_frameLine->setVisible(shown);
}

bool WindowWidget::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_content && event->type() == QEvent::Resize) {
        m_frameLine->setGeometry(m_content->rect());
    }
    return QMainWindow::eventFilter(watched, event);
}

void WindowWidget::showEvent(QShowEvent* event) {
    m_frameLine->raise();  // over the controls made since
    QMainWindow::showEvent(event);
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
