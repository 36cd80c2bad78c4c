#pragma once

#include <cstdint>

#include "TOrvane.h"
#include "TableDisplay.h"
#include "TableSnapshot.h"
#include "TableState.h"

namespace orvane {

// The bonus meter: one ten-step countdown per bet index, stepped and emptied by bonus
// hands, paid out as a jackpot at zero and refilled when the win is over. It reads the
// bet and the hand's outcome from the table and advances the table's bonus rank.
class BonusMeter {
  public:
    BonusMeter(TableDisplay& display, Pause& pause, TableState& table);

    TOrvane& Countdowns() { return countdowns_; }
    const TOrvane& Countdowns() const { return countdowns_; }

    BonusMeterState Capture() const { return {countdowns_, savedCountdown_}; }
    void Restore(const BonusMeterState& state) {
        countdowns_ = state.Countdowns;
        savedCountdown_ = state.SavedCountdown;
    }

    // The current bet's countdown reached zero: its jackpot is won.
    bool Empty() const;
    std::int32_t Jackpot() const;
    void ShowJackpot();
    // Lights the squares of the current bet's countdown; the slow way lights them all,
    // then darkens the spent ones one by one.
    void Draw(bool quick);
    // An empty countdown of a playable bet fills again and the bonus rank moves on.
    // Tells whether it did, so the table can show the new rank's amounts.
    bool RefillIfEmpty();

    // The step (or, for a jackpot hand, the emptying) a win of the last draw earns, and
    // its undoing when the win is given up.
    void StepForPrize();
    void UndoForPrize();

  private:
    std::int32_t& OfBet();
    std::int32_t OfBet() const;
    bool PrizeSteps() const;

    TableDisplay& display_;
    Pause& pause_;
    TableState& table_;
    TOrvane countdowns_;
    std::int32_t savedCountdown_ = 0;  // what a jackpot hand emptied, for its undoing
};

}  // namespace orvane
