#pragma once

#include "Statistics.h"

namespace orvane {

// What the rules need from the player's settings. The settings store implements it;
// the rules never reach the store itself.
class TableSettings {
  public:
    virtual ~TableSettings() = default;
    virtual bool AutoHoldEnabled() const = 0;
    virtual int DoubleUpMode() const = 0;  // 1 small/big, 2 red/black
    virtual int HoldDelayMs() const = 0;
    virtual int DealDelayMs() const = 0;
    virtual Statistics& Stats() = 0;
};

}  // namespace orvane
