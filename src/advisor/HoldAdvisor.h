#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "analysis/DrawTables.h"
#include "analysis/HoldCounts.h"
#include "analysis/OrvaneClasses.h"
#include "game/PayTable.h"

namespace orvane::advisor {

using analysis::CardMask;
using analysis::FiveCards;
using analysis::HoldBits;
using analysis::MeterTerms;

// What the advice of one round is worked out for: the five cards in slot order (numbered
// 0..52, a card value less one), the bonus rank and the countdown of the bet as they
// stood at the deal, and the pay table in force.
struct RoundSituation {
    FiveCards Hand{};
    std::int32_t Rank = FirstOrvaneNumber;
    std::int32_t Countdown = 10;
    Multipliers Pays = DefaultMultipliers;
};

// The value of each of the 32 holds (bit s keeps slot s + 1), per unit of bet.
struct HoldAdvice {
    HoldBits Best = analysis::HoldAll;
    double BestValue = 0;
    std::array<double, analysis::HoldCount> Values{};
    // Whether a meter step and a jackpot were priced from the whole game's solution.
    bool MeterAware = false;

    // What a hold gave up against the best one, never below 0.
    double GaveUp(HoldBits hold) const;
};

// After a first-draw win: take it, or give it up for the second draw.
struct AfterWinAdvice {
    bool DrawAgain = false;
    double Margin = 0;  // how much the better choice is worth over the other, per bet
    HoldBits DrawHold = 0;
    bool MeterAware = false;
};

// The best hold of a hand and what the player's hold gave up, from the exact engine. The
// meter is priced by the whole-game solution of the pay table in force once it is given,
// and by the pay table alone until then. A situation the engine cannot value (cards out
// of range or twice, a bonus rank out of 7..10) gets no advice rather than a wrong one.
class HoldAdvisor {
  public:
    using TablesFor = std::function<const analysis::DrawTables&(std::int32_t rank)>;

    explicit HoldAdvisor(TablesFor tables) : tables_(std::move(tables)) {}

    // The meter terms of every (rank, countdown) state, ten countdowns per rank from rank 7,
    // as the whole game's meter-aware solution for `pays` values them.
    void UseMeterTerms(const Multipliers& pays, std::vector<MeterTerms> stateTerms);

    // The holds of a dealt hand; `dead` holds cards that cannot come back (the cards a
    // first draw threw away, for the second draw).
    std::optional<HoldAdvice> Advise(const RoundSituation& situation, CardMask dead = 0) const;

    // After a first-draw win of situation.Hand, the first draw having thrown `thrownAway`.
    std::optional<AfterWinAdvice> AdviseAfterWin(const RoundSituation& situation,
                                                 CardMask thrownAway) const;

  private:
    struct Pricing {
        std::vector<double> Worth;
        bool MeterAware = false;
    };
    Pricing PriceFor(const RoundSituation& situation) const;

    TablesFor tables_;
    std::optional<Multipliers> termsPays_;
    std::vector<MeterTerms> stateTerms_;
};

// Whether five cards are distinct cards of the deck and the rank one the meter knows.
bool IsValuable(const RoundSituation& situation, CardMask dead);

}  // namespace orvane::advisor
