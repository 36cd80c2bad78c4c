#include <gtest/gtest.h>

#include "advisor/AdviceText.h"

namespace orvane::advisor {
namespace {

HoldAdvice Values(HoldBits best, double bestValue, HoldBits other, double otherValue) {
    HoldAdvice advice;
    advice.Values.fill(-1.0);
    advice.Best = best;
    advice.BestValue = bestValue;
    advice.Values[best] = bestValue;
    advice.Values[other] = otherValue;
    return advice;
}

TEST(AdviceText, TheReviewNamesWhatTheHoldGaveUpInBets) {
    const HoldAdvice advice = Values(0b00011, 0.80, 0b00001, 0.43);
    EXPECT_EQ(ReviewLine(advice, 0b00011), "BEST HOLD");
    EXPECT_EQ(ReviewLine(advice, 0b00001), "YOUR HOLD GAVE UP 0.37 BET");
    EXPECT_EQ(ReviewLine(Values(1, 3.0, 2, 0.5), 2), "YOUR HOLD GAVE UP 2.50 BETS");
    // What rounds to nothing is not worth a word.
    EXPECT_EQ(ReviewLine(Values(1, 1.0, 2, 0.996), 2), "BEST HOLD");
    // A hold outside the 32 gives nothing up rather than reading past the values.
    EXPECT_EQ(ReviewLine(advice, 99), "BEST HOLD");
}

TEST(AdviceText, TheDealLineSaysWhatTheAdviceIsPricedOn) {
    HoldAdvice advice = Values(0b00011, 0.8, 0, 0);
    EXPECT_EQ(DealLine(advice), "BEST HOLD MARKED (PAY TABLE ONLY)");
    advice.MeterAware = true;
    EXPECT_EQ(DealLine(advice), "BEST HOLD MARKED (METER COUNTED)");
    advice.Best = 0;
    EXPECT_EQ(DealLine(advice), "BEST: HOLD NOTHING (METER COUNTED)");
}

TEST(AdviceText, AfterAWinItSaysWhichChoiceIsWorthMoreAndByHowMuch) {
    AfterWinAdvice advice;
    advice.DrawAgain = true;
    advice.Margin = 0.854;
    EXPECT_EQ(AfterWinLine(advice), "DRAW AGAIN: +0.85 BET");
    advice.DrawAgain = false;
    advice.Margin = 4.0;
    EXPECT_EQ(AfterWinLine(advice), "TAKE THE WIN: +4.00 BETS");
    advice.Margin = 0.001;
    EXPECT_EQ(AfterWinLine(advice), "DRAW AGAIN OR TAKE IT: THE SAME");
    EXPECT_EQ(JoinLines("BEST HOLD", "TAKE THE WIN: +4.00 BETS"),
              "BEST HOLD  \u00B7  TAKE THE WIN: +4.00 BETS");
    EXPECT_EQ(JoinLines("", "TAKE THE WIN: +4.00 BETS"), "TAKE THE WIN: +4.00 BETS");
}

}  // namespace
}  // namespace orvane::advisor
