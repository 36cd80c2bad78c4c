// While the records cannot be kept the table takes no coin and no stake, so a kill then
// loses nothing it took; a win can still be collected and the credit cashed out, and the
// first save that works takes money again.
#include <gtest/gtest.h>

#include <random>

#include "ScriptedPlay.h"

namespace orvane::test {
namespace {

// Keeps the table of each commit, except while its disk is full.
class FlakyJournal : public Journal {
  public:
    explicit FlakyJournal(const GameTable& table) : table_(table) {}
    // As the real store, what is kept is what the last save did: only a new commit can tell
    // the table that the disk has room again.
    void Commit() override {
        keeping = failing ? RecordKeeping::CannotBeKept : RecordKeeping::Kept;
        if (!failing) {
            kept = table_.Snapshot();
        }
    }
    void AuditFailed(const std::string& details) override { failures.push_back(details); }
    RecordKeeping Keeping() const override { return keeping; }
    bool failing = false;
    RecordKeeping keeping = RecordKeeping::Kept;
    TableSnapshot kept;
    std::vector<std::string> failures;

  private:
    const GameTable& table_;
};

std::size_t Guesses(const GameTable& table) {
    const auto& game = table.History().Current();
    return game ? game->Guesses.size() : 0;
}

TEST(RecordKeeping, NoCoinOrStakeIsTakenThatTheRecordsDoNotHold) {
    FakeDisplay display;
    FakePause pause;
    FakeSettings settings;
    GameTable table(display, pause, settings);
    FlakyJournal journal(table);
    table.SetJournal(&journal);
    table.Start(2024);
    ASSERT_EQ(table.AddCredit(3000, true), CreditChange::Done);

    std::mt19937 random(5);
    const std::vector<PlayerAction> script = MakeScript(31, 4000);
    int takenWhileKept = 0, collectedWhileFailing = 0, cashedOutWhileFailing = 0;
    for (std::size_t i = 0; i < script.size(); ++i) {
        if (random() % 25 == 0) {
            journal.failing = !journal.failing;  // the disk fills up, or is freed
            if (!journal.failing) {
                table.RetryRecords();  // the window's retry, before the player's next action
                ASSERT_EQ(table.Keeping(), RecordKeeping::Kept);
            }
        }
        const CreditAuditCounters before = table.Audit().Counters();
        const bool refusing = table.Keeping() == RecordKeeping::CannotBeKept;
        const std::size_t guessesBefore = Guesses(table);
        const RoundPhase phaseBefore = table.State().RoundState;
        Apply(table, script[i]);
        const CreditAuditCounters& now = table.Audit().Counters();
        SCOPED_TRACE("action " + std::to_string(i));
        if (journal.failing) {
            // A kill here restarts from what was kept: every coin and stake is in it.
            ASSERT_EQ(now.Added, journal.kept.Audit.Added);
            ASSERT_EQ(now.Charged, journal.kept.Audit.Charged);
            // A guess stakes the win: none is made that could not be kept.
            if (refusing) {
                ASSERT_LE(Guesses(table), guessesBefore);
            }
            // A stake refused in the middle of a round says why.
            if (refusing && table.Keeping() == RecordKeeping::CannotBeKept &&
                script[i].kind == PlayerAction::Deal && phaseBefore == RoundPhase::Dealt &&
                table.State().RoundState == RoundPhase::Dealt) {
                ASSERT_EQ(display.message, Message::RecordsNotKept);
            }
            collectedWhileFailing += now.Won > before.Won ? 1 : 0;
            cashedOutWhileFailing += now.TakenOut > before.TakenOut ? 1 : 0;
        } else {
            takenWhileKept += now.Added + now.Charged > before.Added + before.Charged ? 1 : 0;
        }
        if (table.Keeping() == RecordKeeping::CannotBeKept &&
            table.State().RoundState == RoundPhase::Idle) {
            ASSERT_EQ(display.message, Message::RecordsNotKept);
            ASSERT_TRUE(display.messageBlinks);
            ASSERT_EQ(display.buttonLayout, ButtonLayout::OutOfService);
        } else if (table.Keeping() == RecordKeeping::Kept) {
            ASSERT_NE(display.message, Message::RecordsNotKept);
        }
    }
    EXPECT_TRUE(journal.failures.empty()) << journal.failures.front();
    EXPECT_GT(takenWhileKept, 300);
    EXPECT_GT(collectedWhileFailing, 10);
    EXPECT_GT(cashedOutWhileFailing, 3);
}

// A stake whose save fails is not taken at all: the table stands as before, and as kept.
TEST(RecordKeeping, ADealWhoseSaveFailsIsPutBack) {
    FakeDisplay display;
    FakePause pause;
    FakeSettings settings;
    GameTable table(display, pause, settings);
    FlakyJournal journal(table);
    table.SetJournal(&journal);
    table.Start(7);
    ASSERT_EQ(table.AddCredit(100, true), CreditChange::Done);
    const TableSnapshot before = table.Snapshot();

    journal.failing = true;
    table.Deal();
    EXPECT_EQ(table.State().Credit, 100);
    EXPECT_EQ(table.State().RoundState, RoundPhase::Idle);
    EXPECT_EQ(table.Random().State(), before.RandomState);
    EXPECT_EQ(table.AddCredit(100, true), CreditChange::RecordsNotKept);
    EXPECT_EQ(settings.stats.RunCreditIn, 100);
    EXPECT_EQ(display.credit, 100);

    journal.failing = false;
    table.Deal();
    EXPECT_EQ(table.State().RoundState, RoundPhase::Dealt);
    EXPECT_EQ(table.Keeping(), RecordKeeping::Kept);
}

// A full disk refuses coins and stakes and says so; what the machine said before comes back
// with the first save that works, and a round caught in the middle keeps its buttons.
TEST(RecordKeeping, ARefusalLeavesTheTableAsItWas) {
    FakeDisplay display;
    FakePause pause;
    FakeSettings settings;
    GameTable table(display, pause, settings);
    FlakyJournal journal(table);
    table.SetJournal(&journal);
    table.Start(7);
    ASSERT_EQ(display.message, Message::InsertCoin);
    ASSERT_TRUE(display.messageBlinks);
    journal.failing = true;
    EXPECT_EQ(table.AddCredit(100, true), CreditChange::RecordsNotKept);
    EXPECT_EQ(display.message, Message::RecordsNotKept);
    journal.failing = false;
    table.RetryRecords();
    EXPECT_EQ(display.message, Message::InsertCoin);
    EXPECT_TRUE(display.messageBlinks);

    ASSERT_EQ(table.AddCredit(100, true), CreditChange::Done);
    table.Deal();
    ASSERT_EQ(display.buttonLayout, ButtonLayout::Dealt);
    journal.failing = true;
    table.Deal();  // a new deal's stake does not reach the records
    EXPECT_EQ(table.State().RoundState, RoundPhase::Dealt);
    EXPECT_EQ(table.State().Credit, 95);
    EXPECT_EQ(display.buttonLayout, ButtonLayout::Dealt);
    journal.failing = false;
    table.Hold(2);
    EXPECT_EQ(table.Keeping(), RecordKeeping::Kept);
    EXPECT_EQ(display.buttonLayout, ButtonLayout::Dealt);
}

// A round a restart finished stays on the table, and in the history, until the player
// has read what the start said.
TEST(RecordKeeping, ARoundFinishedByAResumeStaysShownAndIsKept) {
    FakeDisplay display;
    FakePause pause;
    FakeSettings settings;
    GameTable a(display, pause, settings);
    RecordingJournal journal(a);
    a.SetJournal(&journal);
    a.Start(12345);
    ASSERT_EQ(a.AddCredit(1000, true), CreditChange::Done);
    for (const PlayerAction& action : MakeScript(77, 300)) {
        Apply(a, action);
    }
    int lostDraws = 0;
    for (const auto& entry : journal.commits) {
        if (StageNumber(entry.snapshot.Table.StageInFlight) < 2) {
            continue;
        }
        FakeDisplay shown;
        FakePause waits;
        FakeSettings counters;
        GameTable b(shown, waits, counters);
        RecordingJournal resumed(b);
        b.SetJournal(&resumed);
        b.Resume(entry.snapshot);
        ASSERT_FALSE(resumed.commits.empty());
        EXPECT_FALSE(resumed.commits.back().snapshot.Table.StageInFlight);
        if (b.State().RoundState != RoundPhase::Idle) {
            continue;
        }
        ++lostDraws;
        EXPECT_FALSE(shown.idleRunning);
        EXPECT_FALSE(shown.hand[1].ShowBack);
        EXPECT_FALSE(b.History().Current().has_value());
        EXPECT_EQ(b.History().Finished().back().Draws.size(),
                  entry.snapshot.CurrentGame->Draws.size());
        // What the player does next lets the idle animation go: reading the notice, a
        // coin or the bet button.
        switch (lostDraws % 3) {
            case 0:
                b.ReleaseIdleAnimation();
                break;
            case 1:
                ASSERT_EQ(b.AddCredit(5, true), CreditChange::Done);
                break;
            default:
                b.Bet();
                break;
        }
        EXPECT_TRUE(shown.idleRunning) << "release " << lostDraws % 3;
        const int starts = shown.idleStarts;
        b.ReleaseIdleAnimation();  // let go once, the show is not started over
        EXPECT_EQ(shown.idleStarts, starts) << "release " << lostDraws % 3;
    }
    EXPECT_GT(lostDraws, 5);
}

}  // namespace
}  // namespace orvane::test
