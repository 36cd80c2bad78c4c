#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "AllHands.h"
#include "game/AutoHold.h"

namespace orvane::test {
namespace {

// The automatic hold after a deal for every hand of the deck, cards in ascending order,
// bonus rank 7. The figures come from tools/reference/hold_counts.py, which applies the
// draw strategy as written in the rules to its own evaluator.
constexpr std::array<std::int64_t, 6> ExpectedHandsByHeldCount = {961920, 23940,  1183272,
                                                                  137280, 528168, 35105};
// Slot 1 counts 1, slot 5 counts 16: a rule that keeps the right number of cards in the
// wrong slots (the second 5 of a pair instead of the first) moves this.
constexpr std::int64_t ExpectedHeldMaskSum = 33330109;

TEST(AutoHoldCount, EveryHandOfTheDeckAfterADeal) {
    std::array<std::int64_t, 6> byCount{};
    std::int64_t maskSum = 0;
    std::int64_t jokerLeft = 0;
    ForEachHand([&](const std::array<CardValue, 5>& cards) {
        const HoldMask held = AutoHoldOfDeal(InSlotOrder(cards), 7);
        int count = 0;
        for (std::size_t i = 0; i < 5; ++i) {
            if (held[i]) {
                ++count;
                maskSum += std::int64_t{1} << i;
            }
        }
        ++byCount[static_cast<std::size_t>(count)];
        jokerLeft += (cards[4] == JokerValue && !held[4]) ? 1 : 0;
    });
    EXPECT_EQ(byCount, ExpectedHandsByHeldCount);
    EXPECT_EQ(maskSum, ExpectedHeldMaskSum);
    EXPECT_EQ(jokerLeft, 0);
}

}  // namespace
}  // namespace orvane::test
