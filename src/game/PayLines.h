#pragma once

#include "PayTable.h"
#include "TableDisplay.h"
#include "TableState.h"

namespace orvane {

// The pay table on the screen: what each line pays at the bet, and the line of the hand.
class PayLines {
  public:
    PayLines(TableDisplay& display, Pause& pause, const TableState& s)
        : display_(display), pause_(pause), s_(s) {}

    void ShowValues();
    // A big win blinks its line and sounds; NoPrize clears the highlight.
    void Highlight(PrizeIndex prize);

  private:
    TableDisplay& display_;
    Pause& pause_;
    const TableState& s_;
};

}  // namespace orvane
