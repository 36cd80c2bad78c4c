#pragma once

#include <atomic>

#include "OrvaneReturn.h"
#include "SingleDrawReturn.h"

namespace orvane::analysis {

struct SecondDrawOptions {
    Multipliers Pays = DefaultMultipliers;
    bool Meter = true;  // the meter pays (its terms are not priced in the choices)
    // The holds after the deal count on the option (best play); false keeps the best
    // single-draw holds and uses the option only after the draw, as the simulator does.
    bool HoldsCountOnOption = true;
    // With the meter: the worth of a step and of a jackpot hand in each state, indexed
    // (rank - 7) x 10 + countdown - 1 (OrvaneFigures::StateTerms); the choices price them.
    // Empty: the choices price the pay lines only.
    std::vector<MeterTerms> Terms;
    // With Terms: how many strategies to play in turn, each priced by the meter chain of
    // the one before (policy iteration); stops early when the net per round settles.
    int PricingPasses = 1;
    // Raised from another thread: the work ends after the meter state in hand and gives
    // figures marked Stopped.
    const std::atomic<bool>* Stop = nullptr;
};

struct SecondDrawFigures {
    double Return = 0;  // paid / charged in the long run
    double NetPerRound = 0;
    double ChargedPerRound = 0;
    double MeterShare = 0;
    double SecondDrawsPerRound = 0;  // share of rounds whose first-draw win is given up
    int Passes = 1;
    double LastGainChange = 0;      // the change in net per round made by the last pass
    std::vector<MeterTerms> Terms;  // the meter terms the last pass priced
    bool Stopped = false;           // by SecondDrawOptions::Stop: the figures mean nothing
};

// The whole game when every first-draw win may be given up for the best second draw,
// each hold of each deal valued through SecondDrawTables (so the cards the first draw
// threw away count as live in the second draw). The choices price the pay lines and, when
// given, the meter terms; with the meter on, its jackpots are paid through the meter chain.
// Each state with terms of its own costs a table of its own: about ten times the time,
// per pass.
SecondDrawFigures OrvaneReturnWithSecondDraw(OrvaneTables& tables, const SecondDrawOptions& options,
                                             const Progress& progress = {});

}  // namespace orvane::analysis
