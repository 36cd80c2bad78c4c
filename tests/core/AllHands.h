#pragma once

#include <array>

#include "game/Card.h"
#include "game/HandEvaluator.h"

namespace orvane::test {

// The ranks and suits of five cards in the given slot order; the joker's suit is left
// at 0 for the evaluator to give.
inline HandRanks InSlotOrder(const std::array<CardValue, 5>& cards) {
    HandRanks hand;
    for (std::size_t i = 0; i < 5; ++i) {
        hand.Rank[i] = RankOfValue(cards[i]);
        hand.Suit[i] = cards[i] == JokerValue ? 0 : SuitOfValue(cards[i]);
    }
    return hand;
}

// Calls visit(cards) for each of the C(53, 5) hands, ascending card values in slots
// 1..5, so the joker (53) always stands in slot 5.
template <typename Visit>
void ForEachHand(Visit visit) {
    std::array<CardValue, 5> c{};
    for (c[0] = 1; c[0] <= 49; ++c[0]) {
        for (c[1] = c[0] + 1; c[1] <= 50; ++c[1]) {
            for (c[2] = c[1] + 1; c[2] <= 51; ++c[2]) {
                for (c[3] = c[2] + 1; c[3] <= 52; ++c[3]) {
                    for (c[4] = c[3] + 1; c[4] <= 53; ++c[4]) {
                        visit(c);
                    }
                }
            }
        }
    }
}

}  // namespace orvane::test
