#include "framework/ui/FontSpec.h"

#include <QFont>
#include <algorithm>
#include <cmath>

#include "framework/graphics/FontNames.h"

namespace fw {

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
