#include "HoldCounts.h"

#include <stdexcept>

namespace orvane::analysis {

namespace {

// The counts of hands containing `set`, less those of its supersets with dead cards:
// the hands that contain `set` and no dead card.
void AddAvoidingDead(const DrawTables& tables, CardMask set,
                     const std::vector<CardMask>& deadSubsets, std::int64_t* out) {
    const auto k = static_cast<std::size_t>(tables.ClassCount());
    const int have = CardCount(set);
    for (CardMask extra : deadSubsets) {
        const int size = have + CardCount(extra);
        if (size > 5) {
            continue;
        }
        const std::int64_t sign = (CardCount(extra) & 1) != 0 ? -1 : 1;
        const CardMask all = set | extra;
        if (size == 5) {
            out[tables.ClassOf(all)] += sign;
        } else {
            const std::int32_t* counts = tables.Containing(all);
            for (std::size_t j = 0; j < k; ++j) {
                out[j] += sign * counts[j];
            }
        }
    }
}

// The card bit of each slot of the hand; refuses a card outside the deck. Gives the mask
// of the whole hand.
CardMask SlotBits(const DrawTables& tables, const FiveCards& hand, std::array<CardMask, 5>& bit) {
    CardMask handMask = 0;
    for (std::size_t s = 0; s < 5; ++s) {
        if (hand[s] < 0 || hand[s] >= tables.DeckSize()) {
            throw std::out_of_range("card out of range");
        }
        bit[s] = CardBit(hand[s]);
        handMask |= bit[s];
    }
    return handMask;
}

CardMask HeldSet(const std::array<CardMask, 5>& bit, HoldBits m) {
    CardMask set = 0;
    for (std::size_t s = 0; s < 5; ++s) {
        if ((m >> s & 1U) != 0) {
            set |= bit[s];
        }
    }
    return set;
}

// With no dead card each hold starts from its own table row. The rows are spread over
// megabytes of table, so their addresses are all found first: the reads then wait for
// memory side by side instead of one after another.
void AddHeldRows(const DrawTables& tables, const std::array<CardMask, 5>& bit, CardMask handMask,
                 std::int64_t* out) {
    const auto k = static_cast<std::size_t>(tables.ClassCount());
    std::array<const std::int32_t*, HoldCount> rows{};
    for (HoldBits m = 0; m < HoldAll; ++m) {
        rows[m] = tables.Containing(HeldSet(bit, m));
    }
    for (HoldBits m = 0; m < HoldAll; ++m) {
        std::int64_t* row = out + m * k;
        for (std::size_t j = 0; j < k; ++j) {
            row[j] = rows[m][j];
        }
    }
    out[HoldAll * k + static_cast<std::size_t>(tables.ClassOf(handMask))] = 1;
}

}  // namespace

HoldOutcomes CountHoldOutcomes(const DrawTables& tables, const FiveCards& hand, CardMask dead) {
    HoldOutcomes result;
    result.ClassCount = tables.ClassCount();
    const auto k = static_cast<std::size_t>(result.ClassCount);
    result.Counts.assign(HoldCount * k, 0);

    std::array<CardMask, 5> bit{};
    const CardMask handMask = SlotBits(tables, hand, bit);
    if (CardCount(handMask) != 5 || (dead & handMask) != 0 || (dead >> tables.DeckSize()) != 0) {
        throw std::invalid_argument("hand cards must be five different cards, none dead");
    }
    if (dead == 0) {
        AddHeldRows(tables, bit, handMask, result.Counts.data());
    } else {
        // Subsets of the dead cards that can still fit beside a held card set (at most five).
        std::vector<CardMask> deadSubsets{0};
        for (CardMask rest = dead; rest != 0; rest &= rest - 1) {
            const CardMask card = rest & (~rest + 1);
            const std::size_t n = deadSubsets.size();
            for (std::size_t i = 0; i < n; ++i) {
                if (CardCount(deadSubsets[i]) < 5) {
                    deadSubsets.push_back(deadSubsets[i] | card);
                }
            }
        }
        for (HoldBits m = 0; m < HoldCount; ++m) {
            AddAvoidingDead(tables, HeldSet(bit, m), deadSubsets, &result.Counts[m * k]);
        }
    }
    // Hands containing the hold, less those containing any thrown-away card: subtract
    // supersets slot by slot.
    for (unsigned s = 0; s < 5; ++s) {
        for (HoldBits m = 0; m < HoldCount; ++m) {
            if ((m >> s & 1U) == 0) {
                std::int64_t* lower = &result.Counts[m * k];
                const std::int64_t* upper = &result.Counts[(m | 1U << s) * k];
                for (std::size_t j = 0; j < k; ++j) {
                    lower[j] -= upper[j];
                }
            }
        }
    }
    const int unseen = tables.DeckSize() - 5 - CardCount(dead);
    std::array<std::int64_t, 6> drawsOfSize{};  // by the number of cards drawn
    for (std::size_t drawn = 0; drawn < drawsOfSize.size(); ++drawn) {
        drawsOfSize[drawn] = Binomial::Of(unseen, static_cast<int>(drawn));
    }
    for (HoldBits m = 0; m < HoldCount; ++m) {
        result.Draws[m] = drawsOfSize[static_cast<std::size_t>(5 - std::popcount(m))];
    }
    return result;
}

void CountChosenHolds(const DrawTables& tables, const FiveCards& hand, std::uint32_t which,
                      HoldOutcomes& out) {
    out.ClassCount = tables.ClassCount();
    const auto k = static_cast<std::size_t>(out.ClassCount);
    out.Counts.assign(HoldCount * k, 0);
    std::array<CardMask, 5> bit{};
    const CardMask handMask = SlotBits(tables, hand, bit);
    if (CardCount(handMask) != 5) {
        throw std::invalid_argument("hand cards must be five different cards");
    }
    const int unseen = tables.DeckSize() - 5;
    for (HoldBits m = 0; m < HoldCount; ++m) {
        if ((which >> m & 1U) == 0) {
            continue;
        }
        out.Draws[m] = Binomial::Of(unseen, 5 - std::popcount(m));
        std::int64_t* row = &out.Counts[m * k];
        if (m == HoldAll) {
            row[tables.ClassOf(handMask)] = 1;
            continue;
        }
        CardMask held = 0;
        CardMask thrown = 0;
        for (std::size_t s = 0; s < 5; ++s) {
            ((m >> s & 1U) != 0 ? held : thrown) |= bit[s];
        }
        // Every subset of the thrown-away cards, added with the sign of its size.
        for (CardMask extra = thrown;; extra = (extra - 1) & thrown) {
            const std::int64_t sign = (CardCount(extra) & 1) != 0 ? -1 : 1;
            const CardMask all = held | extra;
            if (CardCount(all) == 5) {
                row[tables.ClassOf(all)] += sign;
            } else {
                const std::int32_t* counts = tables.Containing(all);
                for (std::size_t j = 0; j < k; ++j) {
                    row[j] += sign * counts[j];
                }
            }
            if (extra == 0) {
                break;
            }
        }
    }
}

}  // namespace orvane::analysis
