// Credit, the bet ladder, the pay table and its highlight.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "TableFixture.h"
#include "game/Amount.h"

namespace orvane::test {
namespace {

using BetAndCredit = TableFixture;

TEST_F(BetAndCredit, WithNoCreditBetShowsOneAndDealAsksForCoins) {
    table.Start(1);
    EXPECT_EQ(display.message, Message::InsertCoin);
    EXPECT_TRUE(display.messageBlinks);
    table.Bet();
    EXPECT_EQ(display.bet, 1);
    EXPECT_EQ(table.State().BetIndex, 0);
    display.ClearLog();
    table.Deal();
    EXPECT_EQ(display.message, Message::InsertCoin);
    EXPECT_TRUE(display.messageBlinks);
    EXPECT_EQ(display.CountSounds("dcard1"), 0);
    EXPECT_EQ(table.State().RoundState, RoundPhase::Idle);
}

TEST_F(BetAndCredit, FourCreditsAllowNoDeal) {
    StartWithCredit(4);
    table.Deal();
    EXPECT_EQ(table.State().BetIndex, 0);
    EXPECT_EQ(table.State().Credit, 4);
    EXPECT_EQ(table.State().RoundState, RoundPhase::Idle);
}

TEST_F(BetAndCredit, BetCyclesThroughTheAffordableAmounts) {
    StartWithCredit(7);
    EXPECT_EQ(display.bet, 5);
    table.Bet();
    EXPECT_EQ(display.bet, 7);
    table.Bet();
    EXPECT_EQ(display.bet, 5);
}

TEST_F(BetAndCredit, BetWrapsFromTheTopOfTheLadder) {
    StartWithCredit(600);
    for (int i = 0; i < 14; ++i) {
        table.Bet();
    }
    ASSERT_EQ(display.bet, 500);
    table.Bet();
    EXPECT_EQ(display.bet, 5);
    EXPECT_EQ(table.State().BetIndex, 1);
}

TEST(BetAndCreditLadder, AnUnaffordableBetIsLoweredToTheHighestAffordableStep) {
    for (const std::int32_t credit : {5, 6, 7, 19, 20, 60, 99}) {
        FakeDisplay display;
        FakePause pause;
        FakeSettings settings;
        GameTable table(display, pause, settings);
        table.Start(1);
        ASSERT_EQ(table.AddCredit(1000, true), CreditChange::Done);
        for (int i = 0; i < 10; ++i) {
            table.Bet();
        }
        ASSERT_EQ(display.bet, 100);
        table.State().Credit = credit;
        table.Deal();
        const auto highest = std::find_if(BetLadder.rbegin(), BetLadder.rend(),
                                          [credit](std::int32_t bet) { return bet <= credit; });
        EXPECT_EQ(display.bet, *highest) << credit;
        EXPECT_EQ(table.State().Credit, credit - *highest) << credit;
    }
}

// One credit after a deal of the last five would leave no bet if the bet were chosen
// again; the round keeps its own, and its draw is still a draw.
TEST_F(BetAndCredit, CreditAddedDuringARoundKeepsThatRoundsBet) {
    settings.autoHold = false;
    StartWithCredit(5);
    table.Deal();
    ASSERT_EQ(table.State().RoundState, RoundPhase::Dealt);
    ASSERT_EQ(display.credit, 0);
    ASSERT_EQ(table.AddCredit(1, true), CreditChange::Done);
    EXPECT_EQ(display.bet, 5);
    EXPECT_EQ(table.State().BetIndex, 1);
    EXPECT_EQ(display.credit, 1);
    EXPECT_EQ(display.CountSounds("addcrdt"), 1);

    ASSERT_EQ(table.AddCredit(1000, true), CreditChange::Done);
    table.Hold(1);
    table.Deal();
    EXPECT_EQ(display.stars, 2);
    EXPECT_EQ(display.credit, 996);
}

TEST_F(BetAndCredit, CashOutEmptiesTheMachineAndCountsOnlyWhenAsked) {
    StartWithCredit(300);
    EXPECT_EQ(table.CashOut(true), CreditChange::Done);
    EXPECT_EQ(display.credit, 0);
    EXPECT_EQ(display.bet, 1);
    EXPECT_EQ(settings.stats.CreditOut, 300);
    EXPECT_EQ(settings.stats.RunCreditOut, 300);
    ASSERT_EQ(table.AddCredit(100, false), CreditChange::Done);
    EXPECT_EQ(settings.stats.CreditIn, 300);  // uncounted credit
    EXPECT_EQ(table.CashOut(false), CreditChange::Done);
    EXPECT_EQ(settings.stats.CreditOut, 300);
}

TEST_F(BetAndCredit, CashOutIsRefusedDuringARound) {
    StartWithCredit(100);
    table.Deal();
    EXPECT_EQ(table.CashOut(true), CreditChange::NotIdle);
    EXPECT_EQ(table.State().Credit, 95);
}

TEST_F(BetAndCredit, ACoinThatWouldOverflowTheCreditIsRefusedAndNothingChanges) {
    StartWithCredit(MaxAmount - 500);
    display.ClearLog();
    EXPECT_EQ(table.AddCredit(1000, true), CreditChange::WouldOverflow);
    EXPECT_EQ(table.State().Credit, MaxAmount - 500);
    EXPECT_EQ(settings.stats.CreditIn, MaxAmount - 500);
    EXPECT_TRUE(display.sounds.empty());
    EXPECT_EQ(table.AddCredit(500, true), CreditChange::Done);
    EXPECT_EQ(table.State().Credit, MaxAmount);
    EXPECT_EQ(table.AddCredit(0, true), CreditChange::InvalidAmount);
    EXPECT_EQ(table.AddCredit(-5, true), CreditChange::InvalidAmount);
    EXPECT_TRUE(table.State().Ready);
}

TEST_F(BetAndCredit, CoinsInAreCountedPastThirtyTwoBitsAndSaturateOnlyAtSixtyFour) {
    table.Start(1);
    settings.stats.CreditIn = MaxAmount - 10;
    settings.stats.RunCreditIn = MaxAmount;
    ASSERT_EQ(table.AddCredit(1000, true), CreditChange::Done);
    EXPECT_EQ(settings.stats.CreditIn, std::int64_t{MaxAmount} + 990);
    EXPECT_EQ(settings.stats.RunCreditIn, std::int64_t{MaxAmount} + 1000);

    settings.stats.CreditIn = std::numeric_limits<std::int64_t>::max() - 10;
    ASSERT_EQ(table.AddCredit(1000, true), CreditChange::Done);
    EXPECT_EQ(settings.stats.CreditIn, std::numeric_limits<std::int64_t>::max());
}

TEST_F(BetAndCredit, CashOutsAreCountedPastThirtyTwoBits) {
    StartWithCredit(1000);
    settings.stats.CreditOut = MaxAmount;
    ASSERT_EQ(table.CashOut(true), CreditChange::Done);
    EXPECT_EQ(settings.stats.CreditOut, std::int64_t{MaxAmount} + 1000);
    EXPECT_EQ(settings.stats.RunCreditOut, 1000);
}

TEST_F(BetAndCredit, PayValuesFollowTheBet) {
    StartWithCredit(100);
    table.Bet();
    table.Bet();
    ASSERT_EQ(display.bet, 9);
    EXPECT_EQ(display.payValues,
              (Multipliers{0, 9900, 4500, 900, 360, 90, 81, 63, 45, 27, 18, 108}));
}

TEST_F(BetAndCredit, AHugeStoredMultiplierShowsAndPaysTheLargestAmount) {
    table.State().Multiplier[1] = MaxAmount;
    StartWithCredit(100);
    EXPECT_EQ(display.payValues[1], MaxAmount);
    table.Deal();
    StackDealtHand({C(1, 1), C(1, 2), C(1, 3), C(1, 4), Joker}, {true, true, true, true, true},
                   {0, 0, 0, 0, 0});
    table.Deal();
    ASSERT_EQ(table.State().LastPrize, FiveOfAKind);
    EXPECT_EQ(display.win, MaxAmount);
    EXPECT_EQ(table.State().Win, MaxAmount);
}

using Highlight = TableFixture;

TEST_F(Highlight, ADealtFullHouseFromTheIdleTablePlaysWinWithoutBlinking) {
    StartWithCredit(100, 2293);  // deals 7♣ 2♦ 7♠ 7♥ 2♣
    table.Deal();
    EXPECT_EQ(table.State().LastPrize, FullHouse);
    EXPECT_EQ(display.highlighted, FullHouse);
    EXPECT_EQ(display.CountSounds("win"), 1);
    EXPECT_EQ(display.CountSounds("bigwin"), 0);
    EXPECT_EQ(CountWaits(250), 0);
    // A dealt bonus full house does not touch the meter: only draws do.
    EXPECT_EQ(table.Orvane().State[1], 10);
}

TEST_F(Highlight, ADealtPokerBlinksItsLineFiveTimesWithBigWin) {
    StartWithCredit(100, 260);  // deals A♠ 7♠ joker A♥ A♣
    table.Deal();
    EXPECT_EQ(table.State().LastPrize, Poker);
    EXPECT_EQ(display.CountSounds("bigwin"), 1);
    EXPECT_EQ(display.CountSounds("win"), 0);
    EXPECT_EQ(CountWaits(250), 10);
    EXPECT_EQ(display.highlighted, Poker);  // ends lit
    // Auto-hold keeps the three aces and the joker.
    EXPECT_EQ(display.holdMark, (std::array<bool, 6>{false, true, false, true, true, true}));
}

// The last hand's line goes dark before the new cards turn up, not only once the new
// hand is evaluated.
TEST_F(Highlight, TheNextDealRemovesTheHighlight) {
    StartWithCredit(100, 2293);
    table.Deal();
    ASSERT_EQ(display.highlighted, FullHouse);
    table.Cash();  // release holds
    table.Bet();   // change the bet so the next DEAL deals afresh
    display.ClearLog();
    table.Deal();
    const auto cleared = std::find(display.log.begin(), display.log.end(), "highlight clear");
    const auto firstFace = std::find_if(display.log.begin(), display.log.end(), [](const auto& l) {
        return l.rfind("card ", 0) == 0 && l.find("back") == std::string::npos;
    });
    ASSERT_NE(firstFace, display.log.end());
    EXPECT_LT(cleared, firstFace);
    EXPECT_EQ(display.highlighted, table.State().LastPrize);
}

}  // namespace
}  // namespace orvane::test
