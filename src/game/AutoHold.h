#pragma once

#include <array>

#include "HandEvaluator.h"

namespace orvane {

using HoldMask = std::array<bool, 5>;

// The cards worth keeping for a hand, by slot: the cards that make a win, or, for a
// hand without a prize, the first draw that applies (four to a flush, four to a
// straight, a low pair). The joker is always kept. The hand's joker must already carry
// the suit the evaluator gave it.
HoldMask ChooseHolds(const HandRanks& hand, PrizeIndex prize, std::int32_t winRank,
                     std::int32_t secondRank);

// What the automatic hold keeps of a dealt hand as the table plays it: the hand evaluated
// for the bonus rank, its joker given the suit the evaluator chose, then ChooseHolds.
HoldMask AutoHoldOfDeal(HandRanks hand, std::int32_t orvaneNumber);

}  // namespace orvane
