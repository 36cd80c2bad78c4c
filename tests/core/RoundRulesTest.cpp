// The table of the round's rules against the table itself, and what the table tells its
// listeners over a played round.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "ScriptedPlay.h"
#include "TableFixture.h"
#include "game/RoundRules.h"
#include "game/SnapshotCodec.h"

namespace orvane::test {
namespace {

void Drive(GameTable& table, TableEvent event) {
    switch (event) {
        case TableEvent::Deal:
            table.Deal();
            break;
        case TableEvent::Hold:
            table.Hold(5);  // toggles a card, or collects from an offer
            break;
        case TableEvent::Bet:
            table.Bet();
            break;
        case TableEvent::Cash:
            table.Cash();
            break;
    }
}

// Every table a long script passes through, put on a fresh table and sent each event:
// the event changes what the player sees or what is stored exactly when the rules take
// it. A DEAL under a gambled first-draw win is refused by the offer, not by the phase. A
// hand in play gets a card held, so that CASH has holds to clear, and an empty machine
// gets credit, so that BET has bets to choose from.
TEST(RoundRules, EachEventChangesTheTableExactlyWhereThePhaseTakesIt) {
    FakeDisplay display;
    FakePause pause;
    FakeSettings settings;
    GameTable played(display, pause, settings);
    played.Start(3);
    ASSERT_EQ(played.AddCredit(5000, true), CreditChange::Done);
    std::set<RoundPhase> phases;
    for (const PlayerAction& action : MakeScript(17, 600)) {
        Apply(played, action);
        const TableSnapshot at = played.Snapshot();
        phases.insert(at.Table.RoundState);
        for (int e = 0; e < static_cast<int>(EnumCount<TableEvent>()); ++e) {
            const auto event = static_cast<TableEvent>(e);
            if (event == TableEvent::Deal && at.Table.RoundState == RoundPhase::FirstDrawWon &&
                at.DoubleUp.Gambled) {
                continue;
            }
            FakeDisplay d;
            FakePause p;
            FakeSettings s;
            GameTable table(d, p, s);
            table.Start(3);
            table.Resume(at);
            if (at.Table.Credit < 1000) {
                ASSERT_EQ(table.AddCredit(1000, false), CreditChange::Done);
            }
            if (at.Table.RoundState != RoundPhase::Idle && !at.DoubleUp.Open) {
                table.State().HandCard(1).Held = true;
            }
            const SnapshotRecords stored = SnapshotCodec::Encode(table.Snapshot());
            d.ClearLog();
            Drive(table, event);
            const bool changed =
                !d.log.empty() || SnapshotCodec::Encode(table.Snapshot()) != stored;
            EXPECT_EQ(changed, Accepts(at.Table.RoundState, event))
                << "phase " << static_cast<int>(at.Table.RoundState) << " event " << e;
        }
    }
    EXPECT_EQ(phases.size(), EnumCount<RoundPhase>()) << "the script reaches every phase";
}

class Recorder : public TableListener {
  public:
    void Dealing(std::int32_t bet, std::int32_t credit,
                 const std::array<CardValue, 5>& /*cards*/) override {
        Note("dealing " + std::to_string(bet) + " from " + std::to_string(credit));
    }
    void Drawing(DrawStage stage, const GameDraw& /*draw*/) override {
        Note("drawing " + std::to_string(StageNumber(stage)));
    }
    void StageShown(DrawStage stage, const TableState& table, const TOrvane& /*m*/) override {
        Note("shown " + std::to_string(StageNumber(stage)) + " phase " +
             std::to_string(static_cast<int>(table.RoundState)));
    }
    void WinOffered(PrizeIndex prize, std::int32_t win) override {
        Note("offered " + std::to_string(prize) + " " + std::to_string(win));
    }
    void WinGivenUp(PrizeIndex prize) override { Note("given up " + std::to_string(prize)); }
    void Guessed(const GameGuess& /*guess*/) override { Note("guessed"); }
    void Collected(std::int32_t amount) override { Note("collected " + std::to_string(amount)); }
    void CreditMoved(CreditMove move, std::int64_t amount, bool counted) override {
        Note("credit " + std::to_string(static_cast<int>(move)) + " " + std::to_string(amount) +
             (counted ? " counted" : ""));
    }
    void RoundEnded(std::int32_t credit) override { Note("ended " + std::to_string(credit)); }
    void OutOfServiceChanged(bool out) override { Note(out ? "out" : "in"); }

    std::vector<std::string> steps;

  private:
    void Note(std::string step) { steps.push_back(std::move(step)); }
};

class RoundListeners : public TableFixture {};

// Deal, draw a high pair, give it up, draw it again and collect it; a coin, and the machine out
// of service and back. The steps come in the order the table takes them, the table's
// own records before any listener added later.
TEST_F(RoundListeners, HearEveryStepOfARoundInOrder) {
    StartWithCredit(100, 11);
    Recorder recorder;
    table.AddListener(recorder);
    DrawHighPair();
    table.Deal();  // gives the win up
    table.Deal();  // the second draw, a pair again
    table.Cash();
    table.AddCredit(10, true);
    table.SetOutOfService(true);
    table.SetOutOfService(false);
    table.RemoveListener(recorder);
    table.Bet();
    const int pair = HighPair;
    const std::vector<std::string> expected = {
        "dealing 5 from 100",
        "credit 2 5 counted",
        "shown 1 phase 1",
        "credit 2 5 counted",
        "drawing 2",
        "offered " + std::to_string(pair) + " 10",
        "shown 2 phase 2",
        "given up " + std::to_string(pair),
        "credit 2 5 counted",
        "drawing 3",
        "offered " + std::to_string(pair) + " 10",
        "shown 3 phase 3",
        "collected 10",
        "ended 95",
        "credit 0 10 counted",
        "out",
        "in",
    };
    EXPECT_EQ(recorder.steps, expected);
    ASSERT_EQ(table.History().Finished().size(), 1U);
    EXPECT_EQ(table.History().Finished().back().GivenUpPrize, HighPair);
}

}  // namespace
}  // namespace orvane::test
