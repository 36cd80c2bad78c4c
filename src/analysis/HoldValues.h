#pragma once

#include <array>
#include <vector>

#include "HoldCounts.h"

namespace orvane::analysis {

// The worth of one hold per unit of bet, after the deal's charge: what the final hand is
// worth on average less what the draw costs. A draw that replaces a card costs the bet
// again. Keeping all five cards is free and takes the hand as it stands; keeping none
// does the same here, because the table then takes a dealt win, or, without one, deals a
// fresh hand, which is a new round charged as such, so this round ends with nothing.
struct HoldValue {
    HoldBits Hold = 0;
    double Value = 0;
    double DrawCost = 0;
    std::vector<double> Probability;  // of each hand class
    // This game only: the chances that the final hand steps or empties the bonus meter,
    // which settle holds of equal worth (HoldsInTieOrder).
    double StepChance = 0;
    double JackpotChance = 0;
};

struct HandValues {
    std::array<HoldValue, HoldCount> Holds;
    HoldBits Best = HoldAll;
    double StandValue = 0;  // keeping the hand as it is
    // This game's valuation: keeping none stands on the deal, and is named before keeping
    // all five among equal values (HoldsInTieOrder). In a single-draw game it draws five.
    bool KeepingNoneStands = true;

    // The holds from best to worst; equal values as HoldsInTieOrder (the meter's chances,
    // then the most cards kept, then the lowest slots).
    std::vector<HoldValue> Ranked() const;
};

// The 32 holds of a single-draw game (the standard games): every hold is a draw at no
// further cost, keeping none draws five fresh cards, keeping all five stands.
HandValues ValueSingleDrawHolds(const DrawTables& tables, const FiveCards& hand,
                                const std::vector<double>& worth);

// `worth` gives each hand class its worth per unit of bet (pay and meter terms). After a
// deal `dead` is empty; for the second draw after a first-draw win it holds the cards the
// first draw threw away.
HandValues ValueHolds(const DrawTables& tables, const FiveCards& hand,
                      const std::vector<double>& worth, CardMask dead = 0);

// After a first-draw win: take it, or give it up for the best second draw.
struct SecondDrawChoice {
    double TakeValue = 0;
    double DrawValue = 0;  // the best hold that replaces at least one card
    HoldBits DrawHold = 0;
    bool DrawAgain() const { return DrawValue > TakeValue; }
};
SecondDrawChoice ChooseAfterWin(const DrawTables& tables, const FiveCards& hand,
                                const std::vector<double>& worth, CardMask thrownAway);

// The values of the 32 holds after a deal when every first-draw win may be given up for
// the best second draw (the draw's winning hands valued by ChooseAfterWin with the draw's
// thrown-away cards dead). Standing on a dealt win is a first-draw win too. Exact, by
// going through every draw of every hold: about a million final hands, so seconds, not
// milliseconds.
// `which` picks the drawing holds to value so (bit h for hold h); the others keep their
// single-draw values.
HandValues ValueHoldsWithSecondDraw(const DrawTables& tables, const FiveCards& hand,
                                    const std::vector<double>& worth,
                                    std::uint32_t which = 0xFFFFFFFFU);

}  // namespace orvane::analysis
