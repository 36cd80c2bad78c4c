#pragma once

#include <array>

#include "Card.h"
#include "RandomSource.h"

namespace orvane {

// Slots 1..15 as the rules number them; slot 0 is never used.
using DealSlots = std::array<CardValue, 16>;

// Fills slots 1..count with distinct cards by rejection. Without the full deck the
// sevens and the joker are rejected too, which leaves 48 cards that are all either
// small or big for the double-up.
void DrawDeck(RandomSource& random, DealSlots& buffer, int count, bool fullDeck);

}  // namespace orvane
