#pragma once

#include <Qt>
#include <cstdint>

namespace fw {

// A TextAlignment code: 0 default (left), 1 left, 2 centre, 3 right.
inline Qt::Alignment HorizontalAlignment(std::int64_t code) {
    switch (code) {
        case 2:
            return Qt::AlignHCenter;
        case 3:
            return Qt::AlignRight;
        default:
            return Qt::AlignLeft;
    }
}

}  // namespace fw
