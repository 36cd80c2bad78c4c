#pragma once

#include <cstdint>

namespace orvane {

// What the double-up guesses: the rank (small 1..6 against big 8..13) or the colour of
// the suit. The numbers are the stored setting's.
enum class DupMode : std::int32_t {
    SmallBig = 1,
    RedBlack = 2,
};

// Any stored number other than red/black plays small/big.
constexpr DupMode DupModeOf(std::int32_t stored) {
    return stored == static_cast<std::int32_t>(DupMode::RedBlack) ? DupMode::RedBlack
                                                                  : DupMode::SmallBig;
}

}  // namespace orvane
