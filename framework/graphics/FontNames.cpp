#include "framework/graphics/FontNames.h"
#include "framework/ui/QtConversions.h"

#include <QFontDatabase>
#include <QString>

namespace fw {

QFont FontForName(const String& name) {
    QString family = ToQString(name);
    if (family.isEmpty() || family == "System") {
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    }
    if (family.compare("Courier", Qt::CaseInsensitive) == 0) {
        return QFontDatabase::systemFont(QFontDatabase::FixedFont);
    }
    QFont font(family);
    return font;
}

}  // namespace fw
