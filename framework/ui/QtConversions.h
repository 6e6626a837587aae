#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <algorithm>
#include <cstdint>

#include "framework/core/String.h"
#include "framework/ui/PropertyList.h"

namespace fw {

inline QString ToQString(const String& text) {
    return QString::fromUtf8(text.Data(), static_cast<qsizetype>(text.ByteCount()));
}

inline String FromQString(const QString& text) {
    return String(text.toStdString());
}

// A layout coordinate or size in logical pixels, within what a widget can take.
inline int ToPixels(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
}

// A property list's colour: red, green, blue in stored order; the fourth byte is not used.
inline QColor ToQColor(const Color& color) {
    return QColor(color.red, color.green, color.blue);
}

}  // namespace fw
