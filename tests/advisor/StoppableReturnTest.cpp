#include <gtest/gtest.h>

#include <numeric>

#include "advisor/PayTableFigures.h"
#include "advisor/StoppableReturn.h"

namespace orvane::advisor {
namespace {

using namespace analysis;

// A rank's play made up: every state loses with 0.8, makes a high pair with 0.15 and the
// bonus line with 0.05 (a step), and a jackpot hand with 0.001 of rank 7's rounds.
std::array<StateFigures, Countdowns> MadeUpRank(std::int32_t rank) {
    std::array<StateFigures, Countdowns> states;
    for (StateFigures& s : states) {
        s.ClassProbability.assign(OrvaneClassCount, 0.0);
        s.DrawnClassProbability.assign(OrvaneClassCount, 0.0);
        s.ClassProbability[NoPrize] = rank == 7 ? 0.799 : 0.8;
        s.ClassProbability[HighPair] = 0.15;
        s.ClassProbability[OrvaneThree] = 0.05;
        s.ClassProbability[PokerJackpot] = rank == 7 ? 0.001 : 0.0;
        s.Charged = 1.5;
        s.StepProbability = 0.05;
        s.JackpotProbability = s.ClassProbability[PokerJackpot];
    }
    return states;
}

struct CountedPlay {
    int plays = 0;
    std::function<void(int)> onPlay;
    RankPlay Play() {
        return [this](std::int32_t rank, const std::array<MeterTerms, Countdowns>&,
                      const Progress& progress) {
            ++plays;
            if (onPlay) {
                onPlay(plays);
            }
            if (progress) {
                progress(1, 2);
            }
            return MadeUpRank(rank);
        };
    }
};

TEST(StoppableReturn, TheAutomaticHoldPlaysEachRankOnceAndSolvesTheMeterChain) {
    OrvaneOptions options;
    options.Play = Strategy::Auto;
    CountedPlay counted;
    std::atomic<bool> stop{false};
    std::vector<double> reported;
    const std::optional<OrvaneFigures> figures = OrvaneReturnUnlessStopped(
        options, counted.Play(), stop, [&](std::size_t done, std::size_t all) {
            reported.push_back(static_cast<double>(done) / static_cast<double>(all));
        });
    ASSERT_TRUE(figures);
    EXPECT_EQ(counted.plays, BonusRanks);
    std::array<std::array<StateFigures, Countdowns>, BonusRanks> states;
    for (std::size_t r = 0; r < BonusRanks; ++r) {
        states[r] = MadeUpRank(static_cast<std::int32_t>(FirstOrvaneNumber + static_cast<int>(r)));
    }
    const ChainSolution chain = SolveMeterChain(states, options.Pays);
    EXPECT_DOUBLE_EQ(figures->Return, chain.Paid / chain.Charged);
    EXPECT_DOUBLE_EQ(figures->MeterShare, chain.JackpotPaid / chain.Paid);
    EXPECT_GT(figures->MeterShare, 0.0);
    ASSERT_EQ(figures->LineProbability.size(), 12U);
    EXPECT_NEAR(
        std::accumulate(figures->LineProbability.begin(), figures->LineProbability.end(), 0.0), 1.0,
        1e-12);
    EXPECT_TRUE(figures->StateTerms.empty());  // only meter-aware play prices the meter
    EXPECT_EQ(reported, (std::vector<double>{0.125, 0.375, 0.625, 0.875}));
}

TEST(StoppableReturn, AStopEndsItAfterTheRankInPlay) {
    OrvaneOptions options;  // best play: up to six rounds of the four ranks
    CountedPlay counted;
    std::atomic<bool> stop{false};
    counted.onPlay = [&stop](int plays) { stop = plays == 2; };
    EXPECT_FALSE(OrvaneReturnUnlessStopped(options, counted.Play(), stop));
    EXPECT_EQ(counted.plays, 2);
}

TEST(StoppableReturn, WithoutTheMeterThereIsNothingToWorkOut) {
    OrvaneOptions options;
    options.Meter = false;
    CountedPlay counted;
    std::atomic<bool> stop{false};
    EXPECT_FALSE(OrvaneReturnUnlessStopped(options, counted.Play(), stop));
    EXPECT_EQ(counted.plays, 0);
}

TEST(StoppableReturn, TheEnginesAutomaticHoldComesOutAsTheEngineItselfGivesIt) {
    OrvaneOptions options;
    options.Play = Strategy::Auto;
    OrvaneTables tables;
    const OrvaneFigures engine = OrvaneReturn(tables, options);
    std::atomic<bool> stop{false};
    const std::optional<OrvaneFigures> ours =
        OrvaneReturnUnlessStopped(options, EnginePlay(tables, options), stop);
    ASSERT_TRUE(ours);
    EXPECT_DOUBLE_EQ(ours->Return, engine.Return);
    EXPECT_DOUBLE_EQ(ours->MeterShare, engine.MeterShare);
    EXPECT_DOUBLE_EQ(ours->Variance, engine.Variance);
    ASSERT_EQ(ours->LineProbability.size(), engine.LineProbability.size());
    for (std::size_t line = 0; line < engine.LineProbability.size(); ++line) {
        EXPECT_DOUBLE_EQ(ours->LineProbability[line], engine.LineProbability[line]) << line;
    }
}

TEST(PayTableFigures, BothStrategiesAreWorkedOutWithProgressToTheEnd) {
    CountedPlay counted;
    std::atomic<bool> stop{false};
    std::vector<double> progress;
    Multipliers pays = DefaultMultipliers;
    pays[HighPair] = 1;
    const std::optional<PayTableFigures> figures = AnalysePayTable(
        pays, stop, [&progress](double p) { progress.push_back(p); },
        [&counted](const OrvaneOptions&) { return counted.Play(); });
    ASSERT_TRUE(figures);
    EXPECT_EQ(figures->Pays, pays);
    EXPECT_GT(figures->OptimalReturn, 0.0);
    EXPECT_DOUBLE_EQ(figures->OptimalReturn, figures->AutoReturn);  // the same made-up play
    EXPECT_EQ(figures->StateTerms.size(), static_cast<std::size_t>(BonusRanks * Countdowns));
    ASSERT_FALSE(progress.empty());
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
    EXPECT_EQ(progress.back(), 1.0);
    EXPECT_LE(progress.front(), 0.1);
}

TEST(PayTableFigures, AStopGivesNothing) {
    CountedPlay counted;
    std::atomic<bool> stop{false};
    counted.onPlay = [&stop](int plays) { stop = plays == 5; };
    EXPECT_FALSE(AnalysePayTable(DefaultMultipliers, stop, {},
                                 [&counted](const OrvaneOptions&) { return counted.Play(); }));
    EXPECT_EQ(counted.plays, 5);
}

}  // namespace
}  // namespace orvane::advisor
