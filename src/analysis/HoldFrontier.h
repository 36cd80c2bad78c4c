#pragma once

#include <array>
#include <cstdint>

#include "HoldCounts.h"
#include "OrvaneClasses.h"

namespace orvane::analysis {

// One hold of one deal, reduced to what a meter-aware strategy compares: its worth is
// Base + Step x (worth of a step) + Jackpot x (worth of a jackpot hand).
struct HoldSummary {
    double Base = 0;  // pay-line worth less the draw's cost
    double Step = 0;  // chance of a meter step
    double Jackpot = 0;

    double ValueAt(MeterTerms t) const { return Base + Step * t.Step + Jackpot * t.Jackpot; }
};

// The order in which equal values are settled: the fewest cards kept first, then the
// lowest slots.
const std::array<HoldBits, HoldCount>& HoldsInTieOrder();

// The best hold at the given worth of the meter terms; ties as HoldsInTieOrder.
HoldBits BestHold(const std::array<HoldSummary, HoldCount>& summary, MeterTerms t);

// The holds that can still be the best one for some worth of a step and of a jackpot that
// is not negative, in tie order; returns how many. A hold goes when another one is at
// least as good in all three numbers and either comes first in tie order or is better in
// Base by more than any rounding of the sum could hide: then it is never chosen, at any
// such worth, by BestHold.
int UndominatedHolds(const std::array<HoldSummary, HoldCount>& summary,
                     std::array<HoldBits, HoldCount>& kept);

}  // namespace orvane::analysis
