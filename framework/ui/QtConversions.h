#pragma once

#include <QColor>
#include <QString>

#include "framework/core/String.h"
#include "framework/ui/PropertyList.h"

namespace fw {

inline QString ToQString(const String& text) {
    return QString::fromUtf8(text.Data(), static_cast<qsizetype>(text.ByteCount()));
}

inline String FromQString(const QString& text) {
    return String(text.toStdString());
}

// A property list's colour: red, green, blue in stored order; the fourth byte is not used.
inline QColor ToQColor(const Color& color) {
    return QColor(color.red, color.green, color.blue);
}

}  // namespace fw
