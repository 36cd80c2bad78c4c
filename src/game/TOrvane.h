#pragma once

#include <array>
#include <cstdint>

namespace orvane {

// The bonus meter's countdowns, one per bet index. Index 0 belongs to the empty
// machine and stays 0; 1..15 count 10 (full) down to 0 (jackpot). The table decides
// when they step, empty and refill.
struct TOrvane {
    static constexpr std::int32_t Full = 10;
    std::array<std::int32_t, 16> State{};

    TOrvane() {
        State.fill(Full);
        State[0] = 0;
    }
};

}  // namespace orvane
