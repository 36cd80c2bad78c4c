#include "OrvaneReturn.h"

#include <algorithm>
#include <cmath>
#include <future>
#include <thread>

#include "RankPlayer.h"
#include "game/Card.h"

namespace orvane::analysis {

std::array<StateFigures, Countdowns> PlayOneRank(
    const DrawTables& tables, std::int32_t orvaneNumber, const OrvaneOptions& options,
    const std::array<MeterTerms, Countdowns>& terms, const Progress& progress,
    std::vector<std::int64_t>* exactCounts, std::int64_t* exactTotal) {
    RankSlot(orvaneNumber);
    const auto& deals = GameDeals();
    const RankPlayer player(tables, orvaneNumber, options, terms);
    std::vector<Accumulator> acc(Workers);
    auto work = [&](std::size_t w) {
        for (std::size_t i = w; i < deals.size(); i += Workers) {
            player.Play(deals[i], acc[w]);
            if (w == 0 && progress && i % 2048 == 0) {
                progress(i, deals.size());
            }
        }
    };
    std::thread second(work, 1);
    work(0);
    second.join();

    std::array<StateFigures, Countdowns> states = MergeWorkers(acc);
    if (options.Play == Strategy::Auto) {
        std::fill(states.begin() + 1, states.end(), states[0]);
    }
    if (exactCounts != nullptr) {
        exactCounts->assign(OrvaneClassCount, 0);
        for (const auto& a : acc) {
            for (std::size_t j = 0; j < a.Counts.size(); ++j) {
                (*exactCounts)[j] += a.Counts[j];
            }
        }
    }
    if (exactTotal != nullptr) {
        *exactTotal = Binomial::Of(CardsInDeck, 5) * player.ExactScale();
    }
    return states;
}

namespace {

std::int32_t RankOfSlot(std::size_t r) {
    return static_cast<std::int32_t>(FirstOrvaneNumber + static_cast<int>(r));
}

// Each rank surveyed in turn while the next rank's tables are built beside it: a phase
// on two threads leaves a core idle while its slower half ends, and the table building
// fills those gaps. Stops early (fewer surveys than ranks) when `stopped` says so.
template <typename Stopped, typename StepProgress>
std::vector<RankHoldSurvey> SurveyEveryRank(OrvaneTables& tables, const OrvaneOptions& options,
                                            const Stopped& stopped,
                                            const StepProgress& stepProgress) {
    std::vector<RankHoldSurvey> surveys;
    // The deal classes are grouped once, beside the first rank's tables.
    auto deals = std::async(std::launch::async, [] { GameDeals(); });
    tables.ForRank(RankOfSlot(0));
    deals.get();
    for (std::size_t r = 0; r < BonusRanks; ++r) {
        if (stopped()) {
            return surveys;
        }
        // Each slot of `tables` is its own object: building the next one does not touch
        // the one surveyed.
        std::future<void> ahead;
        if (r + 1 < BonusRanks) {
            ahead = std::async(std::launch::async,
                               [&tables, next = RankOfSlot(r + 1)] { tables.ForRank(next); });
        }
        surveys.emplace_back(tables.ForRank(RankOfSlot(r)), RankOfSlot(r), options,
                             stepProgress(r));
        if (ahead.valid()) {
            ahead.get();
        }
    }
    return surveys;
}

}  // namespace

OrvaneFigures OrvaneReturn(OrvaneTables& tables, const OrvaneOptions& options,
                           const Progress& progress) {
    OrvaneFigures figures;
    std::array<std::array<MeterTerms, Countdowns>, BonusRanks> terms{};
    std::array<std::array<StateFigures, Countdowns>, BonusRanks> states;
    const bool iterate = options.Meter && options.MeterAware && options.Play == Strategy::Optimal;
    const int passes = iterate ? 6 : 1;
    const bool survey = iterate && options.SurveyHolds;
    // With the survey: every rank surveyed, the passes scan, then one last full pass.
    const std::size_t steps = BonusRanks * (survey ? 2U : static_cast<std::size_t>(passes));
    auto stepProgress = [&](std::size_t step) {
        Progress inner;
        if (progress) {
            inner = [&progress, step, steps](std::size_t done, std::size_t all) {
                progress(step * all + done, steps * all);
            };
        }
        return inner;
    };
    auto stopped = [&options] { return options.Stop != nullptr && options.Stop->load(); };
    auto halted = [&figures] {
        figures.Stopped = true;
        return figures;
    };
    std::vector<RankHoldSurvey> surveys;
    if (survey) {
        surveys = SurveyEveryRank(tables, options, stopped, stepProgress);
        if (surveys.size() < BonusRanks) {
            return halted();
        }
    }
    std::vector<std::int64_t> counts(OrvaneClassCount, 0);
    double lastGain = -1e300;
    ChainSolution chain;
    auto playEveryRank = [&](std::size_t firstStep) {
        std::fill(counts.begin(), counts.end(), 0);
        figures.Total = 0;
        for (std::size_t r = 0; r < BonusRanks; ++r) {
            if (stopped()) {
                return ChainSolution{};
            }
            const auto rank = static_cast<std::int32_t>(FirstOrvaneNumber + static_cast<int>(r));
            std::vector<std::int64_t> rankCounts;
            std::int64_t total = 0;
            const DrawTables& rankTables = tables.ForRank(rank);
            // The next rank's tables are built while this one is played (see SurveyEveryRank).
            std::future<void> ahead;
            if (r + 1 < BonusRanks) {
                ahead = std::async(std::launch::async,
                                   [&tables, next = RankOfSlot(r + 1)] { tables.ForRank(next); });
            }
            states[r] = PlayOneRank(rankTables, rank, options, terms[r],
                                    stepProgress(firstStep + r), &rankCounts, &total);
            if (ahead.valid()) {
                ahead.get();
            }
            for (std::size_t j = 0; j < counts.size(); ++j) {
                counts[j] += rankCounts[j];
            }
            figures.Total += total;
        }
        return SolveMeterChain(states, options.Pays);
    };
    for (int pass = 0; pass < passes; ++pass) {
        if (survey && AllNotNegative(terms)) {
            std::array<std::array<StatePlay, Countdowns>, BonusRanks> play{};
            for (std::size_t r = 0; r < BonusRanks; ++r) {
                play[r] = surveys[r].Play(terms[r]);
            }
            chain = SolveMeterChain(play);
        } else {
            chain = playEveryRank(BonusRanks * static_cast<std::size_t>(survey ? 1 : pass));
        }
        if (stopped()) {
            return halted();
        }
        const double gain = chain.Paid - chain.Charged;
        figures.Passes = pass + 1;
        figures.LastGainChange = pass == 0 ? 0.0 : gain - lastGain;
        if (passes == 1 || std::abs(gain - lastGain) < 1e-12) {
            break;
        }
        lastGain = gain;
        terms = TermsFromChain(chain);
    }
    if (survey && !AllNotNegative(terms)) {
        chain = playEveryRank(BonusRanks);
    } else if (survey) {
        // The figures of the chosen strategy, only its holds counted.
        for (std::size_t r = 0; r < BonusRanks; ++r) {
            if (stopped()) {
                return halted();
            }
            const auto rank = static_cast<std::int32_t>(FirstOrvaneNumber + static_cast<int>(r));
            states[r] = surveys[r].Figures(tables.ForRank(rank), options, terms[r]);
            if (progress) {
                progress(BonusRanks + r + 1, 2 * BonusRanks);
            }
        }
        chain = SolveMeterChain(states, options.Pays);
    }
    if (stopped()) {
        return halted();
    }
    if (!options.Meter) {
        // Without the meter the four bonus ranks are weighed alike, jackpots left out.
        chain.Paid -= chain.JackpotPaid;
        double paid = 0;
        double charged = 0;
        double secondMoment = 0;
        for (const auto& rankStates : states) {
            const StateFigures& s = rankStates[0];
            for (int cls = 0; cls < OrvaneClassCount; ++cls) {
                const auto j = static_cast<std::size_t>(cls);
                const PrizeIndex prize = PrizeOfClass(cls);
                const double pay =
                    prize == NoPrize ? 0.0 : options.Pays[static_cast<std::size_t>(prize)];
                const double drawn = s.DrawnClassProbability[j];
                paid += s.ClassProbability[j] * pay / BonusRanks;
                secondMoment += ((s.ClassProbability[j] - drawn) * (pay - 1) * (pay - 1) +
                                 drawn * (pay - 2) * (pay - 2)) /
                                BonusRanks;
            }
            charged += s.Charged / BonusRanks;
        }
        chain.Paid = paid;
        chain.Charged = charged;
        chain.SecondMoment = secondMoment;
        chain.JackpotPaid = 0;
        figures.Counts.assign(PrizeLines + 1, 0);
        for (int cls = 0; cls < OrvaneClassCount; ++cls) {
            figures.Counts[static_cast<std::size_t>(PrizeOfClass(cls))] +=
                counts[static_cast<std::size_t>(cls)];
        }
    } else {
        figures.Total = 0;
        figures.StateShare = chain.Share;
        if (options.Play == Strategy::Optimal && options.MeterAware) {
            for (const auto& rankTerms : terms) {
                figures.StateTerms.insert(figures.StateTerms.end(), rankTerms.begin(),
                                          rankTerms.end());
            }
        }
    }
    figures.States = states;
    figures.Return = chain.Paid / chain.Charged;
    figures.NetPerRound = chain.Paid - chain.Charged;
    figures.ChargedPerRound = chain.Charged;
    figures.Variance = chain.SecondMoment - figures.NetPerRound * figures.NetPerRound;
    figures.MeterShare = chain.Paid > 0 ? chain.JackpotPaid / chain.Paid : 0.0;
    figures.LineProbability.assign(PrizeLines + 1, 0.0);
    for (std::size_t r = 0; r < BonusRanks; ++r) {
        for (std::size_t c = 0; c < Countdowns; ++c) {
            const double share =
                options.Meter ? chain.Share[r * Countdowns + c] : (c == 0 ? 1.0 / BonusRanks : 0.0);
            for (int cls = 0; cls < OrvaneClassCount; ++cls) {
                figures.LineProbability[static_cast<std::size_t>(PrizeOfClass(cls))] +=
                    share * states[r][c].ClassProbability[static_cast<std::size_t>(cls)];
            }
        }
    }
    return figures;
}

}  // namespace orvane::analysis
