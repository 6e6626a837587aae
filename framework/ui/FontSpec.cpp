#include "framework/ui/FontSpec.h"

#include <QFont>
#include <algorithm>
#include <array>
#include <cmath>

#include "framework/graphics/FontNames.h"
#include "framework/ui/SetProperties.h"

namespace fw {

bool FontSpec::Knows(std::string_view name) {
    static constexpr std::array<std::string_view, 6> kNames = {"FontName", "FontSize", "FontUnit",
                                                               "Bold",     "Italic",   "Underline"};
    return NameIsIn(name, kNames);
}

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
        // The layouts are drawn 72 units to the inch, where a point is one logical pixel: a
        // size taken as points on a 96-dpi screen would come out a third larger, and the
        // captions and the report's rules would no longer fit the controls made for them.
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(size))));
    }
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}

}  // namespace fw
