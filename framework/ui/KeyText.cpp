#include "framework/ui/KeyText.h"

#include <QKeyEvent>

#include "framework/core/Text.h"

namespace fw {

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
        default:
            break;
    }
    const QByteArray utf8 = event.text().toUtf8();
    return String(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

}  // namespace fw
