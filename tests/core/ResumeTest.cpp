// A table put back from any stored snapshot plays on exactly as the one that was never
// interrupted: same credit, statistics, meters and screen, and nothing paid twice.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "ScriptedPlay.h"
#include "game/SnapshotCodec.h"

namespace orvane::test {
namespace {

struct Machine {
    FakeDisplay display;
    FakePause pause;
    FakeSettings settings;
    GameTable table{display, pause, settings};

    std::string Seen() const { return Observe(table, display, settings); }
};

TableSnapshot ThroughTheCodec(const TableSnapshot& snapshot) {
    const SnapshotDecoding decoded = SnapshotCodec::Decode(SnapshotCodec::Encode(snapshot));
    EXPECT_TRUE(decoded.Snapshot.has_value()) << decoded.Reason;
    return decoded.Snapshot.value_or(TableSnapshot{});
}

TEST(Resume, EveryCommitPlaysOnLikeTheTableThatWasNeverStopped) {
    constexpr int Length = 400;
    const std::vector<PlayerAction> script = MakeScript(77, Length);
    Machine a;
    RecordingJournal journal(a.table);
    a.table.SetJournal(&journal);
    a.table.Start(12345);
    // Every countdown one step from its jackpot, so bonus hands pay one.
    std::fill(a.table.Orvane().State.begin() + 1, a.table.Orvane().State.end(), 1);
    journal.action = -1;
    ASSERT_EQ(a.table.AddCredit(500, true), CreditChange::Done);
    const std::string start = a.Seen();

    std::vector<std::string> seen;
    for (int i = 0; i < Length; ++i) {
        journal.action = i;
        Apply(a.table, script[static_cast<std::size_t>(i)]);
        seen.push_back(a.Seen());
        // Whatever an action did is stored before the next one: a stop between them loses
        // nothing and pays nothing twice.
        ASSERT_EQ(SnapshotCodec::Encode(journal.commits.back().snapshot),
                  SnapshotCodec::Encode(a.table.Snapshot()))
            << "after action " << i;
    }
    EXPECT_TRUE(journal.failures.empty()) << journal.failures.front();

    // The table as stored at the end of each action.
    std::map<int, SnapshotRecords> settled;
    for (const auto& entry : journal.commits) {
        settled[entry.action] = SnapshotCodec::Encode(entry.snapshot);
    }

    std::map<int, int> inFlight;
    int offersGambled = 0;
    for (const auto& entry : journal.commits) {
        const TableSnapshot& stored = entry.snapshot;
        ++inFlight[StageNumber(stored.Table.StageInFlight)];
        offersGambled += stored.DoubleUp.Open && stored.DoubleUp.Gambled ? 1 : 0;

        Machine b;
        RecordingJournal resumedJournal(b.table);
        b.table.SetJournal(&resumedJournal);
        b.table.Resume(ThroughTheCodec(stored));
        // Only a stage in flight plays on; a settled table is shown at once, meter and all.
        if (!stored.Table.StageInFlight) {
            EXPECT_EQ(b.pause.total, 0) << "resumed at action " << entry.action;
        }
        for (std::size_t slot = 1; entry.action < 0 && slot <= 5; ++slot) {
            EXPECT_TRUE(b.display.hand[slot].ShowBack) << "a machine that never dealt";
        }
        b.table.ReleaseIdleAnimation();  // the player has read what the start said
        SCOPED_TRACE("resumed at action " + std::to_string(entry.action) + ", stage in flight " +
                     std::to_string(StageNumber(stored.Table.StageInFlight)));
        // A stage in flight is finished, so both stand where the action left the table.
        ASSERT_EQ(b.Seen(),
                  entry.action < 0 ? start : seen[static_cast<std::size_t>(entry.action)]);
        ASSERT_EQ(SnapshotCodec::Encode(b.table.Snapshot()), settled[entry.action]);
        for (int i = entry.action + 1; i < Length; ++i) {
            Apply(b.table, script[static_cast<std::size_t>(i)]);
            ASSERT_EQ(b.Seen(), seen[static_cast<std::size_t>(i)]) << "after action " << i;
        }
        EXPECT_TRUE(resumedJournal.failures.empty());
    }
    // The script reached every kind of stage in flight and gambled offers.
    EXPECT_GT(inFlight[1], 20);
    EXPECT_GT(inFlight[2], 10);
    EXPECT_GT(inFlight[3], 0);
    EXPECT_GT(offersGambled, 0);
}

// The snapshot stored once a stage is paid for, taken before its cards are turned up.
TableSnapshot FirstInFlight(const RecordingJournal& journal) {
    for (const auto& entry : journal.commits) {
        if (entry.snapshot.Table.StageInFlight) {
            return entry.snapshot;
        }
    }
    ADD_FAILURE() << "no stage in flight was stored";
    return {};
}

TEST(Resume, ADealCutShortShowsTheSameCardsWithoutChargingAgain) {
    Machine a;
    a.table.Start(99);
    ASSERT_EQ(a.table.AddCredit(100, true), CreditChange::Done);
    RecordingJournal journal(a.table);
    a.table.SetJournal(&journal);
    a.table.Deal();
    const TableSnapshot stored = FirstInFlight(journal);
    EXPECT_EQ(stored.Table.StageInFlight, DrawStage::Deal);
    EXPECT_EQ(stored.Table.Credit, 95);

    Machine b;
    b.table.Resume(ThroughTheCodec(stored));
    EXPECT_EQ(b.table.State().Credit, 95);
    for (const std::int32_t shown : b.display.creditTrace) {
        EXPECT_EQ(shown, 95);
    }
    EXPECT_EQ(b.table.State().RoundState, RoundPhase::Dealt);
    EXPECT_FALSE(b.table.State().StageInFlight);
    for (std::size_t slot = 1; slot <= 5; ++slot) {
        EXPECT_EQ(b.display.hand[slot].Value, a.display.hand[slot].Value);
        EXPECT_FALSE(b.display.hand[slot].ShowBack);
    }
    EXPECT_EQ(b.display.CountSounds(Sound::DealCard), 5);
    EXPECT_EQ(b.table.Audit().Counters().Charged, 5);
}

TEST(Resume, ADrawCutShortKeepsTheHoldsAndDrawsTheSameReplacements) {
    Machine a;
    a.table.Start(4);
    ASSERT_EQ(a.table.AddCredit(100, true), CreditChange::Done);
    a.settings.autoHold = false;
    a.table.Deal();
    a.table.Hold(2);
    a.table.Hold(4);
    RecordingJournal journal(a.table);
    a.table.SetJournal(&journal);
    a.table.Deal();
    const TableSnapshot stored = FirstInFlight(journal);
    ASSERT_EQ(stored.Table.StageInFlight, DrawStage::FirstDraw);
    EXPECT_EQ(stored.Table.Credit, 90);

    Machine b;
    b.table.Resume(ThroughTheCodec(stored));
    EXPECT_EQ(b.table.State().Credit, a.table.State().Credit);
    EXPECT_EQ(b.table.State().RoundState, a.table.State().RoundState);
    for (int slot = 1; slot <= 5; ++slot) {
        EXPECT_EQ(b.table.State().HandCard(slot).Value, a.table.State().HandCard(slot).Value);
    }
    // Only the three cards that were not held are turned up again.
    EXPECT_EQ(b.display.CountSounds(Sound::DealCard), 3);
    EXPECT_EQ(b.table.History().Current(), a.table.History().Current());
}

TEST(Resume, ThePayTableStaysTheSettingsWhileTheCountersComeBack) {
    Machine a;
    a.table.Start(8);
    ASSERT_EQ(a.table.AddCredit(1000, true), CreditChange::Done);
    a.settings.stats.PrizeStat[3] = 41;
    a.settings.stats.RunPrizeStat[3] = 2;
    a.table.State().OrvaneNumber = 9;

    Machine b;
    b.table.State().Multiplier[1] = 800;
    b.table.State().MaxBet = 70;
    b.settings.stats.RunCreditIn = 7;
    b.table.Resume(ThroughTheCodec(a.table.Snapshot()));
    EXPECT_EQ(b.table.State().Multiplier[1], 800);
    EXPECT_EQ(b.table.State().MaxBet, 70);
    EXPECT_EQ(b.display.payValues[1], 5 * 800);
    EXPECT_EQ(b.settings.stats.PrizeStat[3], 41);
    EXPECT_EQ(b.settings.stats.CreditIn, 1000);
    EXPECT_EQ(b.settings.stats.RunCreditIn, 7);  // this run's counters are this run's own
    EXPECT_EQ(b.table.State().OrvaneNumber, 9);
    EXPECT_EQ(b.display.orvaneLine, "ORVANE 3x9");
    EXPECT_EQ(b.table.Random().State(), a.table.Random().State());
}

TEST(Resume, AStoredCreditItsCountersDoNotExplainIsReportedAtOnce) {
    Machine a;
    a.table.Start(5);
    ASSERT_EQ(a.table.AddCredit(100, true), CreditChange::Done);
    SnapshotRecords records = SnapshotCodec::Encode(a.table.Snapshot());
    for (auto& [name, value] : records) {
        if (name == "Credit") {
            value = "100000";  // edited in the file
        }
    }
    const SnapshotDecoding decoded = SnapshotCodec::Decode(records);
    ASSERT_TRUE(decoded.Snapshot) << decoded.Reason;

    Machine b;
    RecordingJournal journal(b.table);
    b.table.SetJournal(&journal);
    b.table.Resume(*decoded.Snapshot);
    ASSERT_EQ(journal.failures.size(), 1U);
    EXPECT_NE(journal.failures[0].find("credit 100000 but added 100"), std::string::npos)
        << journal.failures[0];
}

}  // namespace
}  // namespace orvane::test
