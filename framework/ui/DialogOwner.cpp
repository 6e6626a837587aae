#include "framework/ui/DialogOwner.h"

#include <QApplication>
#include <QWidget>

#include "framework/ui/Window.h"

namespace fw {

namespace {

std::weak_ptr<Window>& Running() {
    static std::weak_ptr<Window> window;
    return window;
}

}  // namespace

DialogOwnerScope::DialogOwnerScope(const std::shared_ptr<Window>& window) : m_outer(Running()) {
    Running() = window;
}

DialogOwnerScope::~DialogOwnerScope() {
    Running() = m_outer;
}

QWidget* DialogOwner() {
    if (std::shared_ptr<Window> window = Running().lock()) {
        if (window->Widget()->isVisible()) {
            return window->Widget();
        }
    }
    return QApplication::activeWindow();
}

}  // namespace fw
