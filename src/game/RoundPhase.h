#pragma once

#include <cstdint>

namespace orvane {

// Where the round stands between events. The numbers are the ones the table has always
// used: a win is on offer in FirstDrawWon and SecondDrawWon.
enum class RoundPhase : std::int32_t {
    Idle = 0,
    Dealt = 1,
    FirstDrawWon = 2,
    SecondDrawWon = 3,
    First = Idle,
    Last = SecondDrawWon,
};

}  // namespace orvane
