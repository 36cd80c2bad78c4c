#pragma once

#include <array>
#include <cstdint>

#include "HandClasses.h"
#include "HoldCounts.h"

namespace orvane::analysis {

// The orders of the five slots a deal can come in.
inline constexpr int SlotOrders = 120;

// The automatic hold depends on the order of the cards in the slots (which of two equal
// ranks it keeps, and the suit the joker takes), and a deal's slot order is uniform, so a
// deal is weighed over its 120 orders: how many orders keep each hold (bit s for the card
// at position s of `cards`). `everyOrder` plays all 120; otherwise, without the joker, one
// order per arrangement of the cards of each rank among themselves, which is all the hold
// can see of the order there.
std::array<int, HoldCount> AutoHoldOrders(const FiveCards& cards, std::int32_t orvaneNumber,
                                          bool everyOrder = false);

}  // namespace orvane::analysis
