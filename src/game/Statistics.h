#pragma once

#include <array>
#include <cstdint>

namespace orvane {

// Win counts per pay line (index 1..11) and credit in and out, for all time and for
// this run. The table adds to them; the settings store keeps the all-time ones. They are
// 64-bit: all-time counters outgrow 32 bits long before a machine is retired, and a
// counter that stops at its ceiling loses what the player put in or won.
struct Statistics {
    std::array<std::int64_t, 12> PrizeStat{};
    std::array<std::int64_t, 12> RunPrizeStat{};
    std::int64_t CreditIn = 0;
    std::int64_t RunCreditIn = 0;
    std::int64_t CreditOut = 0;
    std::int64_t RunCreditOut = 0;
};

}  // namespace orvane
