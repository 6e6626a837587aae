#include "framework/ui/KeyText.h"

#include <QKeyEvent>

#include "framework/core/Text.h"

namespace fw {

namespace {

// The keys that only change what other keys do (and a key the platform cannot name).
bool IsModifierAlone(int key) {
    switch (key) {
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Meta:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_CapsLock:
        case Qt::Key_NumLock:
        case Qt::Key_ScrollLock:
        case Qt::Key_Super_L:
        case Qt::Key_Super_R:
        case Qt::Key_Hyper_L:
        case Qt::Key_Hyper_R:
        case Qt::Key_Mode_switch:
        case Qt::Key_unknown:
            return true;
        default:
            return false;
    }
}

}  // namespace

String KeyText(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return Chr(13);
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return Chr(9);
        case Qt::Key_Backspace:
            return Chr(8);
        case Qt::Key_Escape:
            return Chr(27);
        case Qt::Key_Delete:
            return Chr(127);
        case Qt::Key_Left:
            return Chr(28);
        case Qt::Key_Right:
            return Chr(29);
        case Qt::Key_Up:
            return Chr(30);
        case Qt::Key_Down:
            return Chr(31);
        case Qt::Key_Home:
            return Chr(1);
        case Qt::Key_End:
            return Chr(4);
        case Qt::Key_Help:
            return Chr(5);
        case Qt::Key_PageUp:
            return Chr(11);
        case Qt::Key_PageDown:
            return Chr(12);
        default:
            break;
    }
    const QByteArray utf8 = event.text().toUtf8();
    if (utf8.isEmpty() && !IsModifierAlone(event.key())) {
        return Chr(16);
    }
    return String(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

}  // namespace fw
