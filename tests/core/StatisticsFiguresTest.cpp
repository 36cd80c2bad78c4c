// The figures of the statistics dialog: return, shares per line, running time, resets.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "game/PayTable.h"
#include "game/StatisticsFigures.h"

namespace orvane {
namespace {

constexpr std::int32_t Max32 = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t Min32 = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t Max64 = std::numeric_limits<std::int64_t>::max();

TEST(StatisticsReturn, IsCreditOutAgainstCreditInTruncated) {
    EXPECT_EQ(ReturnText(1000, 1500), "150%");
    EXPECT_EQ(ReturnText(3, 1), "33%");
    EXPECT_EQ(ReturnText(3, 2), "66%");
    EXPECT_EQ(ReturnText(500, 0), "0%");
}

TEST(StatisticsReturn, WithNothingPutInIsAHundredPercent) {
    EXPECT_EQ(ReturnText(0, 500), "100%");
    EXPECT_EQ(ReturnText(0, 0), "100%");
}

TEST(StatisticsReturn, LargeCountersDoNotOverflow) {
    EXPECT_EQ(ReturnText(Max32, Max32), "100%");
    EXPECT_EQ(ReturnText(100'000'000, 150'000'000), "150%");  // out × 100 is past 2^31
    EXPECT_EQ(ReturnText(1, Max32), "214748364700%");
}

TEST(StatisticsReturn, SixtyFourBitCountersGiveTheExactFigure) {
    EXPECT_EQ(ReturnText(Max64, Max64), "100%");  // out × 100 is past 2^63
    EXPECT_EQ(ReturnText(1, Max64), "922337203685477580700%");
    EXPECT_EQ(ReturnText(Max64, Max64 / 2), "49%");
}

TEST(StatisticsReturn, DamagedNegativeCountersTruncateTowardZero) {
    EXPECT_EQ(ReturnText(-3, 1), "-33%");
    EXPECT_EQ(ReturnText(3, -1), "-33%");
    EXPECT_EQ(ReturnText(-1, Min32), "214748364800%");
}

TEST(StatisticsGauges, ShowEachLinesShareOfAllWins) {
    LineCounts counts{};
    counts[TwoPairs] = 3;
    counts[HighPair] = 1;
    const LinePercents gauges = GaugePercents(counts);
    for (int line = 1; line <= PrizeLines; ++line) {
        const int expected = line == TwoPairs ? 75 : line == HighPair ? 25 : 0;
        EXPECT_EQ(gauges[static_cast<std::size_t>(line)], expected) << "line " << line;
    }
}

TEST(StatisticsGauges, TruncateSoTheSumCanStayBelowAHundred) {
    LineCounts counts{};
    counts[Flush] = 1;
    counts[Straight] = 1;
    counts[ThreeOfAKind] = 1;
    const LinePercents gauges = GaugePercents(counts);
    EXPECT_EQ(gauges[Flush], 33);
    EXPECT_EQ(gauges[Straight], 33);
    EXPECT_EQ(gauges[ThreeOfAKind], 33);
}

TEST(StatisticsGauges, AreAllZeroWithoutAWin) {
    EXPECT_EQ(GaugePercents(LineCounts{}), LinePercents{});
}

TEST(StatisticsGauges, CountersNearTheTopOfTheRangeStillShareCorrectly) {
    LineCounts counts{};
    counts[FullHouse] = Max32;
    counts[HighPair] = Max32;
    counts[Poker] = Max32;
    counts[TwoPairs] = Max32;  // the total is past 2^33
    const LinePercents gauges = GaugePercents(counts);
    EXPECT_EQ(gauges[FullHouse], 25);
    EXPECT_EQ(gauges[HighPair], 25);
    EXPECT_EQ(gauges[Poker], 25);
    EXPECT_EQ(gauges[TwoPairs], 25);

    LineCounts one{};
    one[RoyalFlush] = 30'000'000;  // × 100 leaves the 32-bit range
    one[HighPair] = 10'000'000;
    const LinePercents shares = GaugePercents(one);
    EXPECT_EQ(shares[RoyalFlush], 75);
    EXPECT_EQ(shares[HighPair], 25);
}

TEST(StatisticsGauges, SixtyFourBitCountersAtTheirCeilingShareCorrectly) {
    LineCounts counts{};
    counts[FullHouse] = Max64;
    counts[HighPair] = Max64;  // the total is past 2^63
    const LinePercents gauges = GaugePercents(counts);
    EXPECT_EQ(gauges[FullHouse], 50);
    EXPECT_EQ(gauges[HighPair], 50);
}

TEST(StatisticsGauges, DamagedNegativeCountersStayWithinTheGaugeRange) {
    LineCounts counts{};
    counts[Flush] = 5;
    counts[Straight] = -3;
    const LinePercents gauges = GaugePercents(counts);
    EXPECT_EQ(gauges[Flush], 100);
    EXPECT_EQ(gauges[Straight], 0);

    LineCounts negative{};
    negative[Flush] = -5;
    EXPECT_EQ(GaugePercents(negative), LinePercents{});

    LineCounts extremes{};
    extremes[Flush] = Min32;
    extremes[Straight] = Max32;
    EXPECT_EQ(GaugePercents(extremes), LinePercents{});  // total -1: no wins to share
}

TEST(StatisticsTime, ShowsWholeHoursAndMinutesWithATrailingBlank) {
    EXPECT_EQ(TimeUpText(0), "0h 0m ");
    EXPECT_EQ(TimeUpText(59'999), "0h 0m ");
    EXPECT_EQ(TimeUpText(60'000), "0h 1m ");
    EXPECT_EQ(TimeUpText((3600 + 5 * 60 + 59) * 1000 + 999), "1h 5m ");
    EXPECT_EQ(TimeUpText(25u * 3600 * 1000), "25h 0m ");
    EXPECT_EQ(TimeUpText(std::numeric_limits<std::uint32_t>::max()), "1193h 2m ");
}

TEST(StatisticsTime, ATickCounterWrapStillGivesTheRightDifference) {
    EXPECT_EQ(TickDifference(1000, 61'000), 60'000u);
    const std::uint32_t start = 0xFFFF'FFFFu - 29'999u;  // 30 s before the wrap
    const std::uint32_t now = 3'630'000u;                // an hour and half a minute after it
    EXPECT_EQ(TickDifference(start, now), 3'660'000u);
    EXPECT_EQ(TimeUpText(TickDifference(start, now)), "1h 1m ");
}

class StatisticsSets : public ::testing::Test {
  protected:
    StatisticsSets() {
        for (std::size_t line = 1; line <= PrizeLines; ++line) {
            counters.PrizeStat[line] = static_cast<std::int32_t>(100 + line);
            counters.RunPrizeStat[line] = static_cast<std::int32_t>(line);
        }
        counters.CreditIn = 5000;
        counters.CreditOut = 4000;
        counters.RunCreditIn = 200;
        counters.RunCreditOut = 300;
    }

    Statistics counters;
};

TEST_F(StatisticsSets, FiguresComeFromTheSelectedSet) {
    const StatisticsFigures session = FiguresOf(counters, StatisticsSet::CurrentSession);
    EXPECT_EQ(session.Counts, counters.RunPrizeStat);
    EXPECT_EQ(session.CreditIn, 200);
    EXPECT_EQ(session.CreditOut, 300);
    EXPECT_EQ(session.Return, "150%");
    EXPECT_EQ(session.Gauges[11], 16);  // 11 × 100 / 66

    const StatisticsFigures overall = FiguresOf(counters, StatisticsSet::OverallPlay);
    EXPECT_EQ(overall.Counts, counters.PrizeStat);
    EXPECT_EQ(overall.CreditIn, 5000);
    EXPECT_EQ(overall.CreditOut, 4000);
    EXPECT_EQ(overall.Return, "80%");
    EXPECT_EQ(overall.Gauges[1], 8);  // 101 × 100 / 1166
}

TEST_F(StatisticsSets, ResettingTheSessionLeavesAllTimeAlone) {
    const Statistics before = counters;
    ResetStatistics(counters, StatisticsSet::CurrentSession);
    EXPECT_EQ(counters.RunPrizeStat, LineCounts{});
    EXPECT_EQ(counters.RunCreditIn, 0);
    EXPECT_EQ(counters.RunCreditOut, 0);
    EXPECT_EQ(counters.PrizeStat, before.PrizeStat);
    EXPECT_EQ(counters.CreditIn, 5000);
    EXPECT_EQ(counters.CreditOut, 4000);
}

TEST_F(StatisticsSets, ResettingAllTimeClearsTheSessionToo) {
    ResetStatistics(counters, StatisticsSet::OverallPlay);
    EXPECT_EQ(counters.PrizeStat, LineCounts{});
    EXPECT_EQ(counters.CreditIn, 0);
    EXPECT_EQ(counters.CreditOut, 0);
    EXPECT_EQ(counters.RunPrizeStat, LineCounts{});
    EXPECT_EQ(counters.RunCreditIn, 0);
    EXPECT_EQ(counters.RunCreditOut, 0);
}

}  // namespace
// The statistics and the analysis name each line by these; a number that is no line of
// the table has no name rather than a read past the end of the list.
TEST(PayLineNames, EveryLineHasItsNameAndNoOtherNumberHasOne) {
    for (int n = -2; n <= PrizeLines + 2; ++n) {
        const auto prize = static_cast<PrizeIndex>(n);
        const bool line = n >= 1 && n <= PrizeLines;
        EXPECT_EQ(PayLineName(prize).empty(), !line) << n;
        EXPECT_EQ(PrizeCaption(prize, 5).empty(), !line) << n;
    }
    EXPECT_EQ(PayLineName(OrvaneThree), "ORVANE 3xX");
    EXPECT_EQ(PrizeCaption(OrvaneThree, 5), "ORVANE 3X5");
}

}  // namespace orvane
