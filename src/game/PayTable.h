#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace orvane {

// 0 is no prize; 1..11 are the pay lines, a lower index being a higher prize.
using PrizeIndex = std::int32_t;

inline constexpr PrizeIndex NoPrize = 0;
inline constexpr PrizeIndex FiveOfAKind = 1;
inline constexpr PrizeIndex RoyalFlush = 2;
inline constexpr PrizeIndex StraightFlush = 3;
inline constexpr PrizeIndex Poker = 4;
inline constexpr PrizeIndex FullHouse = 5;
inline constexpr PrizeIndex Flush = 6;
inline constexpr PrizeIndex Straight = 7;
inline constexpr PrizeIndex ThreeOfAKind = 8;
inline constexpr PrizeIndex TwoPairs = 9;
inline constexpr PrizeIndex HighPair = 10;
inline constexpr PrizeIndex OrvaneThree = 11;
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

// The pay-table label of the bonus line, lower-case x ("ORVANE 3x7").
std::string OrvaneLineLabel(std::int32_t orvaneNumber);

}  // namespace orvane
