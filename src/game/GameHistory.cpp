#include "GameHistory.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace orvane {

namespace {

bool IsCard(CardValue v) {
    return v >= 1 && v <= JokerValue;
}

bool IsDoubleUpCard(CardValue v) {
    return v >= 1 && v < JokerValue && !IsSeven(v);
}

std::int32_t AddCapped(std::int32_t a, std::int32_t b) {
    const std::int64_t sum = std::int64_t{a} + b;
    return sum > std::numeric_limits<std::int32_t>::max() ? std::numeric_limits<std::int32_t>::max()
                                                          : static_cast<std::int32_t>(sum);
}

std::string Cards(const std::array<CardValue, 5>& cards) {
    std::string text;
    for (const CardValue v : cards) {
        text += (text.empty() ? "" : " ") + std::to_string(v);
    }
    return text;
}

}  // namespace

std::string Describe(const GameRecord& game) {
    std::string text = "bet " + std::to_string(game.Bet) + ", credit " +
                       std::to_string(game.CreditBefore) + " -> " +
                       std::to_string(game.CreditAfter) + ", dealt " + Cards(game.Dealt);
    for (const GameDraw& draw : game.Draws) {
        text += ", drew " + Cards(draw.Cards);
    }
    if (game.GivenUpPrize != NoPrize) {
        text += ", gave up line " + std::to_string(game.GivenUpPrize);
    }
    text += ", line " + std::to_string(game.Prize) + " win " + std::to_string(game.Win);
    for (const GameGuess& guess : game.Guesses) {
        text += std::string(", guessed ") + (guess.ChoiceA ? "A" : "B") + " on " +
                std::to_string(guess.Card) + (guess.Right ? " right" : " wrong");
    }
    text += ", collected " + std::to_string(game.Collected) + ", end " +
            std::to_string(static_cast<std::int32_t>(game.End));
    return text;
}

bool WellFormed(const GameRecord& game, bool finished) {
    const auto end = static_cast<std::int32_t>(game.End);
    if (end < 0 || end > LastGameEnd || finished != (game.End != GameEnd::InPlay)) {
        return false;
    }
    if (game.Bet < 1 || game.CreditBefore < 0 || game.CreditAfter < 0 || game.Win < 0 ||
        game.Collected < 0 || game.Draws.size() > GameRecord::MaxDraws ||
        game.Guesses.size() > GameRecord::MaxGuesses) {
        return false;
    }
    const auto prizeOk = [](PrizeIndex p) { return p >= NoPrize && p <= PrizeLines; };
    if (!prizeOk(game.Prize) || !prizeOk(game.GivenUpPrize)) {
        return false;
    }
    if (!std::all_of(game.Dealt.begin(), game.Dealt.end(), IsCard)) {
        return false;
    }
    for (const GameDraw& draw : game.Draws) {
        if (!std::all_of(draw.Cards.begin(), draw.Cards.end(), IsCard)) {
            return false;
        }
    }
    // A win can be given up only on the first draw, for a second one.
    if (game.GivenUpPrize != NoPrize && game.Draws.empty()) {
        return false;
    }
    for (std::size_t i = 0; i < game.Guesses.size(); ++i) {
        const GameGuess& guess = game.Guesses[i];
        // Only the last guess can be wrong: a wrong guess ends the game.
        if (!IsDoubleUpCard(guess.Card) || (!guess.Right && i + 1 != game.Guesses.size())) {
            return false;
        }
    }
    if (!game.Guesses.empty() && game.Prize == NoPrize) {
        return false;
    }
    return true;
}

bool GameHistory::Restore(std::vector<GameRecord> finished, std::optional<GameRecord> current) {
    if (finished.size() > Capacity) {
        return false;
    }
    for (const GameRecord& game : finished) {
        if (!WellFormed(game, true)) {
            return false;
        }
    }
    if (current && !WellFormed(*current, false)) {
        return false;
    }
    finished_ = std::move(finished);
    current_ = std::move(current);
    return true;
}

void GameHistory::Begin(std::int32_t bet, std::int32_t credit,
                        const std::array<CardValue, 5>& dealt) {
    if (current_) {
        Finish(GameEnd::Redealt, credit);
    }
    GameRecord game;
    game.Bet = bet;
    game.CreditBefore = credit;
    game.CreditAfter = credit;
    game.Dealt = dealt;
    current_ = game;
}

void GameHistory::AddDraw(const GameDraw& draw) {
    if (current_ && current_->Draws.size() < GameRecord::MaxDraws) {
        current_->Draws.push_back(draw);
    }
}

void GameHistory::GiveUpWin(PrizeIndex prize) {
    if (current_) {
        current_->GivenUpPrize = prize;
        current_->Prize = NoPrize;
        current_->Win = 0;
    }
}

void GameHistory::Offer(PrizeIndex prize, std::int32_t win) {
    if (current_) {
        current_->Prize = prize;
        current_->Win = win;
    }
}

void GameHistory::AddGuess(const GameGuess& guess) {
    if (current_ && current_->Guesses.size() < GameRecord::MaxGuesses) {
        current_->Guesses.push_back(guess);
    }
}

void GameHistory::AddCollected(std::int32_t amount) {
    if (current_ && amount > 0) {
        current_->Collected = AddCapped(current_->Collected, amount);
    }
}

void GameHistory::Finish(std::int32_t creditAfter) {
    if (!current_) {
        return;
    }
    const std::vector<GameGuess>& guesses = current_->Guesses;
    GameEnd end = GameEnd::Collected;
    if (current_->Prize == NoPrize) {
        end = GameEnd::NoWin;
    } else if (!guesses.empty() && !guesses.back().Right) {
        end = GameEnd::GambleLost;
    } else if (guesses.size() == GameRecord::MaxGuesses) {
        end = GameEnd::DoubleUpComplete;
    }
    Finish(end, creditAfter);
}

void GameHistory::Finish(GameEnd end, std::int32_t creditAfter) {
    current_->End = end;
    current_->CreditAfter = std::max(creditAfter, 0);
    finished_.push_back(std::move(*current_));
    current_.reset();
    if (finished_.size() > Capacity) {
        finished_.erase(finished_.begin());
    }
}

}  // namespace orvane
