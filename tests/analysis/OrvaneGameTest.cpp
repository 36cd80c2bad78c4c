#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <memory>
#include <random>

#include "analysis/DoubleUpOdds.h"
#include "analysis/OrvaneClasses.h"
#include "analysis/OrvaneReturn.h"
#include "analysis/Simulator.h"
#include "game/Deck.h"

namespace orvane::analysis {
namespace {

// The whole game under the automatic hold, worked out once for the suite: every deal of
// every bonus rank, and the meter chain over them.
class OrvaneGame : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        tables_ = std::make_unique<OrvaneTables>();
        options_.Play = Strategy::Auto;
        figures_ = OrvaneReturn(*tables_, options_);
    }
    static void TearDownTestSuite() { tables_.reset(); }

    static std::unique_ptr<OrvaneTables> tables_;
    static OrvaneOptions options_;
    static OrvaneFigures figures_;
};
std::unique_ptr<OrvaneTables> OrvaneGame::tables_;
OrvaneOptions OrvaneGame::options_;
OrvaneFigures OrvaneGame::figures_;

// The game's own table, dealt by its own random source, against the exact figure.
TEST_F(OrvaneGame, AutomaticHoldReturnAgreesWithPlayingTheTable) {
    SimulationOptions sim;
    sim.Play = Strategy::Auto;
    sim.Seed = 20261209;
    const SimulationTotals t = SimulateOnTwoCores(600'000, sim);
    EXPECT_EQ(t.Rounds, 600'000);
    EXPECT_NEAR(t.Return(), figures_.Return, 4.0 * t.ReturnError());
    // The share of rounds that paid a draw has a far smaller spread.
    const double drawShare = static_cast<double>(t.Draws) / static_cast<double>(t.Rounds);
    const double se = std::sqrt(drawShare * (1 - drawShare) / static_cast<double>(t.Rounds));
    EXPECT_NEAR(drawShare, figures_.ChargedPerRound - 1.0, 4.0 * se);
}

// The chain's long-run figures against a walk through the same chain, round by round.
// (The fixture's figures are worked out once per test process; ctest runs each test in
// a process of its own, so the checks on the chain share one test.)
TEST_F(OrvaneGame, MeterChainAgreesWithWalkingTheChain) {
    const ChainSolution chain = SolveMeterChain(figures_.States, options_.Pays);
    EXPECT_NEAR(chain.Paid / chain.Charged, figures_.Return, 1e-12);

    // Each round: a final hand (stood on or drawn to) by its state's chances, its pay,
    // the jackpot when the meter empties, and the meter's move.
    std::vector<std::discrete_distribution<int>> outcome;
    for (const auto& rankStates : figures_.States) {
        for (const StateFigures& s : rankStates) {
            std::vector<double> weights;
            for (std::size_t j = 0; j < s.ClassProbability.size(); ++j) {
                weights.push_back(s.ClassProbability[j] - s.DrawnClassProbability[j]);
                weights.push_back(s.DrawnClassProbability[j]);
            }
            outcome.emplace_back(weights.begin(), weights.end());
        }
    }
    std::mt19937_64 random(7);
    std::size_t rank = 0;
    std::size_t countdown = Countdowns - 1;
    std::int64_t jackpots = 0;
    double jackpotPaid = 0;
    double sumNet = 0;
    double sumNetSq = 0;
    std::vector<double> visits(BonusRanks * Countdowns, 0.0);
    constexpr std::int64_t Rounds = 20'000'000;
    for (std::int64_t i = 0; i < Rounds; ++i) {
        const std::size_t state = rank * Countdowns + countdown;
        visits[state] += 1;
        const int drawn = outcome[state](random);
        const int cls = drawn / 2;
        const PrizeIndex prize = PrizeOfClass(cls);
        double net = (prize == NoPrize ? 0.0 : options_.Pays[static_cast<std::size_t>(prize)]) -
                     (drawn % 2 == 1 ? 2.0 : 1.0);
        const MeterEffect effect = MeterEffectOfClass(cls);
        if (effect == MeterEffect::Jackpot || (effect == MeterEffect::Step && countdown == 0)) {
            ++jackpots;
            const double jackpot =
                100.0 * static_cast<double>(FirstOrvaneNumber + static_cast<int>(rank));
            jackpotPaid += jackpot;
            net += jackpot;
            rank = (rank + 1) % BonusRanks;
            countdown = Countdowns - 1;
        } else if (effect == MeterEffect::Step) {
            --countdown;
        }
        sumNet += net;
        sumNetSq += net * net;
    }
    ASSERT_GT(jackpots, 1000);
    // Jackpots are nearly evenly spaced (ten steps each), so their count is tighter than
    // a Poisson count; the time spent in one state varies from one meter cycle to the
    // next like a geometric wait, over about a quarter of the cycles each. The second
    // moment is mostly jackpots squared.
    const double relative = 4.0 / std::sqrt(static_cast<double>(jackpots));
    EXPECT_NEAR(jackpotPaid / Rounds, chain.JackpotPaid, relative * chain.JackpotPaid);
    EXPECT_NEAR(sumNet / Rounds, chain.Paid - chain.Charged, relative * chain.JackpotPaid);
    EXPECT_NEAR(sumNetSq / Rounds, chain.SecondMoment, relative * chain.SecondMoment);
    for (std::size_t i = 0; i < visits.size(); ++i) {
        EXPECT_NEAR(visits[i] / Rounds, chain.Share[i], 2.0 * relative * chain.Share[i])
            << "state " << i;
    }
    // The figures reported from the chain: pay lines that cover every round, and the
    // meter's part of what is paid.
    double sum = 0;
    for (double p : figures_.LineProbability) {
        sum += p;
    }
    EXPECT_NEAR(sum, 1.0, 1e-12);
    EXPECT_NEAR(figures_.MeterShare, chain.JackpotPaid / chain.Paid, 1e-12);
    EXPECT_NEAR(figures_.Variance,
                chain.SecondMoment - (chain.Paid - chain.Charged) * (chain.Paid - chain.Charged),
                1e-9);
    // A full meter is left at once only by a jackpot hand, so the tenth square is where
    // most rounds are played.
    EXPECT_GT(chain.Share[Countdowns - 1], chain.Share[0]);
}

// Each double-up card is a fair call on its own; runs of calls are not, because the ten
// cards are drawn without replacement: a right call on one side leaves fewer of it.
TEST(OrvaneStop, ARaisedStopEndsTheWorkAtTheNextRankAndMarksTheFigures) {
    OrvaneTables tables;
    std::atomic<bool> stop{false};
    OrvaneOptions options;
    options.Stop = &stop;
    std::size_t furthest = 0;
    std::size_t all = 1;
    const OrvaneFigures figures =
        OrvaneReturn(tables, options, [&](std::size_t done, std::size_t of) {
            furthest = std::max(furthest, done);
            all = of;
            stop = true;  // raised at the first sign of progress, as a closing window would
        });
    EXPECT_TRUE(figures.Stopped);
    EXPECT_LE(furthest * BonusRanks * 2, all) << "no more than the first rank's survey ran";
}

TEST(DoubleUpOdds, OneCallIsFairButRunsDependOnHowTheCallsAreMade) {
    for (auto calls : {DoubleUpCalls::CoinToss, DoubleUpCalls::SameSide, DoubleUpCalls::Counting}) {
        EXPECT_DOUBLE_EQ(DoubleUpMultiple(1, calls), 1.0);
    }
    EXPECT_DOUBLE_EQ(DoubleUpMultiple(10, DoubleUpCalls::CoinToss), 1.0);
    // Two right calls: 4 x 24/48 x 23/47 calling one side twice, 4 x 24/48 x 24/47
    // calling the side that is left larger.
    EXPECT_DOUBLE_EQ(DoubleUpMultiple(2, DoubleUpCalls::SameSide), 46.0 / 47.0);
    EXPECT_DOUBLE_EQ(DoubleUpMultiple(2, DoubleUpCalls::Counting), 48.0 / 47.0);
    EXPECT_GT(BestDoubleUpMultiple(), DoubleUpMultiple(2, DoubleUpCalls::Counting));
}

// The table's own double-up deck: two small cards in a row come up 24/48 x 23/47 of the
// time, not one time in four.
TEST(DoubleUpOdds, TheTablesDoubleUpCardsAreDrawnWithoutReplacement) {
    RandomSource random;
    random.Seed(99);
    DealSlots buffer{};
    constexpr int Offers = 400'000;
    int bothSmall = 0;
    for (int i = 0; i < Offers; ++i) {
        DrawDeck(random, buffer, 10, false);
        bothSmall += (RankOfValue(buffer[1]) <= 6 && RankOfValue(buffer[2]) <= 6) ? 1 : 0;
    }
    const double expected = 24.0 / 48.0 * 23.0 / 47.0;
    const double se = std::sqrt(expected * (1 - expected) / Offers);
    EXPECT_NEAR(static_cast<double>(bothSmall) / Offers, expected, 4 * se);
    EXPECT_GT(std::abs(static_cast<double>(bothSmall) / Offers - 0.25), 4 * se);
}

}  // namespace
}  // namespace orvane::analysis
