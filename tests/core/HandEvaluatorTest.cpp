#include <gtest/gtest.h>

#include "HandNotation.h"
#include "game/HandEvaluator.h"

namespace orvane::test {
namespace {

constexpr std::int32_t None = 0;  // no WinRank or SecondRank expected

struct EvalCase {
    const char* hand;
    std::int32_t orvane;
    PrizeIndex prize;
    std::int32_t winRank = None;
    std::int32_t secondRank = None;
    bool meterStep = false;
    bool jackpot = false;
};

void PrintTo(const EvalCase& c, std::ostream* os) {
    *os << c.hand << " (bonus " << c.orvane << ")";
}

void ExpectEvaluation(const EvalCase& c) {
    SCOPED_TRACE(testing::PrintToString(c));
    const Evaluation e = Evaluate(ParseHand(c.hand), c.orvane);
    EXPECT_EQ(e.Prize, c.prize);
    // WinRank and SecondRank are written only for the lines that name a rank; the table
    // keeps the earlier values for every other result.
    EXPECT_EQ(e.SetsWinRank, c.winRank != None);
    if (c.winRank != None) {
        EXPECT_EQ(e.WinRank, c.winRank);
    }
    EXPECT_EQ(e.SetsSecondRank, c.secondRank != None);
    if (c.secondRank != None) {
        EXPECT_EQ(e.SecondRank, c.secondRank);
    }
    EXPECT_EQ(e.MeterStepFlag, c.meterStep);
    EXPECT_EQ(e.JackpotFlag, c.jackpot);
}

class StraightsAndFlushes : public testing::TestWithParam<EvalCase> {};
TEST_P(StraightsAndFlushes, Evaluate) {
    ExpectEvaluation(GetParam());
}
INSTANTIATE_TEST_SUITE_P(
    Natural, StraightsAndFlushes,
    testing::Values(
        // The ace plays low in one suit and high in the other.
        EvalCase{"A1 21 31 41 51", 7, StraightFlush}, EvalCase{"T1 J1 Q1 K1 A1", 7, RoyalFlush},
        EvalCase{"K2 A2 Q2 T2 J2", 7, RoyalFlush}, EvalCase{"92 T2 J2 Q2 K2", 7, StraightFlush},
        EvalCase{"A1 22 33 44 51", 7, Straight}, EvalCase{"T1 J2 Q3 K4 A1", 7, Straight},
        EvalCase{"53 32 71 64 42", 7, Straight},
        // No wrap-around: J-Q-K-A-2 is nothing, or a flush.
        EvalCase{"J1 Q2 K3 A4 22", 7, NoPrize}, EvalCase{"J1 Q1 K1 A1 21", 7, Flush},
        EvalCase{"22 42 62 82 T2", 7, Flush}));

INSTANTIATE_TEST_SUITE_P(
    WithJoker, StraightsAndFlushes,
    testing::Values(
        EvalCase{"T3 J3 Q3 K3 X", 7, RoyalFlush}, EvalCase{"93 T3 J3 Q3 X", 7, StraightFlush},
        EvalCase{"A3 J3 Q3 K3 X", 7, RoyalFlush}, EvalCase{"X A4 T4 J4 Q4", 7, RoyalFlush},
        // A-2-3-4 with the joker is the ace-low straight flush, not a royal one.
        EvalCase{"X A4 24 34 44", 7, StraightFlush}, EvalCase{"92 J2 Q2 K2 X", 7, StraightFlush},
        EvalCase{"91 J2 Q3 K4 X", 7, Straight}, EvalCase{"A1 22 33 54 X", 7, Straight},
        EvalCase{"A1 T2 Q3 K4 X", 7, Straight},
        // Four suited cards that cannot be filled make a flush, not a straight flush.
        EvalCase{"81 J1 Q1 K1 X", 7, Flush},
        // A gap of two ranks cannot be filled: only the king makes a high pair.
        EvalCase{"81 J2 Q3 K4 X", 7, HighPair, 13}, EvalCase{"Q1 K2 A3 24 X", 7, HighPair, 1}));

class BonusRankHands : public testing::TestWithParam<EvalCase> {};
TEST_P(BonusRankHands, Evaluate) {
    ExpectEvaluation(GetParam());
}
INSTANTIATE_TEST_SUITE_P(
    Sevens, BonusRankHands,
    testing::Values(EvalCase{"71 72 73 74 X", 7, FiveOfAKind, None, None, false, true},
                    EvalCase{"71 72 73 74 X", 8, FiveOfAKind},
                    EvalCase{"X 72 73 K4 71", 7, Poker, 7, None, true, false},
                    EvalCase{"71 72 73 K4 X", 9, Poker, 7},
                    // A pair of the bonus rank with the joker is only three of a kind.
                    EvalCase{"71 72 K3 24 X", 7, ThreeOfAKind, 7},
                    EvalCase{"71 72 73 74 K1", 7, Poker, 7, None, false, true},
                    EvalCase{"71 72 73 74 K1", 8, Poker, 7}));

INSTANTIATE_TEST_SUITE_P(
    Eights, BonusRankHands,
    testing::Values(EvalCase{"81 82 83 K4 21", 8, OrvaneThree, 8},
                    EvalCase{"81 82 83 K4 21", 7, ThreeOfAKind, 8},
                    EvalCase{"81 82 83 K4 K1", 8, FullHouse, None, None, true, false},
                    EvalCase{"K1 K2 81 82 83", 8, FullHouse, None, None, true, false},
                    // The three decides, not the pair.
                    EvalCase{"81 82 K3 K4 K1", 8, FullHouse},
                    EvalCase{"81 82 83 84 K1", 8, Poker, 8, None, false, true},
                    EvalCase{"T1 T2 T3 X 44", 10, Poker, 10, None, true, false}));

class PairsAndThrees : public testing::TestWithParam<EvalCase> {};
TEST_P(PairsAndThrees, Evaluate) {
    ExpectEvaluation(GetParam());
}
INSTANTIATE_TEST_SUITE_P(Natural, PairsAndThrees,
                         testing::Values(EvalCase{"T1 T2 33 54 K1", 7, NoPrize},
                                         EvalCase{"21 52 83 T4 K1", 7, NoPrize},
                                         EvalCase{"J1 J2 33 54 81", 7, HighPair, 11},
                                         EvalCase{"33 A1 54 A2 81", 7, HighPair, 1},
                                         EvalCase{"31 32 K3 K4 91", 7, TwoPairs, 3, 13},
                                         EvalCase{"K1 93 21 94 K2", 7, TwoPairs, 9, 13},
                                         EvalCase{"51 52 53 K1 21", 7, ThreeOfAKind, 5},
                                         EvalCase{"51 52 53 K1 K2", 7, FullHouse}));

INSTANTIATE_TEST_SUITE_P(
    WithJoker, PairsAndThrees,
    testing::Values(
        EvalCase{"X 22 43 64 K1", 7, HighPair, 13}, EvalCase{"X 22 43 64 91", 7, NoPrize},
        EvalCase{"K1 Q2 X A3 24", 7, HighPair, 1},
        // With the joker two pairs become a full house, never TWO PAIRS.
        EvalCase{"31 32 K3 K4 X", 7, FullHouse}, EvalCase{"21 53 T1 T2 X", 7, ThreeOfAKind, 10},
        EvalCase{"21 22 53 T1 X", 7, ThreeOfAKind, 2}, EvalCase{"K1 K2 K3 A4 X", 7, Poker, 13}));

struct JokerSuitCase {
    const char* hand;
    int jokerSlot;  // 0..4
    std::int32_t jokerSuit;
    PrizeIndex prize;
};

void PrintTo(const JokerSuitCase& c, std::ostream* os) {
    *os << c.hand;
}

class JokerSuit : public testing::TestWithParam<JokerSuitCase> {};

// The joker borrows the suit of slot 5, or of slot 1 when it stands in slot 5 itself.
TEST_P(JokerSuit, TakesTheSuitOfItsNeighbour) {
    const JokerSuitCase& c = GetParam();
    const Evaluation e = Evaluate(ParseHand(c.hand), 7);
    EXPECT_EQ(e.JokerSlot, c.jokerSlot);
    EXPECT_EQ(e.JokerSuit, c.jokerSuit);
    EXPECT_EQ(e.Prize, c.prize);
}

INSTANTIATE_TEST_SUITE_P(Slots, JokerSuit,
                         testing::Values(JokerSuitCase{"X 22 43 64 91", 0, 1, NoPrize},
                                         JokerSuitCase{"22 X 43 64 92", 1, 2, NoPrize},
                                         JokerSuitCase{"22 43 X 64 93", 2, 3, NoPrize},
                                         JokerSuitCase{"22 43 64 X 94", 3, 4, NoPrize},
                                         JokerSuitCase{"24 43 64 91 X", 4, 4, NoPrize},
                                         // Five equal suits need the other four equal.
                                         JokerSuitCase{"X 23 53 83 T3", 0, 3, Flush},
                                         JokerSuitCase{"23 53 83 T3 X", 4, 3, Flush},
                                         JokerSuitCase{"X 23 53 83 T1", 0, 1, NoPrize}));

TEST(JokerSuit, NoJokerNamesNoSlot) {
    const Evaluation e = Evaluate(ParseHand("22 43 64 94 K1"), 7);
    EXPECT_EQ(e.JokerSlot, -1);
}

}  // namespace
}  // namespace orvane::test
