#pragma once

#include "TableListener.h"
#include "TableSettings.h"
#include "TableState.h"

namespace orvane {

// The player's statistics as the table plays: coins in, cash-outs and the wins per pay
// line, for all time and for this run. Whether the win on offer really moved its counters
// is kept with the table, so a restarted round gives back exactly what it added.
class PrizeStatistics final : public TableListener {
  public:
    PrizeStatistics(TableSettings& settings, TableState& table)
        : settings_(settings), table_(table) {}

    void CreditMoved(CreditMove move, std::int64_t amount, bool counted) override;
    void WinOffered(PrizeIndex prize, std::int32_t win) override;
    void WinGivenUp(PrizeIndex prize) override;

  private:
    TableSettings& settings_;
    TableState& table_;
};

}  // namespace orvane
