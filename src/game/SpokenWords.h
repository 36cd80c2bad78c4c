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

}  // namespace orvane
