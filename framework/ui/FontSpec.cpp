#include "framework/ui/FontSpec.h"

#include <QFont>

#include "framework/graphics/FontNames.h"
#include "framework/ui/SetProperties.h"

namespace fw {

bool FontSpec::Take(const PropertyEntry& entry) {
    const std::string& property = entry.name;
    if (property == "FontName") {
        name = TextValue(entry);
    } else if (property == "FontSize") {
        size = SingleValue(entry);
    } else if (property == "Bold") {
        bold = BooleanValue(entry);
    } else if (property == "Italic") {
        italic = BooleanValue(entry);
    } else if (property == "Underline") {
        underline = BooleanValue(entry);
    } else {
        return false;
    }
    return true;
}

QFont FontSpec::ToQFont() const {
    QFont font = FontForName(name);
    if (size > 0) {
        font.setPointSizeF(size);
    }
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}

}  // namespace fw
