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

// Holds of exactly equal worth are settled as published tables settle them: the hold that
// keeps more cards first, then the lowest slots; keeping none, which in this game stands
// on the deal like keeping all five, comes with the five. In this game the meter comes before
// that: of two holds with equal worth the one more likely to empty the meter goes first,
// then the one more likely to step it (so meter-blind play, which prices neither, still
// plays towards the meter when the pay lines cannot tell two holds apart).
const std::array<HoldBits, HoldCount>& HoldsInTieOrder();

// Whether `a` beats `b` at the worth `t` of the meter terms: worth more, or worth the same
// with a larger chance of a jackpot, or of a step. Holds that do not beat one another
// keep HoldsInTieOrder.
bool Beats(const HoldSummary& a, const HoldSummary& b, MeterTerms t);

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
