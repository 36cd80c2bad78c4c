#pragma once

#include <QColor>

#include "settings/Rgb.h"

namespace orvane {

inline QColor ToQColor(const Rgb& rgb) {
    return QColor(rgb.r, rgb.g, rgb.b);
}

}  // namespace orvane
