#include "RankPlayer.h"

#include <algorithm>
#include <numeric>

#include "AutoHoldOrders.h"
#include "game/Card.h"

namespace orvane::analysis {

namespace {

std::int64_t CommonDrawMultiple(int unseen) {
    std::int64_t l = 1;
    for (int k = 0; k <= 5; ++k) {
        l = std::lcm(l, Binomial::Of(unseen, k));
    }
    return l;
}

}  // namespace

const SurveyedHold* FirstBest(const SurveyedHold* holds, std::size_t size, MeterTerms t) {
    const SurveyedHold* best = holds;
    for (std::size_t h = 1; h < size; ++h) {
        if (Beats(holds[h].Value, best->Value, t)) {
            best = &holds[h];
        }
    }
    return best;
}

RankPlayer::RankPlayer(const DrawTables& tables, std::int32_t rank, const OrvaneOptions& options,
                       const std::array<MeterTerms, Countdowns>& terms)
    : tables_(tables), rank_(rank), options_(options), terms_(terms) {
    for (int cls = 0; cls < OrvaneClassCount; ++cls) {
        const PrizeIndex prize = PrizeOfClass(cls);
        pay_[static_cast<std::size_t>(cls)] =
            prize == NoPrize ? 0.0 : options.Pays[static_cast<std::size_t>(prize)];
    }
    sameForAll_ = std::all_of(terms.begin(), terms.end(), [&](const MeterTerms& t) {
        return t.Step == terms[0].Step && t.Jackpot == terms[0].Jackpot;
    });
    multiple_ = CommonDrawMultiple(tables.DeckSize() - 5);
    for (int cls = 0; cls < OrvaneClassCount; ++cls) {
        const MeterEffect e = MeterEffectOfClass(cls);
        steps_[static_cast<std::size_t>(cls)] = e == MeterEffect::Step ? 1 : 0;
        jackpots_[static_cast<std::size_t>(cls)] = e == MeterEffect::Jackpot ? 1 : 0;
    }
}

void RankPlayer::Play(const DealClass& deal, Accumulator& acc) const {
    const HoldOutcomes o = CountHoldOutcomes(tables_, deal.Cards);
    const int standing = tables_.ClassOf(MaskOf(deal.Cards));
    if (options_.Play == Strategy::Auto) {
        const auto orders = AutoHoldOrders(deal.Cards, rank_);
        for (HoldBits m = 0; m < HoldCount; ++m) {
            if (orders[m] != 0) {
                // The same in every countdown: PlayOneRank copies it to the others.
                const double share = deal.Weight * orders[m] / double{SlotOrders};
                Add(o, m, standing, share, acc.States[0]);
                AddExact(o, m, standing, std::int64_t{deal.Weight} * orders[m], acc);
            }
        }
        return;
    }
    std::array<HoldSummary, HoldCount> summary{};
    for (HoldBits m = 0; m < HoldCount; ++m) {
        summary[m] = Summarize(o, m, standing);
    }
    HoldBits firstBest = 0;
    for (int c = 0; c < Countdowns; ++c) {
        const auto cs = static_cast<std::size_t>(c);
        if (c > 0 && sameForAll_) {
            Add(o, firstBest, standing, deal.Weight, acc.States[cs]);
            continue;
        }
        const HoldBits best = BestHold(summary, terms_[cs]);
        Add(o, best, standing, deal.Weight, acc.States[cs]);
        if (c == 0) {
            firstBest = best;
            AddExact(o, best, standing, std::int64_t{deal.Weight} * SlotOrders, acc);
        }
    }
}

void RankPlayer::Survey(const DealClass& deal, RankSurvey& out) const {
    const HoldOutcomes o = CountHoldOutcomes(tables_, deal.Cards);
    const int standing = tables_.ClassOf(MaskOf(deal.Cards));
    std::array<HoldSummary, HoldCount> summary{};
    for (HoldBits m = 0; m < HoldCount; ++m) {
        summary[m] = Summarize(o, m, standing);
    }
    std::array<HoldBits, HoldCount> kept{};
    const int count = UndominatedHolds(summary, kept);
    out.Weight.push_back(deal.Weight);
    out.Size.push_back(static_cast<std::uint8_t>(count));
    for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i) {
        out.Holds.push_back({summary[kept[i]], kept[i]});
    }
}

void RankPlayer::PlayChosen(const DealClass& deal, const std::array<HoldBits, Countdowns>& chosen,
                            HoldOutcomes& scratch, Accumulator& acc) const {
    std::uint32_t which = 0;
    for (HoldBits m : chosen) {
        which |= 1U << m;
    }
    CountChosenHolds(tables_, deal.Cards, which, scratch);
    const int standing = tables_.ClassOf(MaskOf(deal.Cards));
    for (std::size_t c = 0; c < Countdowns; ++c) {
        Add(scratch, chosen[c], standing, deal.Weight, acc.States[c]);
    }
}

HoldSummary RankPlayer::Summarize(const HoldOutcomes& o, HoldBits m, int standing) const {
    HoldSummary s;
    if (m == 0 || m == HoldAll) {
        s.Base = pay_[static_cast<std::size_t>(standing)];
        s.Step = MeterEffectOfClass(standing) == MeterEffect::Step ? 1.0 : 0.0;
        s.Jackpot = MeterEffectOfClass(standing) == MeterEffect::Jackpot ? 1.0 : 0.0;
        return s;
    }
    const std::int64_t* c = o.Of(m);
    double base = 0;
    std::int64_t step = 0;
    std::int64_t jackpot = 0;
    for (std::size_t j = 0; j < static_cast<std::size_t>(OrvaneClassCount); ++j) {
        base += static_cast<double>(c[j]) * pay_[j];
        step += c[j] * steps_[j];
        jackpot += c[j] * jackpots_[j];
    }
    const auto draws = static_cast<double>(o.Draws[m]);
    s.Base = base / draws - 1.0;
    s.Step = static_cast<double>(step) / draws;
    s.Jackpot = static_cast<double>(jackpot) / draws;
    return s;
}

void RankPlayer::Add(const HoldOutcomes& o, HoldBits m, int standing, double weight,
                     StateFigures& state) const {
    const bool stands = m == 0 || m == HoldAll;
    if (stands) {
        state.ClassProbability[static_cast<std::size_t>(standing)] += weight;
        state.Charged += weight;
        const MeterEffect e = MeterEffectOfClass(standing);
        state.StepProbability += e == MeterEffect::Step ? weight : 0.0;
        state.JackpotProbability += e == MeterEffect::Jackpot ? weight : 0.0;
        return;
    }
    const std::int64_t* c = o.Of(m);
    const double scale = weight / static_cast<double>(o.Draws[m]);
    state.Charged += 2.0 * weight;
    for (int cls = 0; cls < OrvaneClassCount; ++cls) {
        const auto j = static_cast<std::size_t>(cls);
        const double p = static_cast<double>(c[j]) * scale;
        state.ClassProbability[j] += p;
        state.DrawnClassProbability[j] += p;
        // The class's meter effect from the player's own table: this runs for every
        // class of every counted hold.
        if (steps_[j] != 0) {
            state.StepProbability += p;
        } else if (jackpots_[j] != 0) {
            state.JackpotProbability += p;
        }
    }
}

void RankPlayer::AddExact(const HoldOutcomes& o, HoldBits m, int standing, std::int64_t weight,
                          Accumulator& acc) const {
    if (m == 0 || m == HoldAll) {
        acc.Counts[static_cast<std::size_t>(standing)] += weight * multiple_;
        return;
    }
    const std::int64_t scale = weight * (multiple_ / o.Draws[m]);
    const std::int64_t* c = o.Of(m);
    for (std::size_t j = 0; j < static_cast<std::size_t>(OrvaneClassCount); ++j) {
        acc.Counts[j] += c[j] * scale;
    }
}

std::array<StateFigures, Countdowns> MergeWorkers(const std::vector<Accumulator>& acc) {
    const double allDeals = static_cast<double>(Binomial::Of(CardsInDeck, 5));
    std::array<StateFigures, Countdowns> states = acc[0].States;
    for (std::size_t c = 0; c < Countdowns; ++c) {
        StateFigures& s = states[c];
        const StateFigures& other = acc[1].States[c];
        for (std::size_t j = 0; j < s.ClassProbability.size(); ++j) {
            s.ClassProbability[j] = (s.ClassProbability[j] + other.ClassProbability[j]) / allDeals;
            s.DrawnClassProbability[j] =
                (s.DrawnClassProbability[j] + other.DrawnClassProbability[j]) / allDeals;
        }
        s.Charged = (s.Charged + other.Charged) / allDeals;
        s.StepProbability = (s.StepProbability + other.StepProbability) / allDeals;
        s.JackpotProbability = (s.JackpotProbability + other.JackpotProbability) / allDeals;
    }
    return states;
}

const std::vector<DealClass>& GameDeals() {
    static const std::vector<DealClass> deals = GroupDealsBySuitRenaming(CardsInDeck);
    return deals;
}

}  // namespace orvane::analysis
