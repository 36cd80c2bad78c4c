// The bonus meter: steps, jackpots, refills and the bonus rank's rotation.
#include <gtest/gtest.h>

#include <algorithm>

#include "TableFixture.h"

namespace orvane::test {
namespace {

class BonusMeter : public TableFixture {
  protected:
    // A table at bet 5 (index 1) in the dealt state, the meter of index 1 at `meter`.
    void DealtAtBetFive(std::int32_t meter) {
        StartWithCredit(100, 3);
        table.Orvane().State[1] = meter;
        table.Deal();
        display.ClearLog();
        pause.waits.clear();
    }

    std::int32_t Meter() const { return table.Orvane().State[1]; }

    int LitSquares() const {
        int lit = 0;
        for (int square = 1; square <= 10; ++square) {
            lit += display.meterLit[static_cast<std::size_t>(square)] ? 1 : 0;
        }
        return lit;
    }
};

TEST_F(BonusMeter, ThreeNaturalBonusCardsStepTheMeterAndPayLineEleven) {
    DealtAtBetFive(10);
    StackDealtHand({C(7, 1), C(7, 2), C(7, 3), C(2, 4), C(9, 1)}, {true, true, true, false, false},
                   {0, 0, 0, C(4, 1), C(12, 2)});
    table.Deal();
    EXPECT_EQ(table.State().LastPrize, OrvaneThree);
    EXPECT_EQ(display.winCaption, "ORVANE 3X7");
    EXPECT_EQ(Meter(), 9);
    EXPECT_EQ(LitSquares(), 9);
    EXPECT_EQ(display.win, 5 * 12);
    EXPECT_EQ(display.CountSounds("bigwin"), 1);  // line 11 blinks like the big lines
    EXPECT_EQ(CountWaits(250), 10 + 1);           // five blinks, then the slow meter
    EXPECT_EQ(CountWaits(300), 1);                // square 10 goes dark
    EXPECT_EQ(CountWaits(1000), 0);               // no jackpot, no pause
}

TEST_F(BonusMeter, TheLastStepPaysTheJackpotAndCollectingRefillsAndAdvancesTheRank) {
    DealtAtBetFive(1);
    StackDealtHand({C(7, 1), C(7, 2), C(7, 3), C(2, 4), C(9, 1)}, {true, true, true, false, false},
                   {0, 0, 0, C(4, 1), C(12, 2)});
    table.Deal();
    EXPECT_EQ(Meter(), 0);
    EXPECT_EQ(CountWaits(1000), 1);
    EXPECT_EQ(CountWaits(300), 10);  // the slow meter at 0 darkens every square
    EXPECT_EQ(display.win, 5 * 12 + 5 * 7 * 100);
    EXPECT_EQ(LitSquares(), 0);

    table.Cash();
    EXPECT_EQ(Meter(), 10);
    EXPECT_EQ(table.State().OrvaneNumber, 8);
    EXPECT_EQ(display.orvaneLine, "ORVANE 3x8");
    EXPECT_EQ(display.jackpot, 5 * 8 * 100);
    EXPECT_EQ(display.bonusPicture, 8);
    EXPECT_EQ(LitSquares(), 10);
}

TEST_F(BonusMeter, FourNaturalBonusCardsEmptyTheMeterAtOnceWhateverItsState) {
    DealtAtBetFive(8);
    StackDealtHand({C(7, 1), C(7, 2), C(7, 3), C(7, 4), C(9, 1)}, {true, true, true, true, false},
                   {0, 0, 0, 0, C(12, 2)});
    table.Deal();
    EXPECT_EQ(table.State().LastPrize, Poker);
    EXPECT_TRUE(table.State().JackpotFlag);
    EXPECT_EQ(Meter(), 0);
    EXPECT_EQ(display.win, 5 * 40 + 3500);

    table.Deal();  // giving the win up restores the meter
    EXPECT_EQ(Meter(), 8);
    EXPECT_EQ(LitSquares(), 8);
}

TEST_F(BonusMeter, AFullHouseOfBonusCardsStepsButIsPaidAsAFullHouse) {
    DealtAtBetFive(5);
    StackDealtHand({C(7, 1), C(7, 2), C(7, 3), C(13, 4), C(9, 1)}, {true, true, true, true, false},
                   {0, 0, 0, 0, C(13, 2)});
    table.Deal();
    EXPECT_EQ(table.State().LastPrize, FullHouse);
    EXPECT_EQ(display.winCaption, "FULL HOUSE");
    EXPECT_EQ(Meter(), 4);
    EXPECT_EQ(display.win, 50);
    EXPECT_EQ(display.CountSounds("win"), 0);
}

TEST_F(BonusMeter, GivingUpAStepWinStepsBackAndUndoesTheCount) {
    DealtAtBetFive(3);
    StackDealtHand({C(7, 1), C(7, 2), C(7, 3), C(2, 4), C(9, 1)}, {true, true, true, false, false},
                   {0, 0, 0, C(4, 1), C(12, 2)});
    table.Deal();
    ASSERT_EQ(Meter(), 2);
    ASSERT_EQ(settings.stats.PrizeStat[OrvaneThree], 1);
    ASSERT_EQ(LitSquares(), 2);
    table.Deal();
    EXPECT_EQ(Meter(), 3);
    EXPECT_EQ(LitSquares(), 3);
    EXPECT_EQ(settings.stats.PrizeStat[OrvaneThree], 0);
}

// Four of the bonus rank empties the meter at once; giving that win up for a second draw
// puts the countdown back and shows it at once, without the slow count of a jackpot.
TEST_F(BonusMeter, GivingUpAJackpotWinRestoresTheMeterAtOnce) {
    DealtAtBetFive(7);
    StackDealtHand({C(7, 1), C(7, 2), C(7, 3), C(2, 4), C(9, 1)}, {true, true, true, false, false},
                   {0, 0, 0, C(7, 4), C(12, 2)});
    table.Deal();
    ASSERT_TRUE(table.State().JackpotFlag);
    ASSERT_EQ(Meter(), 0);
    pause.waits.clear();
    table.Deal();  // the win given up
    EXPECT_EQ(Meter(), 7);
    EXPECT_EQ(LitSquares(), 7);
    EXPECT_EQ(std::count(pause.waits.begin(), pause.waits.end(), 300), 0)
        << "the restored meter was counted down slowly";
}

TEST_F(BonusMeter, ALostGambleRefillsAnEmptiedMeter) {
    DealtAtBetFive(1);
    StackDealtHand({C(7, 1), C(7, 2), C(7, 3), C(2, 4), C(9, 1)}, {true, true, true, false, false},
                   {0, 0, 0, C(4, 1), C(12, 2)});
    table.Deal();
    RandomSource copy = table.Random();
    DealSlots cards{};
    DrawDeck(copy, cards, 10, false);
    table.Hold(RankOfValue(cards[1]) <= 6 ? 4 : 2);  // the wrong guess
    EXPECT_EQ(table.State().RoundState, RoundPhase::Idle);
    EXPECT_EQ(Meter(), 10);
    EXPECT_EQ(table.State().OrvaneNumber, 8);
}

// The slow meter lights every square, waits, then darkens the spent squares from the
// top, one pause before each.
TEST_F(BonusMeter, TheSlowMeterLightsAllThenDarkensEachSpentSquareInTurn) {
    DealtAtBetFive(1);
    StackDealtHand({C(7, 1), C(7, 2), C(7, 3), C(2, 4), C(9, 1)}, {true, true, true, false, false},
                   {0, 0, 0, C(4, 1), C(12, 2)});
    table.Deal();
    std::vector<int> expected = {100, 100};    // the two drawn cards
    expected.insert(expected.end(), 10, 250);  // the bonus line blinks
    expected.push_back(1000);                  // the jackpot registers
    expected.push_back(250);                   // all squares lit
    expected.insert(expected.end(), 10, 300);  // each square goes dark
    EXPECT_EQ(pause.waits, expected);

    std::vector<std::string> squares;
    for (const std::string& line : display.log) {
        if (line.rfind("square ", 0) == 0) {
            squares.push_back(line);
        }
    }
    std::vector<std::string> lightUpThenDarken;
    for (int square = 10; square >= 1; --square) {
        lightUpThenDarken.push_back("square " + std::to_string(square) + " on");
    }
    for (int square = 10; square >= 1; --square) {
        lightUpThenDarken.push_back("square " + std::to_string(square) + " off");
    }
    EXPECT_EQ(squares, lightUpThenDarken);
}

TEST_F(BonusMeter, ChangingTheBetShowsThatBetsOwnCountdownAndJackpot) {
    StartWithCredit(100);
    table.Orvane().State[2] = 4;
    table.Bet();
    EXPECT_EQ(display.bet, 7);
    EXPECT_EQ(LitSquares(), 4);
    EXPECT_EQ(display.jackpot, 7 * 7 * 100);
}

TEST_F(BonusMeter, ACountdownStoredAtZeroRefillsWhenItsBetBecomesCurrent) {
    table.Start(1);
    table.Orvane().State[1] = 0;
    ASSERT_EQ(table.AddCredit(5, false), CreditChange::Done);
    EXPECT_EQ(table.Orvane().State[1], 10);
    EXPECT_EQ(table.State().OrvaneNumber, 8);
}

TEST_F(BonusMeter, TheRankWrapsFromTenToSevenAndAnOddRankJustCountsUp) {
    table.Start(1);
    table.State().OrvaneNumber = 10;
    table.Orvane().State[1] = 0;
    ASSERT_EQ(table.AddCredit(5, false), CreditChange::Done);
    EXPECT_EQ(table.State().OrvaneNumber, 7);

    table.State().OrvaneNumber = 25;  // a stored value outside 7..10 is taken as it is
    table.Orvane().State[1] = 0;
    ASSERT_EQ(table.AddCredit(5, false), CreditChange::Done);
    EXPECT_EQ(table.State().OrvaneNumber, 26);
}

TEST_F(BonusMeter, AnEmptyMachineRefillsNothingAndShowsNoLamps) {
    table.Start(1);
    table.Orvane().State[0] = 0;
    table.Bet();
    EXPECT_EQ(table.State().OrvaneNumber, 7);
    EXPECT_EQ(display.bonusPicture, 7);
    EXPECT_EQ(LitSquares(), 0);
    EXPECT_EQ(display.jackpot, -1);  // never shown while no bet is possible
}

TEST_F(BonusMeter, ACountdownAboveTenIsDrawnFull) {
    StartWithCredit(100);
    table.Orvane().State[1] = 25;
    const long long waited = pause.total;
    table.RedrawMeter();
    EXPECT_EQ(LitSquares(), 10);
    EXPECT_EQ(pause.total, waited);  // a new theme shows the meter at once
}

}  // namespace
}  // namespace orvane::test
