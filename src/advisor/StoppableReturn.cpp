#include "StoppableReturn.h"

#include <cmath>

namespace orvane::advisor {

using namespace analysis;

namespace {

constexpr int MeterAwarePasses = 6;

bool Iterates(const OrvaneOptions& options) {
    return options.MeterAware && options.Play == Strategy::Optimal;
}

// The next strategy values a step and a jackpot by where they move the chain.
std::array<std::array<MeterTerms, Countdowns>, BonusRanks> TermsFromBias(
    const ChainSolution& chain) {
    std::array<std::array<MeterTerms, Countdowns>, BonusRanks> terms{};
    for (std::size_t r = 0; r < BonusRanks; ++r) {
        const double jackpot = 100.0 * static_cast<double>(FirstOrvaneNumber + static_cast<int>(r));
        const double refilled = chain.Bias[((r + 1) % BonusRanks) * Countdowns + 9];
        for (std::size_t c = 0; c < Countdowns; ++c) {
            const double here = chain.Bias[r * Countdowns + c];
            const double emptied = jackpot + refilled - here;
            terms[r][c].Jackpot = emptied;
            terms[r][c].Step = c == 0 ? emptied : chain.Bias[r * Countdowns + c - 1] - here;
        }
    }
    return terms;
}

OrvaneFigures Summarise(const std::array<std::array<StateFigures, Countdowns>, BonusRanks>& states,
                        const ChainSolution& chain) {
    OrvaneFigures figures;
    figures.StateShare = chain.Share;
    figures.States = states;
    figures.Return = chain.Paid / chain.Charged;
    figures.NetPerRound = chain.Paid - chain.Charged;
    figures.ChargedPerRound = chain.Charged;
    figures.Variance = chain.SecondMoment - figures.NetPerRound * figures.NetPerRound;
    figures.MeterShare = chain.Paid > 0 ? chain.JackpotPaid / chain.Paid : 0.0;
    figures.LineProbability.assign(PrizeLines + 1, 0.0);
    for (std::size_t r = 0; r < BonusRanks; ++r) {
        for (std::size_t c = 0; c < Countdowns; ++c) {
            const double share = chain.Share[r * Countdowns + c];
            for (int cls = 0; cls < OrvaneClassCount; ++cls) {
                figures.LineProbability[static_cast<std::size_t>(PrizeOfClass(cls))] +=
                    share * states[r][c].ClassProbability[static_cast<std::size_t>(cls)];
            }
        }
    }
    return figures;
}

}  // namespace

RankPlay EnginePlay(OrvaneTables& tables, const OrvaneOptions& options) {
    return [&tables, options](std::int32_t rank, const std::array<MeterTerms, Countdowns>& terms,
                              const Progress& progress) {
        return PlayOneRank(tables.ForRank(rank), rank, options, terms, progress);
    };
}

int MostRankPlays(const OrvaneOptions& options) {
    return (Iterates(options) ? MeterAwarePasses : 1) * BonusRanks;
}

std::optional<OrvaneFigures> OrvaneReturnUnlessStopped(const OrvaneOptions& options,
                                                       const RankPlay& play,
                                                       const std::atomic<bool>& stop,
                                                       const Progress& progress) {
    if (!options.Meter) {
        return std::nullopt;
    }
    std::array<std::array<MeterTerms, Countdowns>, BonusRanks> terms{};
    std::array<std::array<StateFigures, Countdowns>, BonusRanks> states;
    const int passes = Iterates(options) ? MeterAwarePasses : 1;
    const auto steps = static_cast<std::size_t>(MostRankPlays(options));
    double lastGain = -1e300;
    ChainSolution chain;
    int passesRun = 0;
    double lastChange = 0;
    for (int pass = 0; pass < passes; ++pass) {
        for (std::size_t r = 0; r < BonusRanks; ++r) {
            if (stop.load()) {
                return std::nullopt;
            }
            const auto rank = static_cast<std::int32_t>(FirstOrvaneNumber + static_cast<int>(r));
            const std::size_t step = r + BonusRanks * static_cast<std::size_t>(pass);
            Progress inner;
            if (progress) {
                inner = [&](std::size_t done, std::size_t all) {
                    progress(step * all + done, steps * all);
                };
            }
            states[r] = play(rank, terms[r], inner);
        }
        chain = SolveMeterChain(states, options.Pays);
        const double gain = chain.Paid - chain.Charged;
        passesRun = pass + 1;
        lastChange = pass == 0 ? 0.0 : gain - lastGain;
        if (passes == 1 || std::abs(gain - lastGain) < 1e-12) {
            break;
        }
        lastGain = gain;
        terms = TermsFromBias(chain);
    }
    if (stop.load()) {
        return std::nullopt;
    }
    OrvaneFigures figures = Summarise(states, chain);
    figures.Passes = passesRun;
    figures.LastGainChange = lastChange;
    if (Iterates(options)) {
        for (const auto& rankTerms : terms) {
            figures.StateTerms.insert(figures.StateTerms.end(), rankTerms.begin(), rankTerms.end());
        }
    }
    return figures;
}

}  // namespace orvane::advisor
