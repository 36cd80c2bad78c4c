#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include <memory>

#include "DrawTables.h"
#include "HoldCounts.h"
#include "HoldFrontier.h"
#include "OrvaneClasses.h"

namespace orvane::analysis {

// What the hand a first draw ends in brings, per round and unit of bet, when a win may be
// given up for the best second draw.
struct AfterDraw {
    double Paid = 0;        // by the pay lines
    double SecondDraw = 0;  // 1 when the win is given up: the second draw costs the bet
    double Step = 0;        // chance that the final hand steps the meter
    double Jackpot = 0;     // chance that it empties the meter

    AfterDraw& operator+=(const AfterDraw& o);
    AfterDraw& operator-=(const AfterDraw& o);
    AfterDraw& operator*=(double f);
};

// The take-or-draw-again choice of every hand of one bonus rank for any worth of the meter
// terms that is not negative: the hand taken, and the second draws that can be the best
// one at some worth (UndominatedHolds). A table per meter state then values no hand again.
class SecondDrawChoices {
  public:
    SecondDrawChoices(const DrawTables& tables, const Multipliers& pays);

  private:
    friend class SecondDrawTables;
    struct Candidate {
        HoldSummary Value;  // worth at the meter terms, the draw's cost counted
        AfterDraw Figures;
    };

    const DrawTables& tables_;
    std::vector<AfterDraw> taken_;               // one per hand up to suit renaming
    std::vector<std::uint32_t> firstCandidate_;  // per kind, and one past the last
    std::vector<Candidate> candidates_;
    std::shared_ptr<const std::vector<std::uint32_t>> kindOfHand_;
};

// Every five-card hand valued once as the end of a first draw: taken, or given up for the
// best second draw, whichever is worth more at `worth` (per class). The second draw is
// valued with the five cards in hand out of the deck; the cards the first draw threw away
// count as live (the one approximation: they cannot come back in the real draw). Suit
// renamings have the same figures, so each is worked out once. The figures are then
// summed over the hands containing each set of up to four cards, so that the holds of a
// deal read them as they read the draw tables: 32 rows, by inclusion and exclusion.
class SecondDrawTables {
  public:
    SecondDrawTables(const DrawTables& tables, const Multipliers& pays,
                     const std::vector<double>& worth);
    // The same at the pay table of `choices` plus the meter terms (none negative); the
    // choice between equal second draws may differ, their worth does not.
    SecondDrawTables(const SecondDrawChoices& choices, MeterTerms terms);

    // The figures of a hand of five cards.
    const AfterDraw& OfHand(CardMask hand) const;

    // Per hold of a deal, the average over its draws; holds 0 and 31 stand on the deal,
    // which may be given up for a second draw like any first-draw win.
    std::array<AfterDraw, HoldCount> OfHolds(const FiveCards& deal) const;

    std::size_t MemoryBytes() const;

  private:
    AfterDraw ValueHand(const FiveCards& hand, const Multipliers& pays,
                        const std::vector<double>& worth) const;
    void ValueEveryHand(const Multipliers& pays, const std::vector<double>& worth);
    void SumOverSets();

    const DrawTables& tables_;
    std::vector<AfterDraw> kinds_;  // one per hand up to suit renaming
    std::shared_ptr<const std::vector<std::uint32_t>> kindOfHand_;  // by the hand's set index
    std::vector<AfterDraw> sums_[5];                                // by set size, then set index
};

}  // namespace orvane::analysis
