#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "DrawTables.h"
#include "OrvaneFigures.h"
#include "SingleDrawReturn.h"

namespace orvane::analysis {

// The deals of one bonus rank valued once and reduced to the holds that can be the best
// one at some worth of a step and of a jackpot that is not negative (a handful per deal);
// each later pass of meter-aware play only scans them. Chooses exactly as PlayOneRank.
class RankHoldSurvey {
  public:
    RankHoldSurvey(const DrawTables& tables, std::int32_t orvaneNumber,
                   const OrvaneOptions& options, const Progress& progress = {});
    ~RankHoldSurvey();
    RankHoldSurvey(RankHoldSurvey&&) noexcept;
    RankHoldSurvey& operator=(RankHoldSurvey&&) noexcept;

    // The best play at the given worth of meter terms per countdown (none negative).
    std::array<StatePlay, Countdowns> Play(const std::array<MeterTerms, Countdowns>& terms) const;

    // Every state's figures at those terms, as PlayOneRank gives them, only the chosen holds
    // counted. `tables` are the ones surveyed.
    std::array<StateFigures, Countdowns> Figures(
        const DrawTables& tables, const OrvaneOptions& options,
        const std::array<MeterTerms, Countdowns>& terms) const;

    std::size_t HoldsKept() const;
    std::size_t Deals() const;

  private:
    struct Shares;
    std::unique_ptr<Shares> shares_;
};

}  // namespace orvane::analysis
