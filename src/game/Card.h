#pragma once

#include <cstdint>

namespace orvane {

// A card number 1..53: 1..52 are the four suits of thirteen ranks, 53 is the joker.
using CardValue = std::int32_t;

inline constexpr CardValue JokerValue = 53;
inline constexpr std::int32_t JokerRank = 99;
inline constexpr std::int32_t CardsInDeck = 53;

// The suits in card-number order; diamonds and hearts are the red ones.
enum class Suit : std::int32_t {
    Clubs = 1,
    Diamonds = 2,
    Hearts = 3,
    Spades = 4,
    First = Clubs,
    Last = Spades,
};

constexpr std::int32_t SuitOfValue(CardValue v) {
    return (v - 1) / 13 + 1;
}
constexpr std::int32_t SuitNumber(Suit suit) {
    return static_cast<std::int32_t>(suit);
}
constexpr std::int32_t RankOfValue(CardValue v) {
    return v == JokerValue ? JokerRank : (v - 1) % 13 + 1;
}
constexpr bool IsSeven(CardValue v) {
    return v != JokerValue && RankOfValue(v) == 7;
}

// What the table knows of one card: the identity the rules read back and the two flags
// the player and the deal change.
struct Card {
    CardValue Value = 1;
    orvane::Suit Suit = orvane::Suit::Clubs;
    std::int32_t Rank = 1;
    bool Held = false;
    bool ShowBack = true;

    // The joker keeps the suit it had, so the evaluator can give it one of its own.
    void SetCardValue(CardValue v) {
        Value = v;
        Rank = RankOfValue(v);
        if (v != JokerValue) {
            Suit = static_cast<orvane::Suit>(SuitOfValue(v));
        }
    }
};

}  // namespace orvane
