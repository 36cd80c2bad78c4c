#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace orvane {

// 0 is no prize; 1..11 are the pay lines, a lower index being a higher prize. The
// numbers index the multipliers, the statistics and the pay table's labels, so they
// convert to a number freely; a number becomes a pay line only by an explicit cast.
enum PrizeIndex : std::int32_t {
    NoPrize = 0,
    FiveOfAKind = 1,
    RoyalFlush = 2,
    StraightFlush = 3,
    Poker = 4,
    FullHouse = 5,
    Flush = 6,
    Straight = 7,
    ThreeOfAKind = 8,
    TwoPairs = 9,
    HighPair = 10,
    OrvaneThree = 11,
};
inline constexpr int PrizeLines = 11;

// Indexed 1..11; index 0 unused.
using Multipliers = std::array<std::int32_t, 12>;

inline constexpr Multipliers DefaultMultipliers = {0, 1100, 500, 100, 40, 10, 9, 7, 5, 3, 2, 12};

inline constexpr int BetLadderSize = 16;
inline constexpr std::array<std::int32_t, BetLadderSize> BetLadder = {
    1, 5, 7, 9, 10, 20, 30, 40, 50, 70, 90, 100, 200, 300, 400, 500};

inline constexpr int FirstOrvaneNumber = 7;
inline constexpr int LastOrvaneNumber = 10;

// The caption of a pay line as the win title shows it; the bonus line carries its rank
// with a capital X and no space ("ORVANE 3X7").
std::string PrizeCaption(PrizeIndex prize, std::int32_t orvaneNumber);
// A pay line's name as the dialogs list it, the bonus rank left as "x" ("ORVANE 3xX");
// empty outside 1..PrizeLines.
std::string PayLineName(PrizeIndex prize);

// The pay-table label of the bonus line, lower-case x ("ORVANE 3x7").
std::string OrvaneLineLabel(std::int32_t orvaneNumber);

}  // namespace orvane
