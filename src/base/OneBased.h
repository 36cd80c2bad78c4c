#pragma once

#include <cstddef>

namespace orvane {

// Hand slots, pay lines, meter squares and numbered controls keep the numbers the player
// sees and the stored settings use, counting from 1. Their arrays leave element 0 unused,
// so number n is element n; this turns the number into that index.
constexpr std::size_t OneBased(int number) {
    return static_cast<std::size_t>(number);
}

}  // namespace orvane
