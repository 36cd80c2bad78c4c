#include <gtest/gtest.h>

#include <memory>

#include "advisor/HoldAdvisor.h"
#include "analysis/CardText.h"
#include "analysis/HoldValues.h"
#include "analysis/OrvaneReturn.h"

namespace orvane::advisor {
namespace {

using analysis::DrawTables;

constexpr std::int32_t Rank = 7;

// One bonus rank's tables for the whole suite: they take a fraction of a second.
const DrawTables& Tables() {
    static const auto tables = std::make_unique<DrawTables>(analysis::OrvaneHandClasses(Rank));
    return *tables;
}

FiveCards Hand(const char* a, const char* b, const char* c, const char* d, const char* e) {
    FiveCards hand{};
    const char* names[] = {a, b, c, d, e};
    for (std::size_t i = 0; i < 5; ++i) {
        hand[i] = *analysis::ParseCard(names[i]);
    }
    return hand;
}

RoundSituation Dealt(const FiveCards& hand, std::int32_t countdown = 10) {
    RoundSituation s;
    s.Hand = hand;
    s.Rank = Rank;
    s.Countdown = countdown;
    return s;
}

class HoldAdvisorTest : public ::testing::Test {
  protected:
    HoldAdvisor advisor{[](std::int32_t) -> const DrawTables& { return Tables(); }};
};

TEST_F(HoldAdvisorTest, TheMarkedHoldIsTheEnginesBestAndGivesUpNothing) {
    const std::vector<double> worth = analysis::ClassWorth(DefaultMultipliers, {});
    for (const FiveCards& hand :
         {Hand("QS", "QH", "7C", "2D", "9S"), Hand("JK", "TS", "JS", "QS", "4D"),
          Hand("7H", "7D", "7S", "KC", "3H"), Hand("2C", "5D", "8H", "JS", "KD")}) {
        const std::optional<HoldAdvice> advice = advisor.Advise(Dealt(hand));
        ASSERT_TRUE(advice);
        const analysis::HandValues engine = analysis::ValueHolds(Tables(), hand, worth);
        EXPECT_EQ(advice->Best, engine.Best);
        EXPECT_DOUBLE_EQ(advice->BestValue, engine.Holds[engine.Best].Value);
        EXPECT_EQ(advice->GaveUp(advice->Best), 0.0);
        EXPECT_FALSE(advice->MeterAware);
        // Another hold gives up exactly the difference of the engine's values.
        const HoldBits other = advice->Best ^ 0b00001U;
        EXPECT_DOUBLE_EQ(advice->GaveUp(other),
                         engine.Holds[engine.Best].Value - engine.Holds[other].Value);
        EXPECT_GT(advice->GaveUp(other), 0.0);
    }
}

TEST_F(HoldAdvisorTest, APairOfQueensIsKeptAndDrawingToNothingGivesUpTheDifference) {
    const std::optional<HoldAdvice> advice =
        advisor.Advise(Dealt(Hand("QS", "QH", "4C", "2D", "9S")));
    ASSERT_TRUE(advice);
    EXPECT_EQ(advice->Best, 0b00011U);
    EXPECT_NEAR(advice->GaveUp(0b00001U), advice->Values[0b00011U] - advice->Values[0b00001U],
                1e-12);
}

TEST_F(HoldAdvisorTest, TheSecondDrawAdviceIsTheEnginesChoice) {
    const std::vector<double> worth = analysis::ClassWorth(DefaultMultipliers, {});
    // A high pair after a first draw that threw three cards away, and three of a kind.
    const analysis::CardMask thrown = analysis::CardBit(*analysis::ParseCard("2D")) |
                                      analysis::CardBit(*analysis::ParseCard("5C")) |
                                      analysis::CardBit(*analysis::ParseCard("9H"));
    for (const FiveCards& hand :
         {Hand("QS", "QH", "4C", "3D", "8S"), Hand("KS", "KH", "KC", "3D", "8S")}) {
        const std::optional<AfterWinAdvice> advice = advisor.AdviseAfterWin(Dealt(hand), thrown);
        ASSERT_TRUE(advice);
        const analysis::SecondDrawChoice engine =
            analysis::ChooseAfterWin(Tables(), hand, worth, thrown);
        EXPECT_EQ(advice->DrawAgain, engine.DrawAgain());
        EXPECT_DOUBLE_EQ(advice->Margin, std::abs(engine.DrawValue - engine.TakeValue));
        EXPECT_EQ(advice->DrawHold, engine.DrawHold);
    }
}

TEST_F(HoldAdvisorTest, MeterTermsCountOnlyForThePayTableTheyWereSolvedFor) {
    std::vector<MeterTerms> terms(analysis::BonusRanks * analysis::Countdowns);
    // A step at countdown 1 of rank 7 worth a great deal: three sevens are then kept
    // whatever else the hand holds.
    terms[0] = {400.0, 700.0};
    const RoundSituation situation = Dealt(Hand("7S", "7H", "QC", "QD", "9S"), 1);
    const std::optional<HoldAdvice> blind = advisor.Advise(situation);

    Multipliers other = DefaultMultipliers;
    other[1] = 1000;
    advisor.UseMeterTerms(other, terms);
    const std::optional<HoldAdvice> otherTable = advisor.Advise(situation);
    ASSERT_TRUE(otherTable);
    EXPECT_FALSE(otherTable->MeterAware);
    EXPECT_DOUBLE_EQ(otherTable->BestValue, blind->BestValue);

    advisor.UseMeterTerms(DefaultMultipliers, terms);
    const std::optional<HoldAdvice> aware = advisor.Advise(situation);
    ASSERT_TRUE(aware);
    EXPECT_TRUE(aware->MeterAware);
    EXPECT_EQ(aware->Best, 0b00011U);  // the sevens, for the step
    EXPECT_GT(aware->BestValue, blind->BestValue);
    const analysis::HandValues engine = analysis::ValueHolds(
        Tables(), situation.Hand, analysis::ClassWorth(DefaultMultipliers, terms[0]));
    EXPECT_DOUBLE_EQ(aware->BestValue, engine.Holds[engine.Best].Value);
}

TEST_F(HoldAdvisorTest, AnIncompleteSolutionLeavesThePayTableAlone) {
    advisor.UseMeterTerms(DefaultMultipliers, std::vector<MeterTerms>(3, MeterTerms{9.0, 9.0}));
    const std::optional<HoldAdvice> advice =
        advisor.Advise(Dealt(Hand("7S", "7H", "QC", "QD", "9S")));
    ASSERT_TRUE(advice);
    EXPECT_FALSE(advice->MeterAware);
}

TEST_F(HoldAdvisorTest, ASituationTheEngineCannotValueGetsNoAdvice) {
    RoundSituation twice = Dealt(Hand("QS", "QS", "4C", "2D", "9S"));
    EXPECT_FALSE(advisor.Advise(twice));
    RoundSituation outside = Dealt(Hand("QS", "QH", "4C", "2D", "9S"));
    outside.Hand[4] = 53;
    EXPECT_FALSE(advisor.Advise(outside));
    outside.Hand[4] = -1;
    EXPECT_FALSE(advisor.AdviseAfterWin(outside, 0));
    RoundSituation rank = Dealt(Hand("QS", "QH", "4C", "2D", "9S"));
    rank.Rank = 11;
    EXPECT_FALSE(advisor.Advise(rank));
    // A dead card that is in the hand is no situation of the table either.
    EXPECT_FALSE(advisor.Advise(Dealt(Hand("QS", "QH", "4C", "2D", "9S")),
                                analysis::CardBit(*analysis::ParseCard("QS"))));
}

}  // namespace
}  // namespace orvane::advisor
