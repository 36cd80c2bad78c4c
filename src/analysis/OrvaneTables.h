#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "DrawTables.h"
#include "OrvaneFigures.h"

namespace orvane::analysis {

// The draw tables of the game for each bonus rank, built once (about 20 MB each).
class OrvaneTables {
  public:
    const DrawTables& ForRank(std::int32_t orvaneNumber);

  private:
    std::array<std::unique_ptr<DrawTables>, BonusRanks> tables_;
    // Every hand's class when none of its cards is of the bonus rank: the same for all
    // four ranks, so each rank classifies only the hands that hold its rank.
    std::vector<std::uint8_t> withoutBonusRank_;
};

// The place of a bonus rank in arrays by rank; throws outside 7..10.
std::size_t RankSlot(std::int32_t orvaneNumber);

}  // namespace orvane::analysis
