// Complete rounds driven through the four events with a seeded random source.
#include <gtest/gtest.h>

#include <type_traits>

#include "TableFixture.h"

namespace orvane::test {
namespace {

using RoundFlow = TableFixture;

// A plain number is no state of the table: passing one where a state is meant does not
// compile.
static_assert(!std::is_convertible_v<int, RoundPhase>);
static_assert(!std::is_convertible_v<int, DrawStage>);
static_assert(!std::is_convertible_v<int, ButtonLayout>);
static_assert(!std::is_convertible_v<int, DupMode>);
static_assert(!std::is_convertible_v<int, Suit>);
static_assert(!std::is_convertible_v<int, PrizeIndex>);

// Seed 6 deals 6c J♠ 8♥ J♥ 2♥ (suits 1..4), with 7♦ 9♦ 2♦ 2♠ 4♠ for the first draw and
// 4♣ 3♠ A♠ 9♠ 10♥ for the second: a high pair dealt, kept and drawn to twice.
constexpr std::uint32_t HighPairSeed = 6;
// Seed 2 deals 8♦ 4♦ 9♠ J♣ Q♣; auto-hold keeps the inside straight draw and the draw of
// 2♣ loses.
constexpr std::uint32_t LosingSeed = 2;

TEST_F(RoundFlow, StartShowsAnEmptyMachine) {
    table.Start(1);
    EXPECT_EQ(display.credit, 0);
    EXPECT_EQ(display.bet, 1);  // index 0 shows the ladder's first amount
    EXPECT_EQ(display.message, Message::InsertCoin);
    EXPECT_TRUE(display.messageBlinks);
    EXPECT_TRUE(display.idleRunning);
    EXPECT_EQ(display.stars, 0);
    EXPECT_EQ(display.buttonLayout, ButtonLayout::Idle);
    EXPECT_EQ(display.payValues, DefaultMultipliers);  // bare multipliers on an empty machine
    EXPECT_EQ(display.orvaneLine, "ORVANE 3x7");
    for (int square = 1; square <= 10; ++square) {
        EXPECT_FALSE(display.meterLit[static_cast<std::size_t>(square)]) << square;
    }
    EXPECT_TRUE(table.State().Ready);
}

TEST_F(RoundFlow, DealHoldDrawWinAndCollect) {
    settings.dealDelay = 100;
    settings.holdDelay = 50;
    StartWithCredit(100, HighPairSeed);
    EXPECT_EQ(display.bet, 5);
    EXPECT_EQ(settings.stats.CreditIn, 100);
    EXPECT_EQ(settings.stats.RunCreditIn, 100);

    table.Deal();
    EXPECT_EQ(display.credit, 95);
    EXPECT_EQ(ShownHand(), (std::array<CardValue, 6>{0, 6, 50, 34, 37, 28}));
    EXPECT_EQ(display.CountSounds("dcard1"), 5);
    EXPECT_EQ(CountWaits(100), 5);
    EXPECT_EQ(table.State().LastPrize, HighPair);
    EXPECT_EQ(display.highlighted, HighPair);
    EXPECT_EQ(display.CountSounds("win"), 1);  // a dealt win from the idle table
    EXPECT_EQ(display.stars, 1);
    EXPECT_EQ(display.buttonLayout, ButtonLayout::Dealt);
    EXPECT_EQ(display.message, Message::HoldAndDraw);
    EXPECT_FALSE(display.idleRunning);
    // Auto-hold keeps the two jacks, one mark at a time.
    EXPECT_EQ(display.holdMark, (std::array<bool, 6>{false, false, true, false, true, false}));
    EXPECT_EQ(CountWaits(50), 2);
    EXPECT_EQ(table.State().RoundState, RoundPhase::Dealt);

    table.Deal();
    EXPECT_EQ(display.credit, 90);
    EXPECT_EQ(ShownHand(), (std::array<CardValue, 6>{0, 20, 50, 15, 37, 43}));
    EXPECT_EQ(display.stars, 2);
    EXPECT_EQ(table.State().RoundState, RoundPhase::FirstDrawWon);
    EXPECT_EQ(display.win, 10);
    EXPECT_EQ(display.winCaption, "HIGH PAIR");
    EXPECT_TRUE(display.doubleUpPanel);
    EXPECT_EQ(display.buttonLayout, ButtonLayout::FirstDrawOffer);
    EXPECT_EQ(display.message, Message::Winner);
    EXPECT_TRUE(display.indicatorBlinking);
    EXPECT_TRUE(display.dupVisible[1]);
    EXPECT_TRUE(display.dupCards[1].ShowBack);
    EXPECT_EQ(display.CountSounds("show_dup"), 1);
    EXPECT_EQ(display.CountSounds("win"), 1);  // a winning draw plays no "win"
    EXPECT_EQ(settings.stats.PrizeStat[HighPair], 1);
    EXPECT_EQ(settings.stats.RunPrizeStat[HighPair], 1);
    EXPECT_EQ(display.holdMark, (std::array<bool, 6>{false, false, true, false, true, false}));

    display.ClearLog();
    pause.waits.clear();
    table.Cash();
    EXPECT_EQ(display.credit, 100);
    EXPECT_EQ(display.win, 0);
    EXPECT_EQ(display.CountSounds("cash"), 10);
    EXPECT_EQ(CountWaits(30), 10);
    EXPECT_EQ(table.State().RoundState, RoundPhase::Idle);
    EXPECT_FALSE(table.DoubleUpOffer().IsOpen());
    EXPECT_EQ(display.buttonLayout, ButtonLayout::Idle);
    EXPECT_TRUE(display.idleRunning);
    EXPECT_EQ(settings.stats.CreditOut, 0);  // collecting is not a cash-out
}

TEST_F(RoundFlow, DrawWithoutPrizeEndsTheRound) {
    StartWithCredit(100, LosingSeed);
    table.Deal();
    EXPECT_EQ(display.holdMark, (std::array<bool, 6>{false, true, false, true, true, true}));
    table.Deal();
    EXPECT_EQ(ShownHand(), (std::array<CardValue, 6>{0, 21, 2, 48, 11, 12}));
    EXPECT_EQ(table.State().LastPrize, NoPrize);
    EXPECT_EQ(table.State().RoundState, RoundPhase::Idle);
    EXPECT_EQ(display.credit, 90);
    EXPECT_FALSE(display.doubleUpPanel);
    EXPECT_TRUE(display.idleRunning);
    EXPECT_EQ(settings.stats.PrizeStat, (std::array<std::int64_t, 12>{}));
}

TEST_F(RoundFlow, ContinuingAfterAWinDropsItAndDrawsAgain) {
    StartWithCredit(100, HighPairSeed);
    table.Deal();
    table.Deal();
    ASSERT_EQ(table.State().RoundState, RoundPhase::FirstDrawWon);

    table.Deal();  // give the win up
    EXPECT_EQ(display.win, 0);
    EXPECT_EQ(settings.stats.PrizeStat[HighPair], 0);
    EXPECT_EQ(settings.stats.RunPrizeStat[HighPair], 0);
    EXPECT_FALSE(display.doubleUpPanel);
    EXPECT_FALSE(table.DoubleUpOffer().IsOpen());
    EXPECT_TRUE(table.State().Continued);
    EXPECT_EQ(display.buttonLayout, ButtonLayout::Continued);
    EXPECT_EQ(display.holdMark, (std::array<bool, 6>{false, false, true, false, true, false}));
    EXPECT_EQ(display.credit, 90);

    table.Deal();  // second draw, charged again
    EXPECT_EQ(display.credit, 85);
    EXPECT_EQ(ShownHand(), (std::array<CardValue, 6>{0, 4, 50, 40, 37, 36}));
    EXPECT_EQ(display.stars, 3);
    EXPECT_EQ(table.State().RoundState, RoundPhase::SecondDrawWon);
    EXPECT_EQ(display.buttonLayout, ButtonLayout::SecondDrawOffer);
    EXPECT_EQ(display.win, 10);
    EXPECT_EQ(settings.stats.PrizeStat[HighPair], 1);

    table.Deal();  // the second win can only be gambled or collected
    EXPECT_EQ(table.State().RoundState, RoundPhase::SecondDrawWon);
    table.Cash();
    EXPECT_EQ(display.credit, 95);
    EXPECT_EQ(table.State().RoundState, RoundPhase::Idle);
}

// A second draw with every card let go keeps the whole hand rather than drawing five.
TEST_F(RoundFlow, ASecondDrawWithNothingHeldKeepsTheWholeHand) {
    StartWithCredit(100, HighPairSeed);
    table.Deal();
    table.Deal();
    table.Deal();  // give the win up
    ASSERT_TRUE(table.State().Continued);
    table.Hold(2);
    table.Hold(4);
    ASSERT_EQ(display.holdMark, (std::array<bool, 6>{}));
    const std::array<CardValue, 6> hand = ShownHand();
    table.Deal();
    EXPECT_EQ(ShownHand(), hand);
}

TEST_F(RoundFlow, DealingOnADealtWinWithoutHoldsTakesItForFree) {
    StartWithCredit(100, HighPairSeed);
    table.Deal();
    table.Cash();  // in the dealt state CASH releases the holds
    EXPECT_EQ(display.holdMark, (std::array<bool, 6>{}));
    table.Deal();
    EXPECT_EQ(display.credit, 95);  // no second charge
    EXPECT_EQ(ShownHand(), (std::array<CardValue, 6>{0, 6, 50, 34, 37, 28}));
    EXPECT_EQ(table.State().RoundState, RoundPhase::FirstDrawWon);
    EXPECT_EQ(display.win, 10);
}

TEST_F(RoundFlow, DealingAgainWithoutHoldsOnALosingHandDealsAFreshCharge) {
    settings.autoHold = false;
    StartWithCredit(100, LosingSeed);
    table.Deal();
    EXPECT_EQ(display.holdMark, (std::array<bool, 6>{}));
    EXPECT_EQ(display.message, Message::HoldAndDraw);
    const auto first = ShownHand();
    table.Deal();
    EXPECT_EQ(display.credit, 90);
    EXPECT_EQ(table.State().RoundState, RoundPhase::Dealt);
    EXPECT_NE(ShownHand(), first);
}

TEST_F(RoundFlow, ChangingTheBetAfterTheDealDealsAFreshHand) {
    StartWithCredit(100, HighPairSeed);
    table.Deal();
    table.Bet();
    EXPECT_EQ(display.bet, 7);
    table.Deal();
    EXPECT_EQ(table.State().RoundState, RoundPhase::Dealt);  // a fresh deal, not a draw
    EXPECT_EQ(display.credit, 88);
    EXPECT_EQ(display.stars, 1);
}

TEST_F(RoundFlow, ADrawTheCreditCannotPayIsRefused) {
    StartWithCredit(5, LosingSeed);
    table.Deal();
    ASSERT_EQ(display.credit, 0);
    const auto held = display.holdMark;
    const auto hand = ShownHand();
    table.Deal();
    EXPECT_EQ(display.message, Message::InsertCoin);
    EXPECT_TRUE(display.messageBlinks);
    EXPECT_EQ(table.State().RoundState, RoundPhase::Dealt);
    EXPECT_EQ(ShownHand(), hand);
    EXPECT_EQ(table.State().HandCard(2).Held, false);
    EXPECT_EQ(table.State().HandCard(1).Held, held[1]);
    EXPECT_TRUE(table.State().Ready);
}

TEST_F(RoundFlow, HoldTogglesCardsAndBeepsInTheDealtStateOnly) {
    StartWithCredit(100, LosingSeed);
    table.Hold(1);  // idle: nothing
    EXPECT_EQ(display.CountSounds("h_card"), 0);
    table.Deal();
    table.Hold(2);
    EXPECT_TRUE(table.State().HandCard(2).Held);
    EXPECT_TRUE(display.holdMark[2]);
    EXPECT_TRUE(display.hand[2].Held);
    table.Hold(2);
    EXPECT_FALSE(table.State().HandCard(2).Held);
    EXPECT_FALSE(display.holdMark[2]);
    EXPECT_EQ(display.CountSounds("h_card"), 2);
    table.Hold(0);
    table.Hold(6);
    EXPECT_EQ(display.CountSounds("h_card"), 2);
}

TEST_F(RoundFlow, EventsAreDroppedWhileTheGateIsClosed) {
    StartWithCredit(100, LosingSeed);
    table.State().Ready = false;
    table.Deal();
    table.Bet();
    EXPECT_EQ(table.State().RoundState, RoundPhase::Idle);
    EXPECT_EQ(table.State().Credit, 100);
    EXPECT_EQ(display.bet, 5);
    EXPECT_EQ(table.AddCredit(100, true), CreditChange::NotReady);
}

TEST_F(RoundFlow, AFirstDrawWinCanBeGivenUpAfterAnEarlierWinWasCollected) {
    StartWithCredit(100, HighPairSeed);
    table.Deal();
    table.Deal();
    ASSERT_EQ(table.State().RoundState, RoundPhase::FirstDrawWon);
    table.Cash();  // collecting ends any chance to give this win up

    DrawHighPair();
    ASSERT_EQ(table.State().RoundState, RoundPhase::FirstDrawWon);
    table.Deal();  // a new round's win can be given up again
    EXPECT_TRUE(table.State().Continued);
    EXPECT_EQ(display.win, 0);
    EXPECT_EQ(display.buttonLayout, ButtonLayout::Continued);
}

TEST_F(RoundFlow, BetIsRefusedWhileAWinIsOnOffer) {
    StartWithCredit(100, HighPairSeed);
    table.Deal();
    table.Deal();
    ASSERT_EQ(table.State().RoundState, RoundPhase::FirstDrawWon);
    const std::int32_t jackpot = display.jackpot;
    table.Bet();
    EXPECT_EQ(table.State().BetIndex, 1);
    EXPECT_EQ(display.bet, 5);
    EXPECT_EQ(display.jackpot, jackpot);

    table.Deal();  // given up: still the first draw's state until the second draw
    ASSERT_EQ(table.State().RoundState, RoundPhase::FirstDrawWon);
    table.Bet();
    EXPECT_EQ(display.bet, 5);

    table.Deal();
    ASSERT_EQ(table.State().RoundState, RoundPhase::SecondDrawWon);
    table.Bet();
    EXPECT_EQ(table.State().BetIndex, 1);
    EXPECT_EQ(display.bet, 5);
    EXPECT_EQ(display.jackpot, jackpot);
}

// Seed 2293 deals 7♣ 2♦ 7♠ 7♥ 2♣, a full house that auto-hold keeps whole.
constexpr std::uint32_t FullHouseSeed = 2293;

TEST_F(RoundFlow, KeepingAllFiveCardsOfAWinDrawsForFreeEvenWithoutCredit) {
    StartWithCredit(5, FullHouseSeed);
    table.Deal();
    ASSERT_EQ(display.credit, 0);
    ASSERT_EQ(table.State().LastPrize, FullHouse);
    ASSERT_EQ(display.holdMark, (std::array<bool, 6>{false, true, true, true, true, true}));
    table.Deal();
    EXPECT_EQ(table.State().RoundState, RoundPhase::FirstDrawWon);
    EXPECT_EQ(display.credit, 0);
    EXPECT_EQ(display.win, 50);
    EXPECT_EQ(display.stars, 2);
}

TEST_F(RoundFlow, KeepingAllFiveCardsOfTheTopLineDrawsForFreeToo) {
    StartWithCredit(5);
    table.Deal();
    StackDealtHand({C(1, 1), C(1, 2), C(1, 3), C(1, 4), Joker}, {true, true, true, true, true},
                   {0, 0, 0, 0, 0});
    table.State().LastPrize = FiveOfAKind;
    ASSERT_EQ(table.State().Credit, 0);
    table.Deal();
    EXPECT_EQ(table.State().RoundState, RoundPhase::FirstDrawWon);
    EXPECT_EQ(table.State().Credit, 0);
}

TEST_F(RoundFlow, KeepingAllFiveCardsOfALosingHandStillCostsTheBet) {
    StartWithCredit(5, LosingSeed);
    table.Deal();
    ASSERT_EQ(display.credit, 0);
    ASSERT_EQ(table.State().LastPrize, NoPrize);
    table.Hold(2);  // auto-hold kept the other four
    ASSERT_EQ(display.holdMark, (std::array<bool, 6>{false, true, true, true, true, true}));
    table.Deal();
    EXPECT_EQ(table.State().RoundState, RoundPhase::Dealt);
    EXPECT_EQ(display.message, Message::InsertCoin);
    EXPECT_EQ(display.stars, 1);
}

// A display that fails once, as a picture that cannot be read would.
class FailingDisplay : public FakeDisplay {
  public:
    void PlaySoundEffect(std::string_view name) override {
        if (name == "dcard1" && failNext) {
            failNext = false;
            throw std::runtime_error("sound device lost");
        }
        FakeDisplay::PlaySoundEffect(name);
    }
    bool failNext = true;
};

TEST(Gate, AnErrorInsideAnEventReopensTheGate) {
    FailingDisplay display;
    FakePause pause;
    FakeSettings settings;
    GameTable table(display, pause, settings);
    table.Start(HighPairSeed);
    ASSERT_EQ(table.AddCredit(100, true), CreditChange::Done);
    EXPECT_THROW(table.Deal(), std::runtime_error);
    EXPECT_TRUE(table.State().Ready);
    table.Deal();  // the table still answers
    EXPECT_EQ(display.credit, 90);
}

// The real pause lets the player's keys and coins through while cards are turned up:
// the table takes none of them until the action that runs is over.
TEST_F(RoundFlow, EverythingThePlayerDoesDuringAnActionIsDropped) {
    StartWithCredit(1000);
    const std::int32_t betIndex = table.State().BetIndex;
    std::vector<CreditChange> coins;
    bool pressing = false;  // one press of each per wait, even if one got through
    pause.duringWait = [&] {
        if (pressing) {
            return;
        }
        pressing = true;
        table.Deal();
        table.Bet();
        table.Hold(1);
        table.Cash();
        coins.push_back(table.AddCredit(100, true));
        coins.push_back(table.CashOut(true));
        pressing = false;
    };
    table.Deal();
    pause.duringWait = nullptr;
    ASSERT_FALSE(coins.empty());
    for (CreditChange change : coins) {
        EXPECT_EQ(change, CreditChange::NotReady);
    }
    EXPECT_EQ(table.State().Credit, 1000 - table.State().Bet());
    EXPECT_EQ(table.State().BetIndex, betIndex);
    EXPECT_EQ(table.State().RoundState, RoundPhase::Dealt);
    EXPECT_EQ(settings.stats.CreditIn, 1000);
    EXPECT_TRUE(table.State().Ready);
}

}  // namespace
}  // namespace orvane::test
