#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "AutoHoldOrders.h"
#include "DrawTables.h"
#include "MeterChain.h"
#include "OrvaneFigures.h"
#include "OrvaneTables.h"
#include "RankHoldSurvey.h"
#include "SingleDrawReturn.h"

namespace orvane::analysis {

// The whole game, every deal of the 53 cards weighed, draws counted exactly. A first-draw
// win is always taken here (see ChooseAfterWin for the second draw of one hand).
OrvaneFigures OrvaneReturn(OrvaneTables& tables, const OrvaneOptions& options,
                           const Progress& progress = {});

// The per-state figures of one strategy (fixed worth of meter terms per countdown) for one
// bonus rank; exposed for the meter chain tests.
std::array<StateFigures, Countdowns> PlayOneRank(
    const DrawTables& tables, std::int32_t orvaneNumber, const OrvaneOptions& options,
    const std::array<MeterTerms, Countdowns>& terms, const Progress& progress = {},
    std::vector<std::int64_t>* exactCounts = nullptr, std::int64_t* exactTotal = nullptr);

}  // namespace orvane::analysis
