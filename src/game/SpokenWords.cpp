#include "game/SpokenWords.h"

#include <array>

namespace orvane {

namespace {

constexpr std::array<const char*, 13> RankWords = {"Ace",  "Two",   "Three", "Four", "Five",
                                                   "Six",  "Seven", "Eight", "Nine", "Ten",
                                                   "Jack", "Queen", "King"};
constexpr std::array<const char*, 4> SuitWords = {"clubs", "diamonds", "hearts", "spades"};

std::string Grouped(std::uint64_t amount) {
    std::string digits = std::to_string(amount);
    for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3) {
        digits.insert(static_cast<std::size_t>(at), 1, ',');
    }
    return digits;
}

}  // namespace

std::string SpokenCardName(const Card& card) {
    if (card.ShowBack) {
        return "card back";
    }
    if (card.Value == JokerValue) {
        return "Joker";
    }
    const auto rank = static_cast<std::size_t>(RankOfValue(card.Value) - 1);
    const auto suit = static_cast<std::size_t>(SuitOfValue(card.Value) - 1);
    return std::string(RankWords.at(rank)) + " of " + SuitWords.at(suit);
}

std::string SpokenValue(const std::string& label, std::int64_t amount) {
    const std::uint64_t size =
        amount < 0 ? 0 - static_cast<std::uint64_t>(amount) : static_cast<std::uint64_t>(amount);
    return label + " " + (amount < 0 ? "minus " : "") + Grouped(size);
}

std::string SpokenHold(const Card& card) {
    return SpokenCardName(card) + (card.Held ? " held" : " released");
}

std::string SpokenWinOffer(const std::string& lineCaption, std::int64_t win) {
    return SpokenValue(lineCaption + " wins", win);
}

std::string SpokenGuessResult(const Card& card, bool right, std::int64_t win) {
    return SpokenCardName(card) +
           (right ? ", right, " + SpokenValue("win", win) : ", wrong, win lost");
}

}  // namespace orvane
