#include <gtest/gtest.h>

#include <cstdint>

#include "analysis/Simulator.h"
#include "game/PayTable.h"

namespace orvane::analysis {
namespace {

void ExpectSameTotals(const SimulationTotals& a, const SimulationTotals& b) {
    EXPECT_EQ(a.Rounds, b.Rounds);
    EXPECT_EQ(a.Charged, b.Charged);
    EXPECT_EQ(a.Paid, b.Paid);
    EXPECT_EQ(a.JackpotPaid, b.JackpotPaid);
    EXPECT_EQ(a.Draws, b.Draws);
    EXPECT_EQ(a.Lines, b.Lines);
    EXPECT_EQ(a.SumPaidSq, b.SumPaidSq);
    EXPECT_EQ(a.SumPaidCharged, b.SumPaidCharged);
}

// Two tables on two threads: the same seed gives the same totals every time, and they are
// exactly those of the two tables played one after the other and added up.
TEST(TwoTableSimulator, TheSameSeedGivesTheSameTotalsAsTheTwoTablesPlayedInTurn) {
    SimulationOptions options;
    options.Play = Strategy::Auto;
    options.Seed = 77;
    constexpr std::int64_t Rounds = 20'001;
    const SimulationTotals first = SimulateOnTwoCores(Rounds, options);
    const SimulationTotals again = SimulateOnTwoCores(Rounds, options);
    ExpectSameTotals(again, first);

    SimulationTotals inTurn = Simulate(Rounds - Rounds / 2, options);
    SimulationOptions second = options;
    second.Seed = SecondTableSeed(options.Seed);
    inTurn.Add(Simulate(Rounds / 2, second));
    ExpectSameTotals(inTurn, first);

    // A neighbouring seed plays other deals on both tables.
    SimulationOptions next = options;
    next.Seed = options.Seed + 1;
    EXPECT_NE(SimulateOnTwoCores(Rounds, next).Paid, first.Paid);
    EXPECT_NE(SecondTableSeed(options.Seed), options.Seed + 1);
    EXPECT_NE(SecondTableSeed(options.Seed + 1), SecondTableSeed(options.Seed) + 1);
}

// What a simulation pays is the pay lines of its final hands, and the jackpots only when
// the meter pays: with it off not one jackpot is paid, on the very same deals.
TEST(TwoTableSimulator, WithTheMeterOffOnlyThePayLinesArePaid) {
    SimulationOptions options;
    options.Play = Strategy::Auto;
    options.Seed = 5;
    constexpr std::int64_t Rounds = 60'000;
    auto lines = [](const SimulationTotals& t) {
        std::int64_t paid = 0;
        for (std::size_t line = 1; line < t.Lines.size(); ++line) {
            paid += t.Lines[line] * DefaultMultipliers[line];
        }
        return paid;
    };
    const SimulationTotals on = Simulate(Rounds, options);
    options.MeterPays = false;
    const SimulationTotals off = Simulate(Rounds, options);
    ASSERT_GT(on.JackpotPaid, 0) << "too few rounds for a jackpot";
    EXPECT_EQ(on.Paid, lines(on) + on.JackpotPaid);
    EXPECT_EQ(off.JackpotPaid, 0);
    EXPECT_EQ(off.Paid, lines(off));
    EXPECT_EQ(off.Lines, on.Lines);
    EXPECT_EQ(off.Charged, on.Charged);
}

}  // namespace
}  // namespace orvane::analysis
