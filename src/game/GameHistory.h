#pragma once

#include <optional>
#include <vector>

#include "GameRecord.h"
#include "TableListener.h"

namespace orvane {

// The last ten games, oldest first, and the one being played. They follow the table's
// round as one of its listeners; everything else only reads them.
class GameHistory final : public TableListener {
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

    void Dealing(std::int32_t bet, std::int32_t credit,
                 const std::array<CardValue, 5>& cards) override {
        Begin(bet, credit, cards);
    }
    void Drawing(DrawStage /*stage*/, const GameDraw& draw) override { AddDraw(draw); }
    void WinOffered(PrizeIndex prize, std::int32_t win) override { Offer(prize, win); }
    void WinGivenUp(PrizeIndex prize) override { GiveUpWin(prize); }
    void Guessed(const GameGuess& guess) override { AddGuess(guess); }
    void Collected(std::int32_t amount) override { AddCollected(amount); }
    void RoundEnded(std::int32_t credit) override { Finish(credit); }

  private:
    void Finish(GameEnd end, std::int32_t creditAfter);

    std::vector<GameRecord> finished_;
    std::optional<GameRecord> current_;
};

// A record that a table could have written.
bool WellFormed(const GameRecord& game, bool finished);

}  // namespace orvane
