// Collecting a win: a count the player cuts short, a win larger than the credit can hold,
// and the statistics of a win given up.
#include <gtest/gtest.h>

#include <limits>

#include "TableFixture.h"
#include "game/Amount.h"
#include "game/StatisticsFigures.h"

namespace orvane::test {
namespace {

// Asks for the rest at once before the step numbered `cutAt` (1 = before the first).
class PlayerAtTheCount : public WinCount {
  public:
    void CountBegins() override {
        ++begun;
        asked = 0;
    }
    bool CollectRestNow() override { return ++asked >= cutAt; }
    void CountEnds() override { ++ended; }

    int cutAt = std::numeric_limits<int>::max();
    int asked = 0;
    int begun = 0;
    int ended = 0;
};

constexpr std::int64_t Max64 = std::numeric_limits<std::int64_t>::max();

class WinCollection : public TableFixture {
  protected:
    WinCollection() { table.SetWinCount(&player); }

    // A first-draw high pair at bet 5 paying 5 x 1234 = 6170: 70 single credits and 61
    // hundreds when counted in full.
    void OfferBigWin() {
        table.State().Multiplier[HighPair] = 1234;
        OfferHighPair();
        ASSERT_EQ(table.State().Win, 6170);
    }

    // Ten right guesses in a row, each the answer to the card the first choice draws.
    void GuessRightTenTimes(std::int32_t creditBeforeTheLast) {
        RandomSource copy = table.Random();
        DealSlots cards{};
        DrawDeck(copy, cards, 10, false);
        for (std::size_t i = 1; i <= 10; ++i) {
            if (i == 10) {
                table.State().Credit = creditBeforeTheLast;
            }
            table.Hold(RankOfValue(cards[i]) <= 6 ? 2 : 4);
        }
    }

    PlayerAtTheCount player;
};

TEST_F(WinCollection, AFullCountKeepsItsStepsAndPace) {
    OfferBigWin();
    const std::int32_t before = table.State().Credit;
    table.Cash();
    EXPECT_EQ(table.State().Credit, before + 6170);
    EXPECT_EQ(display.CountSounds("cash"), 70 + 61);
    EXPECT_EQ(CountWaits(30), 70 + 61);
    EXPECT_EQ(player.asked, 70 + 61);
    EXPECT_EQ(player.begun, 1);
    EXPECT_EQ(player.ended, 1);
    EXPECT_EQ(table.State().RoundState, RoundPhase::Idle);
}

TEST_F(WinCollection, ACountCutShortPaysTheWholeRestAtOnce) {
    OfferBigWin();
    const std::int32_t before = table.State().Credit;
    player.cutAt = 11;  // ten single credits counted, then the player asks for the rest
    table.Cash();
    EXPECT_EQ(table.State().Credit, before + 6170);
    EXPECT_EQ(display.credit, before + 6170);
    EXPECT_EQ(table.State().Win, 0);
    EXPECT_EQ(display.win, 0);
    EXPECT_EQ(CountWaits(30), 10);
    EXPECT_EQ(display.CountSounds("cash"), 11);
    EXPECT_EQ(display.creditTrace.back(), before + 6170);
    EXPECT_EQ(player.ended, 1);
    EXPECT_EQ(table.State().RoundState, RoundPhase::Idle);
    EXPECT_FALSE(table.DoubleUpOffer().IsOpen());
}

TEST_F(WinCollection, TakingHalfCutShortLeavesExactlyTheKeptHalfOnOffer) {
    OfferBigWin();
    const std::int32_t before = table.State().Credit;
    player.cutAt = 3;
    table.Hold(5);
    EXPECT_EQ(table.State().Credit, before + 3085);
    EXPECT_EQ(table.State().Win, 3085);
    EXPECT_TRUE(table.DoubleUpOffer().IsOpen());
    EXPECT_TRUE(display.indicatorBlinking);
    EXPECT_EQ(CountWaits(30), 2);
}

TEST_F(WinCollection, ARequestBeforeTheFirstStepPaysEverythingInOneStep) {
    OfferBigWin();
    const std::int32_t before = table.State().Credit;
    player.cutAt = 1;
    table.Cash();
    EXPECT_EQ(table.State().Credit, before + 6170);
    EXPECT_EQ(display.CountSounds("cash"), 1);
    EXPECT_TRUE(pause.waits.empty());
}

TEST_F(WinCollection, WhatTheCreditCannotHoldStaysOnOfferUntilThePlayerCashesOut) {
    OfferBigWin();
    table.State().Credit = MaxAmount - 1050;
    table.Cash();
    EXPECT_EQ(table.State().Credit, MaxAmount);
    EXPECT_EQ(table.State().Win, 6170 - 1050);
    EXPECT_EQ(table.History().Current()->Collected, 1050);
    EXPECT_EQ(display.win, 6170 - 1050);
    EXPECT_TRUE(table.DoubleUpOffer().IsOpen());
    EXPECT_TRUE(display.indicatorBlinking);  // the rest is still on offer
    EXPECT_EQ(table.State().RoundState, RoundPhase::FirstDrawWon);
    EXPECT_EQ(display.message, Message::CreditFull);

    // Neither a second draw nor another collection can pass the full credit, and a count
    // that moves nothing neither rings nor waits.
    table.Deal();
    EXPECT_EQ(table.State().Win, 6170 - 1050);
    const int cashSounds = display.CountSounds("cash");
    const std::size_t waits = pause.waits.size();
    table.Cash();
    EXPECT_EQ(table.State().Credit, MaxAmount);
    EXPECT_EQ(table.State().Win, 6170 - 1050);
    EXPECT_EQ(display.CountSounds("cash"), cashSounds);
    EXPECT_EQ(pause.waits.size(), waits);

    ASSERT_TRUE(table.CashOutAllowed());
    ASSERT_EQ(table.CashOut(true), CreditChange::Done);
    EXPECT_EQ(settings.stats.CreditOut, MaxAmount);
    EXPECT_EQ(table.State().Credit, 0);
    EXPECT_TRUE(table.DoubleUpOffer().IsOpen());
    EXPECT_EQ(display.message, Message::Winner);
    EXPECT_FALSE(display.messageBlinks);  // as when the win was first offered

    table.Cash();
    EXPECT_EQ(table.State().Credit, 6170 - 1050);
    EXPECT_EQ(table.State().Win, 0);
    EXPECT_EQ(table.State().RoundState, RoundPhase::Idle);
    EXPECT_EQ(table.History().Finished().back().Collected, 6170);
}

// A win that doubled would pass the most the machine holds cannot be gambled: nothing of it
// is capped away. Halved, it can be gambled again.
TEST_F(WinCollection, AWinTooLargeToDoubleIsHalvedOrTakenFirst) {
    OfferBigWin();
    const std::int32_t tooLarge = MaxAmount / 2 + 1;
    table.State().Win = tooLarge;
    table.Hold(2);
    table.Hold(4);
    EXPECT_EQ(table.State().Win, tooLarge);
    EXPECT_TRUE(table.DoubleUpOffer().BeforeFirstGuess());
    EXPECT_FALSE(table.DoubleUpOffer().Gambled());
    EXPECT_EQ(display.message, Message::WinTooLarge);
    EXPECT_TRUE(display.messageBlinks);

    table.Hold(5);  // take half: the larger half is paid, the smaller stays on offer
    ASSERT_LE(table.State().Win, MaxAmount / 2);
    const std::int32_t kept = table.State().Win;
    table.Hold(2);
    EXPECT_EQ(table.DoubleUpOffer().CardAt(1).ShowBack, false);  // the guess was taken
    EXPECT_TRUE(table.State().Win == 2 * kept || table.State().Win == 0);
}

TEST_F(WinCollection, AWinThatJustFitsDoubledCanBeGambled) {
    OfferBigWin();
    table.State().Win = MaxAmount / 2;
    table.Hold(2);
    EXPECT_FALSE(table.DoubleUpOffer().CardAt(1).ShowBack);
    EXPECT_TRUE(table.State().Win == MaxAmount - 1 || table.State().Win == 0);
}

TEST_F(WinCollection, ACountCutShortStillStopsAtAFullCredit) {
    OfferBigWin();
    table.State().Credit = MaxAmount - 5000;
    player.cutAt = 2;
    table.Cash();
    EXPECT_EQ(table.State().Credit, MaxAmount);
    EXPECT_EQ(table.State().Win, 1170);
    EXPECT_TRUE(table.DoubleUpOffer().IsOpen());
}

TEST_F(WinCollection, CashOutIsRefusedWhileAWinOnOfferStillFits) {
    OfferBigWin();
    EXPECT_FALSE(table.CashOutAllowed());
    EXPECT_EQ(table.CashOut(true), CreditChange::NotIdle);
    EXPECT_EQ(settings.stats.CreditOut, 0);
}

TEST_F(WinCollection, AfterTheTenthCardWhatIsHeldBackCanOnlyBeCollected) {
    OfferBigWin();
    GuessRightTenTimes(MaxAmount - 100);
    const std::int32_t heldBack = 6170 * 1024 - 100;
    ASSERT_EQ(table.State().Win, heldBack);
    EXPECT_EQ(table.State().Credit, MaxAmount);

    const TableSnapshot afterTheTenth = table.Snapshot();
    table.Hold(2);
    table.Hold(4);
    EXPECT_EQ(table.State().Win, heldBack);

    // Nor after a restart: the resumed table knows the tenth card was turned.
    FakeDisplay d;
    FakePause p;
    FakeSettings s;
    GameTable resumed(d, p, s);
    resumed.Resume(afterTheTenth);
    resumed.Hold(2);
    resumed.Hold(4);
    EXPECT_EQ(resumed.State().Win, heldBack);

    ASSERT_EQ(table.CashOut(false), CreditChange::Done);
    table.Cash();
    EXPECT_EQ(table.State().Credit, heldBack);
    EXPECT_EQ(table.State().RoundState, RoundPhase::Idle);
}

TEST_F(WinCollection, GivingUpAWinTakesBackExactlyWhatWasCounted) {
    settings.stats.PrizeStat[ThreeOfAKind] = Max64;
    settings.stats.RunPrizeStat[ThreeOfAKind] = 4;
    StartWithCredit(100, 11);
    table.Deal();
    StackDealtHand({C(12, 1), C(12, 2), C(2, 2), C(5, 3), C(9, 1)},
                   {true, true, false, false, false}, {0, 0, C(12, 3), C(6, 2), C(13, 3)});
    table.Deal();
    ASSERT_EQ(table.State().LastPrize, ThreeOfAKind);
    EXPECT_EQ(settings.stats.PrizeStat[ThreeOfAKind], Max64);
    EXPECT_EQ(settings.stats.RunPrizeStat[ThreeOfAKind], 5);

    table.Deal();  // the win given up for a second draw
    ASSERT_TRUE(table.State().Continued);
    EXPECT_EQ(settings.stats.PrizeStat[ThreeOfAKind], Max64);
    EXPECT_EQ(settings.stats.RunPrizeStat[ThreeOfAKind], 4);
}

// The counts the win was added to may have started afresh since: a session that resumed
// the round, or a reset while the win was on offer. What is left of the win is taken back
// and no count goes below zero; the all-time count is taken back exactly once.
TEST_F(WinCollection, GivingUpAWinAfterItsCountsStartedAfreshKeepsThemAtZeroOrAbove) {
    OfferHighPair();
    const Statistics counted = settings.stats;
    ASSERT_EQ(counted.RunPrizeStat[HighPair], 1);
    const TableSnapshot stored = table.Snapshot();

    FakeDisplay d;
    FakePause p;
    FakeSettings resumedSettings;  // a new session: its counts start at 0
    GameTable resumed(d, p, resumedSettings);
    resumed.Resume(stored);
    resumed.Deal();
    ASSERT_TRUE(resumed.State().Continued);
    EXPECT_EQ(resumedSettings.stats.RunPrizeStat[HighPair], 0);
    EXPECT_EQ(resumedSettings.stats.PrizeStat[HighPair], counted.PrizeStat[HighPair] - 1);

    for (const StatisticsSet set : {StatisticsSet::CurrentSession, StatisticsSet::OverallPlay}) {
        FakeDisplay d2;
        FakePause p2;
        FakeSettings s2;
        s2.stats = counted;
        GameTable again(d2, p2, s2);
        again.Resume(stored);
        ResetStatistics(s2.stats, set);
        again.Deal();
        ASSERT_TRUE(again.State().Continued);
        EXPECT_EQ(s2.stats.RunPrizeStat[HighPair], 0);
        EXPECT_EQ(s2.stats.PrizeStat[HighPair],
                  set == StatisticsSet::OverallPlay ? 0 : counted.PrizeStat[HighPair] - 1);
    }
}

TEST_F(WinCollection, PrizeCountsGoPastThirtyTwoBits) {
    settings.stats.PrizeStat[HighPair] = MaxAmount;
    OfferBigWin();
    EXPECT_EQ(settings.stats.PrizeStat[HighPair], std::int64_t{MaxAmount} + 1);
}

}  // namespace
}  // namespace orvane::test
