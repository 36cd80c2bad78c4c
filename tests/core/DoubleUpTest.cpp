// The win offer, the double-up guesses and the counted collection.
#include <gtest/gtest.h>

#include "TableFixture.h"
#include "game/Amount.h"

namespace orvane::test {
namespace {

class DoubleUp : public TableFixture {
  protected:
    // The double-up cards the next first choice will draw.
    DealSlots PredictDupCards() {
        RandomSource copy = table.Random();
        DealSlots cards{};
        DrawDeck(copy, cards, 10, false);
        return cards;
    }

    static bool IsSmall(CardValue v) { return RankOfValue(v) <= 6; }
};

TEST_F(DoubleUp, OfferShowsTheWinAndTheFirstCardFaceDown) {
    OfferHighPair();
    EXPECT_EQ(table.State().Win, 10);
    EXPECT_TRUE(table.DoubleUpOffer().BeforeFirstGuess());
    EXPECT_FALSE(table.DoubleUpOffer().Gambled());
    EXPECT_TRUE(display.dupVisible[1]);
    EXPECT_FALSE(display.dupVisible[2]);
    // Only the winning cards are marked.
    EXPECT_EQ(display.holdMark, (std::array<bool, 6>{false, true, true, false, false, false}));
}

TEST_F(DoubleUp, RightGuessesDoubleAndAWrongOneLosesEverything) {
    OfferHighPair();
    const DealSlots cards = PredictDupCards();
    const std::int32_t creditBefore = table.State().Credit;

    table.Hold(IsSmall(cards[1]) ? 2 : 4);
    EXPECT_EQ(display.win, 20);
    EXPECT_EQ(display.CountSounds("dup_win"), 1);
    EXPECT_EQ(display.dupCards[1].Value, cards[1]);
    EXPECT_FALSE(display.dupCards[1].ShowBack);
    EXPECT_TRUE(display.dupVisible[2]);
    EXPECT_TRUE(display.dupCards[2].ShowBack);
    EXPECT_TRUE(display.indicatorBlinking);
    EXPECT_EQ(display.buttonLayout, ButtonLayout::SecondDrawOffer);
    EXPECT_TRUE(table.DoubleUpOffer().Gambled());

    table.Deal();  // no second draw once a guess was made
    EXPECT_EQ(table.State().RoundState, RoundPhase::FirstDrawWon);
    EXPECT_TRUE(table.DoubleUpOffer().IsOpen());

    table.Hold(IsSmall(cards[2]) ? 4 : 2);
    EXPECT_EQ(display.win, 0);
    EXPECT_EQ(table.State().Credit, creditBefore);
    EXPECT_EQ(table.State().RoundState, RoundPhase::Idle);
    EXPECT_FALSE(display.indicatorBlinking);
    EXPECT_TRUE(display.doubleUpPanel);  // stays until the next deal or the idle animation
}

TEST_F(DoubleUp, TheNextDealHidesThePanelALostOrCollectedWinLeftOpen) {
    OfferHighPair();
    const DealSlots cards = PredictDupCards();
    table.Hold(IsSmall(cards[1]) ? 4 : 2);  // a wrong guess
    ASSERT_TRUE(display.doubleUpPanel);
    table.Deal();
    EXPECT_FALSE(display.doubleUpPanel);

    OfferHighPair();
    table.Cash();
    ASSERT_TRUE(display.doubleUpPanel);
    table.Deal();
    EXPECT_FALSE(display.doubleUpPanel);
}

TEST_F(DoubleUp, ChoiceButtonsShowTheModeWhileTheOfferIsOpen) {
    EXPECT_EQ(display.choiceButtons, ChoiceButtons::Off);
    OfferHighPair();
    EXPECT_EQ(display.choiceButtons, ChoiceButtons::SmallBig);
    table.Hold(5);  // taking half keeps the offer open
    EXPECT_EQ(display.choiceButtons, ChoiceButtons::SmallBig);
    table.Cash();
    EXPECT_EQ(display.choiceButtons, ChoiceButtons::Off);

    settings.dupMode = DupMode::RedBlack;
    OfferHighPair();
    EXPECT_EQ(display.choiceButtons, ChoiceButtons::RedBlack);
    // A mode changed while the offer is open shows once the table is asked again.
    settings.dupMode = DupMode::SmallBig;
    table.ShowChoiceButtons();
    EXPECT_EQ(display.choiceButtons, ChoiceButtons::SmallBig);
}

TEST_F(DoubleUp, ChoiceButtonsHoldCardsAgainWhenTheOfferEnds) {
    OfferHighPair();
    table.Deal();  // gives the first-draw win up for a second draw
    EXPECT_TRUE(table.State().Continued);
    EXPECT_EQ(display.choiceButtons, ChoiceButtons::Off);

    OfferHighPair();
    const DealSlots cards = PredictDupCards();
    table.Hold(IsSmall(cards[1]) ? 4 : 2);  // a wrong guess
    EXPECT_EQ(table.State().RoundState, RoundPhase::Idle);
    EXPECT_EQ(display.choiceButtons, ChoiceButtons::Off);

    OfferHighPair();
    table.State().Win = 1;
    table.Hold(5);  // half of one takes all
    EXPECT_EQ(display.choiceButtons, ChoiceButtons::Off);
}

TEST_F(DoubleUp, ARoundWithoutAWinLeavesTheHoldButtonsAlone) {
    StartWithCredit(100, 11);
    table.Deal();
    StackDealtHand({C(2, 1), C(5, 4), C(9, 2), C(12, 3), C(4, 1)},
                   {true, false, false, false, false}, {0, C(6, 2), C(13, 3), C(8, 4), C(10, 1)});
    table.Deal();
    EXPECT_EQ(table.State().RoundState, RoundPhase::Idle);
    EXPECT_EQ(display.choiceButtonCalls, 0);
}

TEST_F(DoubleUp, TheDoubleUpDeckHasNoSevensAndNoJoker) {
    OfferHighPair();
    table.Hold(1);  // draws the cards without guessing
    for (int i = 1; i <= 10; ++i) {
        const CardValue v = table.DoubleUpOffer().CardAt(i).Value;
        EXPECT_FALSE(IsSeven(v)) << v;
        EXPECT_NE(v, JokerValue);
    }
    EXPECT_FALSE(table.DoubleUpOffer().Gambled());
}

TEST_F(DoubleUp, UntilTheFirstGuessEveryPressDrawsTheCardsAnew) {
    OfferHighPair();
    const DealSlots first = PredictDupCards();
    table.Hold(3);
    EXPECT_EQ(table.DoubleUpOffer().CardAt(1).Value, first[1]);
    const DealSlots second = PredictDupCards();
    table.Hold(1);
    EXPECT_EQ(table.DoubleUpOffer().CardAt(1).Value, second[1]);
    // The pre-drawn second-draw cards are untouched, so continuing still works.
    table.Deal();
    EXPECT_TRUE(table.State().Continued);
}

TEST_F(DoubleUp, RedBlackModeDecidesBySuitGroup) {
    settings.dupMode = DupMode::RedBlack;
    OfferHighPair();
    const DealSlots cards = PredictDupCards();
    const std::int32_t suit = SuitOfValue(cards[1]);
    const bool groupA = suit == 2 || suit == 3;
    table.Hold(groupA ? 2 : 4);
    EXPECT_EQ(display.win, 20);
}

TEST_F(DoubleUp, TenRightGuessesPay1024TimesAndEndTheRound) {
    OfferHighPair();
    const DealSlots cards = PredictDupCards();
    for (int i = 1; i <= 10; ++i) {
        table.Hold(IsSmall(cards[static_cast<std::size_t>(i)]) ? 2 : 4);
    }
    EXPECT_EQ(table.State().RoundState, RoundPhase::Idle);
    EXPECT_EQ(table.State().Win, 0);
    EXPECT_EQ(table.State().Credit, 90 + 10 * 1024);
    EXPECT_FALSE(display.indicatorBlinking);
}

TEST_F(DoubleUp, TakingHalfPaysTheLargerHalfAndEndsTheChanceToContinue) {
    OfferHighPair();
    table.State().Win = 7;
    table.Hold(5);
    EXPECT_EQ(table.State().Credit, 94);
    EXPECT_EQ(table.State().Win, 3);
    EXPECT_TRUE(table.DoubleUpOffer().IsOpen());
    EXPECT_TRUE(display.indicatorBlinking);
    table.Deal();
    EXPECT_FALSE(table.State().Continued);
    EXPECT_TRUE(table.DoubleUpOffer().IsOpen());
}

TEST_F(DoubleUp, TakingHalfOfOneCollectsItAndEndsTheRound) {
    OfferHighPair();
    table.State().Win = 1;
    table.Hold(5);
    EXPECT_EQ(table.State().Credit, 91);
    EXPECT_EQ(table.State().RoundState, RoundPhase::Idle);
}

struct CollectCase {
    std::int32_t win;
    bool all;
    std::vector<std::int32_t> steps;  // credits per step, in order
    std::int32_t left;
};

class Collect : public DoubleUp, public ::testing::WithParamInterface<CollectCase> {};

// CASH collects all; HOLD 5 takes half. Each step shows the credit once, so the credits
// shown one after the other give the steps themselves.
TEST_P(Collect, CountsInTheDescribedSteps) {
    OfferHighPair();
    const CollectCase& c = GetParam();
    table.State().Win = c.win;
    const std::int32_t start = table.State().Credit;
    if (c.all) {
        table.Cash();
    } else {
        table.Hold(5);
    }
    std::vector<std::int32_t> steps;
    std::int32_t previous = start;
    for (std::int32_t shown : display.creditTrace) {
        steps.push_back(shown - previous);
        previous = shown;
    }
    EXPECT_EQ(steps, c.steps);
    EXPECT_EQ(table.State().Win, c.left);
    EXPECT_EQ(display.win, c.left);
    EXPECT_EQ(display.CountSounds("cash"), static_cast<int>(c.steps.size()));
    EXPECT_EQ(CountWaits(30), static_cast<int>(c.steps.size()));
}

std::vector<std::int32_t> Steps(std::initializer_list<std::pair<int, std::int32_t>> runs) {
    std::vector<std::int32_t> out;
    for (auto [count, size] : runs) {
        out.insert(out.end(), static_cast<std::size_t>(count), size);
    }
    return out;
}

INSTANTIATE_TEST_SUITE_P(
    WholeAndHalf, Collect,
    ::testing::Values(CollectCase{250, true, Steps({{50, 1}, {2, 100}}), 0},
                      CollectCase{150, true, Steps({{50, 1}, {1, 100}}), 0},
                      CollectCase{100, true, Steps({{100, 1}}), 0},
                      CollectCase{1999, false, Steps({{1, 99}, {9, 100}, {1, 1}}), 999},
                      CollectCase{7, false, Steps({{4, 1}}), 3},
                      CollectCase{101, false, Steps({{1, 1}, {50, 1}}), 50},
                      // A round amount still counts its odd part and its rest, both empty.
                      CollectCase{1000, false, Steps({{1, 0}, {5, 100}, {1, 0}}), 500},
                      CollectCase{350, false, Steps({{1, 50}, {1, 100}, {1, 25}}), 175}));

TEST_F(DoubleUp, AWinOverflowingTheCreditStopsAtTheLargestAmount) {
    OfferHighPair();
    table.State().Credit = MaxAmount - 5;
    table.State().Win = 10;
    table.Cash();
    EXPECT_EQ(table.State().Credit, MaxAmount);
}

// Doubled, the win would neither wrap nor be cut down to the largest amount: the guess is
// not taken and the whole win stays on offer.
TEST_F(DoubleUp, AHugeWinIsNeitherWrappedNorCutByAGuess) {
    OfferHighPair();
    table.State().Win = MaxAmount - 1;
    const DealSlots cards = PredictDupCards();
    table.Hold(IsSmall(cards[1]) ? 2 : 4);
    EXPECT_EQ(table.State().Win, MaxAmount - 1);
    EXPECT_EQ(display.message, Message::WinTooLarge);
}

}  // namespace
}  // namespace orvane::test
