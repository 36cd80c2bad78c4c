#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "FakeDisplay.h"

namespace orvane::test {

// One thing the player does: the four game events, a coin or a cash-out.
struct PlayerAction {
    enum Kind { Deal, Hold, Bet, Cash, AddCredit, CashOut } kind = Deal;
    int arg = 0;  // the slot of HOLD, the amount of a coin
};

// A long, seeded mix of actions that reaches draws, guesses, halves, give-ups and
// cash-outs; the same seed always gives the same script.
std::vector<PlayerAction> MakeScript(std::uint32_t seed, int length);
void Apply(GameTable& table, const PlayerAction& action);

// Everything a player or the store could tell apart, as text so a difference shows.
std::string Observe(const GameTable& table, const FakeDisplay& display,
                    const FakeSettings& settings);

// Stores what the table says at each Commit and counts audit failures.
class RecordingJournal : public Journal {
  public:
    explicit RecordingJournal(const GameTable& table) : table_(table) {}
    void Commit() override;
    void AuditFailed(const std::string& details) override { failures.push_back(details); }

    struct Entry {
        int action = 0;  // the action in progress
        TableSnapshot snapshot;
    };
    int action = 0;
    std::vector<Entry> commits;
    std::vector<std::string> failures;

  private:
    const GameTable& table_;
};

}  // namespace orvane::test
