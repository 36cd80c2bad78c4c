#pragma once

#include <optional>
#include <vector>

#include "GameRecord.h"

namespace orvane {

// The last ten games, oldest first, and the one being played. The table writes them as
// the round goes; everything else only reads them.
class GameHistory {
  public:
    static constexpr std::size_t Capacity = 10;

    const std::vector<GameRecord>& Finished() const { return finished_; }
    const std::optional<GameRecord>& Current() const { return current_; }
    // False when the records break the rules a recorded game always keeps.
    bool Restore(std::vector<GameRecord> finished, std::optional<GameRecord> current);

    // A new deal, before it is charged; a game still running was replaced before its draw
    // and ends with the credit as it stands.
    void Begin(std::int32_t bet, std::int32_t credit, const std::array<CardValue, 5>& dealt);
    void AddDraw(const GameDraw& draw);
    void GiveUpWin(PrizeIndex prize);
    void Offer(PrizeIndex prize, std::int32_t win);
    void AddGuess(const GameGuess& guess);
    void AddCollected(std::int32_t amount);
    // The round is over; how it ended follows from what was recorded.
    void Finish(std::int32_t creditAfter);

  private:
    void Finish(GameEnd end, std::int32_t creditAfter);

    std::vector<GameRecord> finished_;
    std::optional<GameRecord> current_;
};

// A record that a table could have written.
bool WellFormed(const GameRecord& game, bool finished);

}  // namespace orvane
