#pragma once

#include "HandEvaluator.h"
#include "TableDisplay.h"
#include "TableSettings.h"
#include "TableState.h"

namespace orvane {

// The hand's five cards as the evaluator reads them.
HandRanks RanksOf(const TableState& s);

// The HOLD marks on the hand: the player's toggles, the automatic holds after a deal or
// under a win, and clearing them for the next stage.
class HandHolds {
  public:
    HandHolds(TableDisplay& display, Pause& pause, TableSettings& settings, TableState& s)
        : display_(display), pause_(pause), settings_(settings), s_(s) {}

    // The automatic holds; after a deal only when the player has them on, and one by one.
    void Mark(bool afterDeal);
    void Toggle(int slot);
    void HoldAll();
    void Clear();
    bool AllHeld() const;
    bool AnyHeld() const;

  private:
    TableDisplay& display_;
    Pause& pause_;
    TableSettings& settings_;
    TableState& s_;
};

}  // namespace orvane
