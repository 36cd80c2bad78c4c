#pragma once

#include <array>
#include <cstdint>

#include "PayTable.h"

namespace orvane {

// Ranks and suits of the five hand cards in slot order 1..5 (index 0..4).
struct HandRanks {
    std::array<std::int32_t, 5> Rank{};
    std::array<std::int32_t, 5> Suit{};
};

// The outcome of one evaluation. WinRank and SecondRank are only meaningful when the
// matching Sets flag is on: the table keeps its earlier values otherwise.
struct Evaluation {
    PrizeIndex Prize = NoPrize;
    std::int32_t WinRank = 0;
    std::int32_t SecondRank = 0;
    bool SetsWinRank = false;
    bool SetsSecondRank = false;
    bool MeterStepFlag = false;
    bool JackpotFlag = false;
    int JokerSlot = -1;  // 0..4, or -1 without a joker
    std::int32_t JokerSuit = 0;
};

// Which pay line the five cards make. With a joker the result also names the suit the
// joker takes, which the caller writes back to the joker's card.
Evaluation Evaluate(const HandRanks& hand, std::int32_t orvaneNumber);

}  // namespace orvane
