#pragma once

#include "game/GameTable.h"
#include "game/NullDisplay.h"

namespace orvane::bench {

// Shows nothing and never waits (NullDisplay, NoPause from the rules), with the shortest
// pauses, so a benchmark measures the rules alone.
using NullDisplay = ::orvane::NullDisplay;
using NullPause = ::orvane::NoPause;

class ZeroDelaySettings : public TableSettings {
  public:
    bool AutoHoldEnabled() const override { return true; }
    DupMode DoubleUpMode() const override { return DupMode::SmallBig; }
    int HoldDelayMs() const override { return 0; }
    int DealDelayMs() const override { return 0; }
    Statistics& Stats() override { return stats_; }

  private:
    Statistics stats_;
};

}  // namespace orvane::bench
