#pragma once

#include "DupMode.h"
#include "Statistics.h"

namespace orvane {

// What the rules need from the player's settings. The settings store implements it;
// the rules never reach the store itself.
class TableSettings {
  public:
    virtual ~TableSettings() = default;
    virtual bool AutoHoldEnabled() const = 0;
    virtual DupMode DoubleUpMode() const = 0;
    virtual int HoldDelayMs() const = 0;
    virtual int DealDelayMs() const = 0;
    virtual Statistics& Stats() = 0;
};

}  // namespace orvane
