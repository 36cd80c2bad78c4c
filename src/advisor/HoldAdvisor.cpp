#include "HoldAdvisor.h"

#include <algorithm>
#include <cmath>

#include "analysis/HoldValues.h"
#include "analysis/OrvaneReturn.h"

namespace orvane::advisor {

namespace {

// Values closer than this are the same hold to the player (and to rounding).
constexpr double SameValue = 1e-9;

}  // namespace

double HoldAdvice::GaveUp(HoldBits hold) const {
    if (hold >= Values.size()) {
        return 0.0;
    }
    const double lost = BestValue - Values[hold];
    return lost > SameValue ? lost : 0.0;
}

bool IsValuable(const RoundSituation& situation, CardMask dead) {
    if (situation.Rank < FirstOrvaneNumber || situation.Rank > LastOrvaneNumber) {
        return false;
    }
    for (int card : situation.Hand) {
        if (card < 0 || card >= analysis::MaxDeck) {
            return false;
        }
    }
    const CardMask hand = analysis::MaskOf(situation.Hand);
    constexpr CardMask Deck = (CardMask{1} << analysis::MaxDeck) - 1;
    return analysis::CardCount(hand) == 5 && (hand & dead) == 0 && (dead & ~Deck) == 0;
}

void HoldAdvisor::UseMeterTerms(const Multipliers& pays, std::vector<MeterTerms> stateTerms) {
    if (stateTerms.size() !=
        static_cast<std::size_t>(analysis::BonusRanks * analysis::Countdowns)) {
        return;  // not a solution of the whole meter: keep pricing the pay table alone
    }
    termsPays_ = pays;
    stateTerms_ = std::move(stateTerms);
}

HoldAdvisor::Pricing HoldAdvisor::PriceFor(const RoundSituation& situation) const {
    MeterTerms terms;
    const bool meterAware = termsPays_ && *termsPays_ == situation.Pays;
    if (meterAware) {
        // A countdown outside 1..10 is not a state of the meter; the nearest one stands in.
        const int countdown = std::clamp(situation.Countdown, 1, analysis::Countdowns);
        terms = stateTerms_[static_cast<std::size_t>(
            (situation.Rank - FirstOrvaneNumber) * analysis::Countdowns + countdown - 1)];
    }
    return Pricing{analysis::ClassWorth(situation.Pays, terms), meterAware};
}

std::optional<HoldAdvice> HoldAdvisor::Advise(const RoundSituation& situation,
                                              CardMask dead) const {
    if (!IsValuable(situation, dead)) {
        return std::nullopt;
    }
    const Pricing pricing = PriceFor(situation);
    const analysis::HandValues values =
        analysis::ValueHolds(tables_(situation.Rank), situation.Hand, pricing.Worth, dead);
    HoldAdvice advice;
    advice.MeterAware = pricing.MeterAware;
    advice.Best = values.Best;
    for (const analysis::HoldValue& hold : values.Holds) {
        advice.Values[hold.Hold] = hold.Value;
    }
    advice.BestValue = advice.Values[advice.Best];
    return advice;
}

std::optional<AfterWinAdvice> HoldAdvisor::AdviseAfterWin(const RoundSituation& situation,
                                                          CardMask thrownAway) const {
    if (!IsValuable(situation, thrownAway)) {
        return std::nullopt;
    }
    const Pricing pricing = PriceFor(situation);
    const analysis::SecondDrawChoice choice = analysis::ChooseAfterWin(
        tables_(situation.Rank), situation.Hand, pricing.Worth, thrownAway);
    AfterWinAdvice advice;
    advice.DrawAgain = choice.DrawAgain();
    advice.Margin = std::abs(choice.DrawValue - choice.TakeValue);
    advice.DrawHold = choice.DrawHold;
    advice.MeterAware = pricing.MeterAware;
    return advice;
}

}  // namespace orvane::advisor
