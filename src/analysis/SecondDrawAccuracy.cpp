#include "SecondDrawAccuracy.h"

#include <cmath>
#include <memory>
#include <random>
#include <stdexcept>

#include "HoldFrontier.h"
#include "HoldValues.h"
#include "SecondDrawTables.h"
#include "game/Card.h"

namespace orvane::analysis {

namespace {

using Plays = std::array<std::array<StatePlay, Countdowns>, BonusRanks>;

struct Returns {
    double Approximate = 0;
    double Exact = 0;
    double ApproximateNet = 0;
    double ExactNet = 0;
};

// Per state and batch: sums over the sampled deals of what the approximation gives and
// of the exact play's difference from it.
struct StateSums {
    std::vector<AfterDraw> Approximate;
    std::vector<AfterDraw> Difference;
    std::vector<double> Charged;  // the deal and the first draw, the same for both
    std::vector<std::int64_t> Deals;
};

FiveCards RandomDeal(std::mt19937_64& random) {
    FiveCards deal{};
    CardMask seen = 0;
    for (int& card : deal) {
        do {
            card = static_cast<int>(random() % CardsInDeck);
        } while ((seen & CardBit(card)) != 0);
        seen |= CardBit(card);
    }
    return deal;
}

}  // namespace

AfterDraw ValueAfterDrawExactly(const DrawTables& tables, const FiveCards& hand,
                                CardMask thrownAway, const Multipliers& pays,
                                const std::vector<double>& worth) {
    const int cls = tables.ClassOf(MaskOf(hand));
    const PrizeIndex prize = PrizeOfClass(cls);
    if (prize == NoPrize) {
        return {};
    }
    const HandValues v = ValueHolds(tables, hand, worth, thrownAway);
    const HoldValue* draw = nullptr;
    for (const HoldValue& h : v.Holds) {
        if (h.Hold != 0 && h.Hold != HoldAll && (draw == nullptr || h.Value > draw->Value)) {
            draw = &h;
        }
    }
    if (draw->Value <= v.StandValue) {
        const MeterEffect e = MeterEffectOfClass(cls);
        return {static_cast<double>(pays[static_cast<std::size_t>(prize)]), 0.0,
                e == MeterEffect::Step ? 1.0 : 0.0, e == MeterEffect::Jackpot ? 1.0 : 0.0};
    }
    AfterDraw a{0.0, 1.0, draw->StepChance, draw->JackpotChance};
    for (std::size_t c = 0; c < draw->Probability.size(); ++c) {
        const PrizeIndex p = PrizeOfClass(static_cast<int>(c));
        a.Paid += p == NoPrize ? 0.0 : draw->Probability[c] * pays[static_cast<std::size_t>(p)];
    }
    return a;
}

namespace {

void SampleState(const DrawTables& tables, const SecondDrawTables& after, const Multipliers& pays,
                 MeterTerms terms, const AccuracyOptions& options, std::uint64_t stream,
                 StateSums& out) {
    const auto batches = static_cast<std::size_t>(options.Batches);
    out.Approximate.assign(batches, {});
    out.Difference.assign(batches, {});
    out.Charged.assign(batches, 0.0);
    out.Deals.assign(batches, 0);
    std::mt19937_64 random(options.Seed * 0x9E3779B97F4A7C15ULL + stream);
    const std::vector<double> worth = ClassWorth(pays, terms);
    for (std::int64_t i = 0; i < options.Deals; ++i) {
        const auto b = static_cast<std::size_t>(i % options.Batches);
        const FiveCards deal = RandomDeal(random);
        const auto holds = after.OfHolds(deal);
        std::array<HoldSummary, HoldCount> value{};
        for (HoldBits m = 0; m < HoldCount; ++m) {
            const bool draws = m != 0 && m != HoldAll;
            value[m] = {holds[m].Paid - holds[m].SecondDraw - (draws ? 1.0 : 0.0), holds[m].Step,
                        holds[m].Jackpot};
        }
        const HoldBits chosen = BestHold(value, terms);
        const bool draws = chosen != 0 && chosen != HoldAll;
        out.Approximate[b] += holds[chosen];
        out.Charged[b] += draws ? 2.0 : 1.0;
        ++out.Deals[b];
        if (!draws) {
            continue;  // standing on the deal: no card thrown away, both agree
        }
        FiveCards final = deal;
        CardMask seen = MaskOf(deal);
        CardMask thrownAway = 0;
        for (std::size_t s = 0; s < 5; ++s) {
            if ((chosen >> s & 1U) == 0) {
                thrownAway |= CardBit(deal[s]);
                int card = 0;
                do {
                    card = static_cast<int>(random() % CardsInDeck);
                } while ((seen & CardBit(card)) != 0);
                seen |= CardBit(card);
                final[s] = card;
            }
        }
        AfterDraw d = ValueAfterDrawExactly(tables, final, thrownAway, pays, worth);
        d -= after.OfHand(MaskOf(final));
        out.Difference[b] += d;
    }
}

StatePlay PlayOf(const AfterDraw& a, double charged, std::int64_t deals) {
    const double n = static_cast<double>(deals);
    return {a.Paid / n, (charged + a.SecondDraw) / n, a.Step / n, a.Jackpot / n};
}

Returns ReturnsOf(const Plays& approximate, const Plays& exact, bool meter) {
    Returns r;
    auto one = [meter](const Plays& play, double& ret, double& net) {
        if (meter) {
            const ChainSolution chain = SolveMeterChain(play);
            ret = chain.Paid / chain.Charged;
            net = chain.Paid - chain.Charged;
            return;
        }
        double paid = 0;
        double charged = 0;
        for (const auto& rank : play) {
            paid += rank[0].LinePaid / BonusRanks;
            charged += rank[0].Charged / BonusRanks;
        }
        ret = paid / charged;
        net = paid - charged;
    };
    one(approximate, r.Approximate, r.ApproximateNet);
    one(exact, r.Exact, r.ExactNet);
    return r;
}

}  // namespace

AccuracyFigures MeasureSecondDrawAccuracy(OrvaneTables& tables, const AccuracyOptions& options,
                                          const Progress& progress) {
    const SecondDrawOptions& play = options.Play;
    if (!play.HoldsCountOnOption) {
        throw std::invalid_argument("the accuracy is measured for the holds with the option");
    }
    if (options.Batches < 2 || options.Deals < options.Batches) {
        throw std::invalid_argument("at least two batches of at least one deal");
    }
    const bool priced = play.Meter && !play.Terms.empty();
    const int states = priced ? Countdowns : 1;
    std::array<std::array<StateSums, Countdowns>, BonusRanks> sums;
    for (std::size_t r = 0; r < BonusRanks; ++r) {
        const auto rank = static_cast<std::int32_t>(FirstOrvaneNumber + static_cast<int>(r));
        const DrawTables& rankTables = tables.ForRank(rank);
        std::unique_ptr<SecondDrawChoices> choices;
        if (priced) {
            choices = std::make_unique<SecondDrawChoices>(rankTables, play.Pays);
        }
        for (int c = 0; c < states; ++c) {
            const MeterTerms terms =
                priced ? play.Terms[r * Countdowns + static_cast<std::size_t>(c)] : MeterTerms{};
            const auto after = priced ? std::make_unique<SecondDrawTables>(*choices, terms)
                                      : std::make_unique<SecondDrawTables>(
                                            rankTables, play.Pays, ClassWorth(play.Pays, {}));
            SampleState(rankTables, *after, play.Pays, terms, options,
                        r * Countdowns + static_cast<std::size_t>(c),
                        sums[r][static_cast<std::size_t>(c)]);
            if (progress) {
                progress(r * static_cast<std::size_t>(states) + static_cast<std::size_t>(c) + 1,
                         BonusRanks * static_cast<std::size_t>(states));
            }
        }
    }
    // The plays of a set of batches (all of them, or one).
    auto plays = [&](std::size_t from, std::size_t to, Plays& approximate, Plays& exact) {
        for (std::size_t r = 0; r < BonusRanks; ++r) {
            for (std::size_t c = 0; c < Countdowns; ++c) {
                const StateSums& s = sums[r][priced ? c : 0];
                AfterDraw a;
                AfterDraw d;
                double charged = 0;
                std::int64_t deals = 0;
                for (std::size_t b = from; b < to; ++b) {
                    a += s.Approximate[b];
                    d += s.Difference[b];
                    charged += s.Charged[b];
                    deals += s.Deals[b];
                }
                approximate[r][c] = PlayOf(a, charged, deals);
                a += d;
                exact[r][c] = PlayOf(a, charged, deals);
            }
        }
    };
    const auto batches = static_cast<std::size_t>(options.Batches);
    Plays approximate{};
    Plays exact{};
    plays(0, batches, approximate, exact);
    const Returns all = ReturnsOf(approximate, exact, play.Meter);
    AccuracyFigures f;
    f.ApproximateReturn = all.Approximate;
    f.ExactReturn = all.Exact;
    f.Gap = all.Exact - all.Approximate;
    f.ApproximateNet = all.ApproximateNet;
    f.ExactNet = all.ExactNet;
    f.Deals = options.Deals * BonusRanks * states;
    double sum = 0;
    double sumSq = 0;
    for (std::size_t b = 0; b < batches; ++b) {
        plays(b, b + 1, approximate, exact);
        const Returns one = ReturnsOf(approximate, exact, play.Meter);
        const double gap = one.Exact - one.Approximate;
        sum += gap;
        sumSq += gap * gap;
    }
    const double n = static_cast<double>(batches);
    const double variance = std::max(0.0, (sumSq - sum * sum / n) / (n - 1));
    f.GapError = std::sqrt(variance / n);
    return f;
}

}  // namespace orvane::analysis
