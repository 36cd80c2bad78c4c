#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "DrawTables.h"

namespace orvane::analysis {

// Which of the five slots are kept: bit s for slot s (0..4).
using HoldBits = unsigned;
inline constexpr HoldBits HoldAll = 0b11111;
inline constexpr int HoldCount = 32;

// For each of the 32 holds of a hand: how many of the equally likely draws end in each
// hand class, and how many draws there are.
struct HoldOutcomes {
    int ClassCount = 0;
    std::array<std::int64_t, HoldCount> Draws{};
    std::vector<std::int64_t> Counts;  // HoldCount x ClassCount

    const std::int64_t* Of(HoldBits hold) const {
        return &Counts[static_cast<std::size_t>(hold) * static_cast<std::size_t>(ClassCount)];
    }
};

// The draws of every hold at once. Replacement cards are uniform over the cards not yet
// seen: the hand and the `dead` cards (those thrown away before) can never come back.
// The table gives hands that contain a set; the hands that contain the held cards and
// none of the cards that cannot come back follow by inclusion and exclusion, first over
// the dead cards, then over the thrown-away cards of each hold (a transform over the 32
// holds that shares its partial sums).
HoldOutcomes CountHoldOutcomes(const DrawTables& tables, const FiveCards& hand, CardMask dead = 0);

// The same for the holds in `which` only (bit h for hold h), each straight from the table
// by inclusion and exclusion over its thrown-away cards; the other rows stay 0. Cheaper
// when a few holds are wanted. `out` is reused from call to call.
void CountChosenHolds(const DrawTables& tables, const FiveCards& hand, std::uint32_t which,
                      HoldOutcomes& out);

}  // namespace orvane::analysis
