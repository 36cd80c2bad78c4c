#pragma once

// The play of one bonus rank's deals, shared by the whole game's figures and the hold survey.

#include <array>
#include <cstdint>
#include <vector>

#include "AutoHoldOrders.h"
#include "DealClasses.h"
#include "DrawTables.h"
#include "HoldCounts.h"
#include "HoldFrontier.h"
#include "OrvaneFigures.h"

namespace orvane::analysis {

// The deals are shared out by turns between two threads.
inline constexpr int Workers = 2;

struct Accumulator {
    std::array<StateFigures, Countdowns> States;
    std::vector<std::int64_t> Counts = std::vector<std::int64_t>(OrvaneClassCount, 0);

    Accumulator() {
        for (auto& s : States) {
            s.ClassProbability.assign(OrvaneClassCount, 0.0);
            s.DrawnClassProbability.assign(OrvaneClassCount, 0.0);
        }
    }
};

// A hold kept for the later passes of policy iteration: what the meter prices change.
struct SurveyedHold {
    HoldSummary Value;
    HoldBits Hold = 0;

    bool Stands() const { return Hold == 0 || Hold == HoldAll; }
    double Charged() const { return Stands() ? 1.0 : 2.0; }
    double LinePaid() const { return Stands() ? Value.Base : Value.Base + 1.0; }
};

// One worker's share of the deals of one bonus rank, each reduced to the holds that can be
// best at some meter prices: deal by deal, how many, then those holds in tie order.
struct RankSurvey {
    std::vector<std::int32_t> Weight;
    std::vector<std::uint8_t> Size;
    std::vector<SurveyedHold> Holds;
};

// The holds are in tie order, so the first best one is BestHold's.
const SurveyedHold* FirstBest(const SurveyedHold* holds, std::size_t size, MeterTerms t);

class RankPlayer {
  public:
    RankPlayer(const DrawTables& tables, std::int32_t rank, const OrvaneOptions& options,
               const std::array<MeterTerms, Countdowns>& terms);

    void Play(const DealClass& deal, Accumulator& acc) const;

    // Values every hold of the deal once and keeps those that can be best when a step
    // and a jackpot are worth anything not negative.
    void Survey(const DealClass& deal, RankSurvey& out) const;

    // The deal's play when the hold of each countdown is already known: only those holds
    // are counted.
    void PlayChosen(const DealClass& deal, const std::array<HoldBits, Countdowns>& chosen,
                    HoldOutcomes& scratch, Accumulator& acc) const;

    std::int64_t ExactScale() const { return multiple_ * SlotOrders; }

  private:
    HoldSummary Summarize(const HoldOutcomes& o, HoldBits m, int standing) const;
    void Add(const HoldOutcomes& o, HoldBits m, int standing, double weight,
             StateFigures& state) const;
    // Whole counts over deals x 120 slot orders x a common multiple of the draw counts.
    void AddExact(const HoldOutcomes& o, HoldBits m, int standing, std::int64_t weight,
                  Accumulator& acc) const;

    const DrawTables& tables_;
    std::int32_t rank_;
    const OrvaneOptions& options_;
    std::array<MeterTerms, Countdowns> terms_;
    std::array<double, OrvaneClassCount> pay_{};
    std::array<std::int64_t, OrvaneClassCount> steps_{};  // 1 for a class that steps the meter
    std::array<std::int64_t, OrvaneClassCount> jackpots_{};
    bool sameForAll_ = true;
    std::int64_t multiple_ = 1;
};

// The workers' sums, as chances per deal.
std::array<StateFigures, Countdowns> MergeWorkers(const std::vector<Accumulator>& acc);

// Every deal of the game's deck, up to the renaming of suits.
const std::vector<DealClass>& GameDeals();

}  // namespace orvane::analysis
