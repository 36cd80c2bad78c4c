#pragma once

#include <atomic>
#include <functional>
#include <optional>
#include <vector>

#include "analysis/OrvaneReturn.h"
#include "game/PayTable.h"

namespace orvane::advisor {

// What a pay table returns in the long run, the meter included: under the best
// (meter-aware) holds and under the table's automatic hold, the meter's share of all that
// is paid, and the chance of each final pay line (index 0 no win, 1..11 the lines).
struct PayTableFigures {
    Multipliers Pays = DefaultMultipliers;
    // The best play: a first-draw win is given up for a second draw when that is worth
    // more, the meter priced. Worked out with the cards the first draw threw away counted
    // live in the second draw, so a little low (BestPlayShortfall).
    double BestPlayReturn = 0;
    double BestPlayMeterShare = 0;
    double BestPlaySecondDraws = 0;  // share of rounds whose first-draw win is given up
    // The best single-draw play: every first-draw win taken. Exact.
    double OptimalReturn = 0;
    double OptimalMeterShare = 0;
    double AutoReturn = 0;
    double AutoMeterShare = 0;
    std::vector<double> LineProbability;      // under the best holds
    std::vector<double> AutoLineProbability;  // under the automatic hold
    // The meter-aware worth of a step and of a jackpot in each (rank, countdown) state.
    std::vector<analysis::MeterTerms> StateTerms;
};

// How much higher the best play's return is than BestPlayReturn says, and one standard
// error of that, measured on the default pay table with every second draw valued with its
// dead cards (orvane-analysis accuracy, docs/analysis.md).
inline constexpr double BestPlayShortfall = 0.0514;
inline constexpr double BestPlayShortfallError = 0.0003;

// The three strategies of the whole game for `pays`; progress goes from 0 to 1. Nothing when
// `stop` was raised before the end (the work then ends within one bonus rank's play).
// The draw tables are built for the call and let go at its end.
std::optional<PayTableFigures> AnalysePayTable(const Multipliers& pays,
                                               const std::atomic<bool>& stop,
                                               const std::function<void(double)>& progress = {});

}  // namespace orvane::advisor
