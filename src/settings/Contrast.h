#pragma once

#include <algorithm>
#include <cmath>

#include "Rgb.h"

namespace orvane {

// How far apart two colours are to the eye, as the web's accessibility guidelines measure
// it: 1 for the same colour up to 21 for black on white. Text needs 4.5 to be read easily.
inline constexpr double ReadableContrast = 4.5;

inline double RelativeLuminance(Rgb c) {
    const auto linear = [](std::uint8_t v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
}

inline double ContrastRatio(Rgb a, Rgb b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace orvane
