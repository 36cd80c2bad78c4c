#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "Card.h"
#include "PayTable.h"

namespace orvane {

// One draw of a game: which of the five cards were kept and the hand after it.
struct GameDraw {
    std::array<bool, 5> Held{};
    std::array<CardValue, 5> Cards{};
    bool operator==(const GameDraw&) const = default;
};

// One double-up guess: choice A (small, red) or B (big, black), the card turned up and
// whether the guess was right.
struct GameGuess {
    bool ChoiceA = true;
    CardValue Card = 1;
    bool Right = false;
    bool operator==(const GameGuess&) const = default;
};

enum class GameEnd : std::int32_t {
    InPlay = 0,
    NoWin = 1,             // the last draw won nothing
    Collected = 2,         // the win (or what was left of it) was taken into the credit
    GambleLost = 3,        // a wrong guess lost the win
    DoubleUpComplete = 4,  // ten right guesses; the win was collected
    Redealt = 5,           // a fresh deal replaced the hand before it was drawn
    First = InPlay,
    Last = Redealt,
};
inline constexpr std::int32_t LastGameEnd = static_cast<std::int32_t>(GameEnd::Last);

// One game as the player played it, from the deal to how it ended.
struct GameRecord {
    static constexpr std::size_t MaxDraws = 2;
    static constexpr std::size_t MaxGuesses = 10;

    std::int32_t Bet = 0;
    std::int32_t CreditBefore = 0;  // before the deal was charged
    std::int32_t CreditAfter = 0;   // when the game ended
    std::array<CardValue, 5> Dealt{};
    std::vector<GameDraw> Draws;        // at most two
    PrizeIndex GivenUpPrize = NoPrize;  // a first-draw win given up for the second draw
    PrizeIndex Prize = NoPrize;         // of the last draw
    std::int32_t Win = 0;               // offered for it, jackpot included
    std::int32_t Collected = 0;         // taken into the credit, halves included
    std::vector<GameGuess> Guesses;     // at most ten
    GameEnd End = GameEnd::InPlay;

    bool operator==(const GameRecord&) const = default;
};

// The game in a few words, for the audit's report.
std::string Describe(const GameRecord& game);

}  // namespace orvane
