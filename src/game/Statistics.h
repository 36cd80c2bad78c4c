#pragma once

#include <array>
#include <cstdint>

namespace orvane {

// Win counts per pay line (index 1..11) and credit in and out, for all time and for
// this run. The table adds to them; the settings store keeps the all-time ones.
struct Statistics {
    std::array<std::int32_t, 12> PrizeStat{};
    std::array<std::int32_t, 12> RunPrizeStat{};
    std::int32_t CreditIn = 0;
    std::int32_t RunCreditIn = 0;
    std::int32_t CreditOut = 0;
    std::int32_t RunCreditOut = 0;
};

}  // namespace orvane
