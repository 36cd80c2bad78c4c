#pragma once

#include <cstdint>
#include <string>

#include "game/Card.h"

namespace orvane {

// The words a screen reader says for what the table shows. They live beside the rules so
// that the table's widgets only hand them on and the words can be checked without a window.

// "Queen of hearts", "Joker", or "card back" while the card lies face down.
std::string SpokenCardName(const Card& card);

// "Credit 1,035": a meter's label and its amount with thousands separators.
std::string SpokenValue(const std::string& label, std::int64_t amount);

// A hand card held or let go: "Queen of hearts held", "Queen of hearts released".
std::string SpokenHold(const Card& card);

// The win put on offer: "FULL HOUSE wins 90".
std::string SpokenWinOffer(const std::string& lineCaption, std::int64_t win);

// A double-up guess as the card turns: "Seven of clubs, right, win 180" or
// "Seven of clubs, wrong, win lost".
std::string SpokenGuessResult(const Card& card, bool right, std::int64_t win);

}  // namespace orvane
