#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "DrawTables.h"
#include "HoldCounts.h"

namespace orvane::analysis {

// The whole of a single-draw game under the best hold of every deal: how many of all
// equally weighted (deal, draw) pairs end in each hand class. Every count is scaled to
// one denominator (the deals times a common multiple of the draw counts), so the counts
// are exact integers and their sum is Total.
struct GameCounts {
    std::vector<std::int64_t> Counts;
    std::int64_t Total = 0;

    // Pays per class over the total, exactly summed before the one division.
    double Return(const std::vector<std::int64_t>& pays) const;
};

// Reports deals done so far out of all, for a progress bar; may be empty.
using Progress = std::function<void(std::size_t done, std::size_t all)>;

// The best hold of every deal for the pay table, ties going to the hold that keeps the
// most cards (then the lowest slots), the convention of published tables: with it their
// count of every final hand is matched, not only the return.
GameCounts SingleDrawReturn(const DrawTables& tables, const std::vector<std::int64_t>& pays,
                            const Progress& progress = {});

// The best hold of one deal, by exact comparison of pays over draws.
HoldBits BestSingleDrawHold(const HoldOutcomes& outcomes, const std::vector<std::int64_t>& pays);

}  // namespace orvane::analysis
