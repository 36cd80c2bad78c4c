// The machine's own audit: credit on the machine = added - taken out + won - charged,
// after every event, whatever the player does; and a credit that strays is reported once.
#include <gtest/gtest.h>

#include <algorithm>

#include "ScriptedPlay.h"
#include "TableFixture.h"

namespace orvane::test {
namespace {

struct EventsSeen {
    int guesses = 0, halves = 0, givenUp = 0, jackpots = 0, cashOuts = 0;
};

TEST(CreditAudit, HoldsAfterEveryEventOfLongSeededPlay) {
    EventsSeen reached;
    for (std::uint32_t seed = 1; seed <= 4; ++seed) {
        FakeDisplay display;
        FakePause pause;
        FakeSettings settings;
        GameTable table(display, pause, settings);
        RecordingJournal journal(table);
        table.SetJournal(&journal);
        table.Start(seed);
        // Every countdown one step from its jackpot, so bonus hands pay one.
        std::fill(table.Orvane().State.begin() + 1, table.Orvane().State.end(), 1);
        for (const PlayerAction& action : MakeScript(seed, 4000)) {
            const bool halving = action.kind == PlayerAction::Hold && action.arg == 5 &&
                                 table.DoubleUpOffer().IsOpen() && table.State().Win > 1;
            const bool cashingOut = action.kind == PlayerAction::CashOut &&
                                    table.State().RoundState == RoundPhase::Idle &&
                                    table.State().Credit > 0;
            Apply(table, action);
            reached.halves += halving ? 1 : 0;
            reached.cashOuts += cashingOut ? 1 : 0;
            ASSERT_TRUE(table.Audit().Holds(table.State().Credit))
                << table.Audit().Describe(table.State().Credit);
            // A game in its win offer shows what the round reached.
            if (table.History().Current() && table.State().RoundState != RoundPhase::Dealt) {
                const GameRecord& game = *table.History().Current();
                reached.guesses += game.Guesses.empty() ? 0 : 1;
                reached.givenUp += game.GivenUpPrize != NoPrize ? 1 : 0;
                reached.jackpots +=
                    game.Win > table.State().Bet() * table.State().Multiplier[game.Prize] ? 1 : 0;
            }
        }
        EXPECT_TRUE(journal.failures.empty());
        const CreditAuditCounters& c = table.Audit().Counters();
        EXPECT_GT(c.Added, 0);
        EXPECT_GT(c.Won, 0);
        EXPECT_GT(c.Charged, 0);
        EXPECT_EQ(c.Added, settings.stats.CreditIn);
        EXPECT_EQ(c.TakenOut, settings.stats.CreditOut);
    }
    EXPECT_GT(reached.guesses, 0);
    EXPECT_GT(reached.halves, 0);
    EXPECT_GT(reached.givenUp, 0);
    EXPECT_GT(reached.jackpots, 0);
    EXPECT_GT(reached.cashOuts, 0);
}

class CreditAuditTable : public TableFixture {
  protected:
    CreditAuditTable() : journal(table) { table.SetJournal(&journal); }
    RecordingJournal journal;
};

TEST_F(CreditAuditTable, CreditRestoredWithoutCountingIsStillCreditAdded) {
    StartWithCredit(0);
    ASSERT_EQ(table.AddCredit(300, false), CreditChange::Done);
    EXPECT_EQ(settings.stats.CreditIn, 0);
    EXPECT_EQ(table.Audit().Counters().Added, 300);
    ASSERT_EQ(table.CashOut(false), CreditChange::Done);
    EXPECT_EQ(table.Audit().Counters().TakenOut, 300);
    EXPECT_TRUE(journal.failures.empty());
}

TEST_F(CreditAuditTable, AJackpotCollectedIsCountedAsWon) {
    StartWithCredit(1000);
    // Four sevens empty the meter at once: the hand pays its line and the jackpot.
    StackDealtHand({C(7, 1), C(7, 2), C(7, 3), C(7, 4), C(2, 1)}, {true, true, true, true, true},
                   {1, 2, 3, 4, 5});
    table.Deal();
    ASSERT_TRUE(table.DoubleUpOffer().IsOpen());
    const std::int32_t win = table.State().Win;
    EXPECT_EQ(win, 5 * 40 + 5 * 7 * 100);
    table.Cash();
    EXPECT_EQ(table.Audit().Counters().Won, win);
    EXPECT_EQ(table.State().Credit, 1000 + win);
    EXPECT_TRUE(journal.failures.empty());
}

TEST_F(CreditAuditTable, ACreditThatStraysIsReportedOnceWithTheGames) {
    StartWithCredit(1000);
    table.Deal();
    table.Deal();
    if (table.DoubleUpOffer().IsOpen()) {
        table.Cash();
    }
    ASSERT_TRUE(journal.failures.empty());
    table.State().Credit += 7;  // as a fault in the rules would
    table.Bet();
    ASSERT_EQ(journal.failures.size(), 1U);
    EXPECT_NE(journal.failures[0].find("credit " + std::to_string(table.State().Credit)),
              std::string::npos);
    EXPECT_NE(journal.failures[0].find("earlier game: bet 5, credit 1000"), std::string::npos)
        << journal.failures[0];
    table.Bet();
    EXPECT_EQ(journal.failures.size(), 1U);  // the same mismatch is not reported again
    table.State().Credit -= 7;
    table.Bet();
    table.State().Credit -= 3;
    table.Bet();
    EXPECT_EQ(journal.failures.size(), 2U);
    // Once the credit holds again, the same stray is a new fault, told with the game in play.
    table.State().Credit += 3;
    table.Deal();
    ASSERT_EQ(table.State().RoundState, RoundPhase::Dealt);
    table.State().Credit -= 3;
    table.Hold(1);
    ASSERT_EQ(journal.failures.size(), 3U);
    EXPECT_NE(journal.failures[2].find("this game: bet "), std::string::npos)
        << journal.failures[2];
}

TEST_F(CreditAuditTable, EachEventCommitsOnceAndAStagePaidForOnceMore) {
    StartWithCredit(1000);
    journal.commits.clear();
    table.Bet();
    EXPECT_EQ(journal.commits.size(), 1U);
    table.Deal();
    ASSERT_EQ(journal.commits.size(), 3U);
    EXPECT_EQ(journal.commits[1].snapshot.Table.StageInFlight, DrawStage::Deal);
    EXPECT_FALSE(journal.commits[2].snapshot.Table.StageInFlight);
    table.Hold(1);
    EXPECT_EQ(journal.commits.size(), 4U);
    EXPECT_TRUE(journal.commits.back().snapshot.Table.HandCard(1).Held !=
                journal.commits[2].snapshot.Table.HandCard(1).Held);
}

}  // namespace
}  // namespace orvane::test
