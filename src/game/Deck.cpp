#include "Deck.h"

#include <cassert>

namespace orvane {

namespace {

bool Rejected(const DealSlots& buffer, int slot, CardValue v, bool fullDeck) {
    if (!fullDeck && (IsSeven(v) || v == JokerValue)) {
        return true;
    }
    for (int j = 1; j < slot; ++j) {
        if (buffer[static_cast<std::size_t>(j)] == v) {
            return true;
        }
    }
    return false;
}

}  // namespace

void DrawDeck(RandomSource& random, DealSlots& buffer, int count, bool fullDeck) {
    assert(count >= 0 && count <= 15);
    for (int i = 1; i <= count;) {
        const auto v = static_cast<CardValue>(random.Next() % CardsInDeck) + 1;
        buffer[static_cast<std::size_t>(i)] = v;
        if (!Rejected(buffer, i, v, fullDeck)) {
            ++i;
        }
    }
}

}  // namespace orvane
