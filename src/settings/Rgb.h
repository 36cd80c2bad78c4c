#pragma once

#include <cstdint>

namespace orvane {

// A 24-bit colour. Kept free of any toolkit so the settings and their catalogs stay
// plain data; the window turns it into its own colour type where it paints.
struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

}  // namespace orvane
