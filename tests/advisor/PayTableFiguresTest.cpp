// The whole-game figures behind the analysis window and the advisor's meter terms: the
// engine's own, for both strategies, and a stop that ends the work early.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "advisor/PayTableFigures.h"

namespace orvane::advisor {
namespace {

using namespace analysis;

TEST(PayTableFigures, BothStrategiesAreTheEnginesOwnWithProgressToTheEnd) {
    std::atomic<bool> stop{false};
    std::vector<double> progress;
    const std::optional<PayTableFigures> figures =
        AnalysePayTable(DefaultMultipliers, stop, [&progress](double p) { progress.push_back(p); });
    ASSERT_TRUE(figures);

    OrvaneTables tables;
    OrvaneOptions automatic;
    automatic.Play = Strategy::Auto;
    const OrvaneFigures engine = OrvaneReturn(tables, automatic);
    EXPECT_DOUBLE_EQ(figures->AutoReturn, engine.Return);
    EXPECT_DOUBLE_EQ(figures->AutoMeterShare, engine.MeterShare);
    ASSERT_EQ(figures->AutoLineProbability.size(), engine.LineProbability.size());
    for (std::size_t line = 0; line < engine.LineProbability.size(); ++line) {
        EXPECT_DOUBLE_EQ(figures->AutoLineProbability[line], engine.LineProbability[line]) << line;
    }
    // The best play gains on the automatic hold and prices every meter state.
    EXPECT_GT(figures->OptimalReturn, figures->AutoReturn);
    EXPECT_GT(figures->OptimalMeterShare, 0.0);
    // Giving a first-draw win up when a second draw pays more gains on the single draw.
    EXPECT_GT(figures->BestPlayReturn, figures->OptimalReturn + 0.3);
    EXPECT_GT(figures->BestPlaySecondDraws, 0.3);
    EXPECT_LT(figures->BestPlaySecondDraws, 0.5);
    EXPECT_GT(figures->BestPlayMeterShare, 0.0);
    EXPECT_EQ(figures->StateTerms.size(), static_cast<std::size_t>(BonusRanks * Countdowns));
    EXPECT_EQ(figures->Pays, DefaultMultipliers);

    ASSERT_FALSE(progress.empty());
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
    EXPECT_EQ(progress.back(), 1.0);
    EXPECT_LE(progress.front(), 0.1);
}

TEST(PayTableFigures, AStopGivesNothingAndEndsTheWorkWithinARank) {
    std::atomic<bool> stop{true};
    EXPECT_FALSE(AnalysePayTable(DefaultMultipliers, stop));

    stop = false;
    double furthest = 0;
    EXPECT_FALSE(AnalysePayTable(DefaultMultipliers, stop, [&](double p) {
        furthest = std::max(furthest, p);
        stop = true;
    }));
    // Four ranks surveyed make up the first part of the bar; the stop comes during the first.
    EXPECT_LT(furthest, 0.25);
}

}  // namespace
}  // namespace orvane::advisor
