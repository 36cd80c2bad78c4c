#include "SecondDrawReturn.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <stdexcept>
#include <thread>

#include "DealClasses.h"
#include "HoldFrontier.h"
#include "HoldValues.h"
#include "SecondDrawTables.h"
#include "game/Card.h"

namespace orvane::analysis {

namespace {

constexpr int Workers = 2;

// One bonus rank: what a round brings under the chosen holds, summed over deals.
StatePlay PlayRank(const DrawTables& tables, const SecondDrawTables& after,
                   const SecondDrawOptions& options, MeterTerms terms,
                   const std::vector<DealClass>& deals, double& secondDraws) {
    const std::vector<double> worth = ClassWorth(options.Pays, terms);
    std::array<StatePlay, Workers> part{};
    std::array<double, Workers> again{};
    auto work = [&](std::size_t w) {
        for (std::size_t i = w; i < deals.size(); i += Workers) {
            const auto holds = after.OfHolds(deals[i].Cards);
            HoldBits chosen = 0;
            if (options.HoldsCountOnOption) {
                std::array<HoldSummary, HoldCount> value{};
                for (HoldBits m = 0; m < HoldCount; ++m) {
                    const bool draws = m != 0 && m != HoldAll;
                    value[m] = {holds[m].Paid - holds[m].SecondDraw - (draws ? 1.0 : 0.0),
                                holds[m].Step, holds[m].Jackpot};
                }
                chosen = BestHold(value, terms);
            } else {
                chosen = ValueHolds(tables, deals[i].Cards, worth).Best;
            }
            const AfterDraw& a = holds[chosen];
            const bool draws = chosen != 0 && chosen != HoldAll;
            const double weight = deals[i].Weight;
            part[w].LinePaid += weight * a.Paid;
            part[w].Charged += weight * (1.0 + (draws ? 1.0 : 0.0) + a.SecondDraw);
            part[w].StepProbability += weight * a.Step;
            part[w].JackpotProbability += weight * a.Jackpot;
            again[w] += weight * a.SecondDraw;
        }
    };
    std::thread other(work, 1);
    work(0);
    other.join();
    const double all = static_cast<double>(Binomial::Of(CardsInDeck, 5));
    StatePlay play;
    play.LinePaid = (part[0].LinePaid + part[1].LinePaid) / all;
    play.Charged = (part[0].Charged + part[1].Charged) / all;
    play.StepProbability = (part[0].StepProbability + part[1].StepProbability) / all;
    play.JackpotProbability = (part[0].JackpotProbability + part[1].JackpotProbability) / all;
    secondDraws = (again[0] + again[1]) / all;
    return play;
}

}  // namespace

SecondDrawFigures OrvaneReturnWithSecondDraw(OrvaneTables& tables, const SecondDrawOptions& options,
                                             const Progress& progress) {
    const std::vector<DealClass> deals = GroupDealsBySuitRenaming(CardsInDeck);
    if (!options.Terms.empty() && options.Terms.size() != BonusRanks * Countdowns) {
        throw std::invalid_argument("meter terms for every (rank, countdown) state");
    }
    const bool priced = options.Meter && !options.Terms.empty();
    std::vector<std::unique_ptr<SecondDrawChoices>> choices(BonusRanks);
    std::vector<MeterTerms> terms = options.Terms;
    const int passes = priced ? std::max(1, options.PricingPasses) : 1;
    std::array<std::array<StatePlay, Countdowns>, BonusRanks> play{};
    std::array<std::array<double, Countdowns>, BonusRanks> secondDraws{};
    SecondDrawFigures f;
    std::vector<double> gains;  // net per round after each pass
    auto stopped = [&options, &f] {
        f.Stopped = f.Stopped || (options.Stop != nullptr && options.Stop->load());
        return f.Stopped;
    };
    for (int pass = 0; pass < passes; ++pass) {
        for (std::size_t r = 0; r < BonusRanks; ++r) {
            if (stopped()) {
                return f;
            }
            const auto rank = static_cast<std::int32_t>(FirstOrvaneNumber + static_cast<int>(r));
            const DrawTables& rankTables = tables.ForRank(rank);
            if (!priced) {
                const SecondDrawTables after(rankTables, options.Pays,
                                             ClassWorth(options.Pays, {}));
                play[r].fill(PlayRank(rankTables, after, options, {}, deals, secondDraws[r][0]));
                secondDraws[r].fill(secondDraws[r][0]);
                continue;
            }
            if (!choices[r]) {
                choices[r] = std::make_unique<SecondDrawChoices>(rankTables, options.Pays);
            }
            for (std::size_t c = 0; c < Countdowns; ++c) {
                if (stopped()) {
                    return f;
                }
                const MeterTerms t = terms[r * Countdowns + c];
                const auto after = t.Step >= 0 && t.Jackpot >= 0
                                       ? std::make_unique<SecondDrawTables>(*choices[r], t)
                                       : std::make_unique<SecondDrawTables>(
                                             rankTables, options.Pays, ClassWorth(options.Pays, t));
                play[r][c] = PlayRank(rankTables, *after, options, t, deals, secondDraws[r][c]);
                if (progress) {
                    const std::size_t step =
                        (static_cast<std::size_t>(pass) * BonusRanks + r) * Countdowns + c + 1;
                    progress(step, static_cast<std::size_t>(passes) * BonusRanks * Countdowns);
                }
            }
            if (passes == 1) {
                choices[r].reset();  // not needed again: the memory goes back
            }
        }
        f.Passes = pass + 1;
        if (!priced) {
            break;
        }
        const ChainSolution chain = SolveMeterChain(play);
        gains.push_back(chain.Paid - chain.Charged);
        const bool settled =
            pass > 0 && std::abs(gains[gains.size() - 1] - gains[gains.size() - 2]) < 1e-9;
        if (settled || pass + 1 == passes) {
            break;
        }
        terms = MeterTermsOfChain(chain);
    }
    f.Terms = terms;
    f.LastGainChange = gains.size() > 1 ? gains[gains.size() - 1] - gains[gains.size() - 2] : 0.0;

    if (options.Meter) {
        const ChainSolution chain = SolveMeterChain(play);
        f.Return = chain.Paid / chain.Charged;
        f.NetPerRound = chain.Paid - chain.Charged;
        f.ChargedPerRound = chain.Charged;
        f.MeterShare = chain.JackpotPaid / chain.Paid;
        for (std::size_t i = 0; i < chain.Share.size(); ++i) {
            f.SecondDrawsPerRound += chain.Share[i] * secondDraws[i / Countdowns][i % Countdowns];
        }
        return f;
    }
    // Without the meter the four bonus ranks are weighed alike.
    double paid = 0;
    for (std::size_t r = 0; r < BonusRanks; ++r) {
        paid += play[r][0].LinePaid / BonusRanks;
        f.ChargedPerRound += play[r][0].Charged / BonusRanks;
        f.SecondDrawsPerRound += secondDraws[r][0] / BonusRanks;
    }
    f.Return = paid / f.ChargedPerRound;
    f.NetPerRound = paid - f.ChargedPerRound;
    return f;
}

}  // namespace orvane::analysis
