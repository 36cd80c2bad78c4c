#pragma once

#include <cstdint>
#include <vector>

#include "HandClasses.h"
#include "game/PayTable.h"

namespace orvane::analysis {

// The game's final hands: its pay lines, with the lines that move the bonus meter split
// off so that one set of counts serves every meter state. Classes 0..11 are the pay
// lines as numbered by the game (the bonus line, 11, always steps the meter).
enum OrvaneClass : int {
    FullHouseStep = 12,  // a full house whose three are of the bonus rank
    PokerStep = 13,      // three of the bonus rank with the joker
    PokerJackpot = 14,   // four natural cards of the bonus rank
    FiveJackpot = 15,    // four of the bonus rank with the joker
};
inline constexpr int OrvaneClassCount = 16;

enum class MeterEffect { None, Step, Jackpot };

PrizeIndex PrizeOfClass(int cls);
MeterEffect MeterEffectOfClass(int cls);

// The game's 53 cards classified by the game's own evaluator for one bonus rank.
HandClasses OrvaneHandClasses(std::int32_t orvaneNumber);

// The class of five cards (numbered 0..52) by the game's own evaluator.
int OrvaneClassOf(const FiveCards& cards, std::int32_t orvaneNumber);

// What each class is worth per unit of bet: the pay-table multiplier, plus `step` for a
// class that steps the meter and `jackpot` for one that empties it.
struct MeterTerms {
    double Step = 0;
    double Jackpot = 0;
};
std::vector<double> ClassWorth(const Multipliers& multipliers, MeterTerms meter);

}  // namespace orvane::analysis
