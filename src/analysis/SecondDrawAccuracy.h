#pragma once

#include <cstdint>

#include "SecondDrawReturn.h"
#include "SecondDrawTables.h"

namespace orvane::analysis {

// How far the whole-game figure with the second draw (OrvaneReturnWithSecondDraw, where
// the cards the first draw threw away count as live) is from the return of the same play
// with every take-or-draw-again choice made exactly, those cards dead.
//
// In each meter state (each bonus rank without the meter) random deals are played as the
// approximation plays them: its hold after the deal, then one random first draw. The hand
// the draw ends in is then valued twice, as the approximation's tables value it and exactly
// (its own dead cards, the best second draw priced as the strategy prices it); the mean
// of the difference, added to the approximation's own per-state figures over the same
// deals, gives the exact play's figures, and the meter chain (or the four ranks weighed
// alike) turns both into returns. Only the first draw is sampled, so the difference is
// measured with little noise; the error comes from batches of the deals.
struct AccuracyOptions {
    SecondDrawOptions Play;     // as OrvaneReturnWithSecondDraw; Terms: its final prices
    std::int64_t Deals = 2000;  // per state
    std::uint32_t Seed = 1;
    int Batches = 20;
};

struct AccuracyFigures {
    double ApproximateReturn = 0;  // of the sampled deals, cards thrown away live
    double ExactReturn = 0;        // the same deals, every second draw with its dead cards
    double Gap = 0;                // ExactReturn - ApproximateReturn
    double GapError = 0;           // one standard error, from the batches
    double ApproximateNet = 0;     // per round
    double ExactNet = 0;
    std::int64_t Deals = 0;  // in all
};

// The hand a first draw ends in, valued exactly: taken, or given up for the best second
// draw with the cards the first draw threw away dead, whichever is worth more at `worth`
// (as ChooseAfterWin decides).
AfterDraw ValueAfterDrawExactly(const DrawTables& tables, const FiveCards& hand,
                                CardMask thrownAway, const Multipliers& pays,
                                const std::vector<double>& worth);

AccuracyFigures MeasureSecondDrawAccuracy(OrvaneTables& tables, const AccuracyOptions& options,
                                          const Progress& progress = {});

}  // namespace orvane::analysis
