#include "Deck.h"

#include <cassert>
#include <cstdint>

namespace orvane {

namespace {

constexpr std::uint64_t Bit(CardValue v) {
    return std::uint64_t{1} << v;
}

constexpr std::uint64_t SevensAndJoker = Bit(7) | Bit(20) | Bit(33) | Bit(46) | Bit(JokerValue);

}  // namespace

// The cards already drawn are kept as bits rather than searched for in the earlier
// slots: the same rejections in the same order, so the same deal for a seed.
void DrawDeck(RandomSource& random, DealSlots& buffer, int count, bool fullDeck) {
    assert(count >= 0 && count <= 15);
    std::uint64_t rejected = fullDeck ? 0 : SevensAndJoker;
    for (int i = 1; i <= count;) {
        const auto v = static_cast<CardValue>(random.Next() % CardsInDeck) + 1;
        if ((rejected & Bit(v)) == 0) {
            buffer[static_cast<std::size_t>(i)] = v;
            rejected |= Bit(v);
            ++i;
        }
    }
}

}  // namespace orvane
