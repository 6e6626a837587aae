#include "framework/ui/RestingPointer.h"

#include <QCursor>
#include <QEnterEvent>
#include <cmath>
#include <optional>

namespace fw {

namespace {

std::optional<QPointF> g_resting;

}  // namespace

void NoteRestingPointer() {
    g_resting = QCursor::pos();
}

bool CameUnderRestingPointer(const QEnterEvent& event) {
    if (!g_resting) {
        return false;
    }
    // Within a pixel: on a scaled screen one side of the comparison is rounded.
    const QPointF moved = event.globalPosition() - *g_resting;
    return std::abs(moved.x()) < 1.0 && std::abs(moved.y()) < 1.0;
}

}  // namespace fw
