#include "DealClasses.h"

#include <array>
#include <stdexcept>

namespace orvane::analysis {

namespace {

// A renaming of the suits permutes the four rank sets (one 13-bit set per suit) of a deal.
// Exactly one deal of each class has its rank sets in non-increasing order by suit, so
// the classes are those deals; the class holds as many deals as there are distinct
// orders of its four rank sets: 24 over the orders among equal sets.
std::int32_t DistinctOrders(const std::array<std::uint32_t, 4>& sets) {
    std::int32_t same = 1;
    std::int32_t run = 1;
    for (std::size_t i = 1; i < 4; ++i) {
        run = sets[i] == sets[i - 1] ? run + 1 : 1;
        same *= run;
    }
    return 24 / same;
}

}  // namespace

std::vector<DealClass> GroupDealsBySuitRenaming(int deckSize) {
    if (deckSize != 52 && deckSize != 53) {
        throw std::invalid_argument("deck of 52 or 53 cards");
    }
    std::vector<DealClass> classes;
    classes.reserve(160000);
    FiveCards c{};
    for (c[0] = 0; c[0] < deckSize; ++c[0]) {
        for (c[1] = c[0] + 1; c[1] < deckSize; ++c[1]) {
            for (c[2] = c[1] + 1; c[2] < deckSize; ++c[2]) {
                for (c[3] = c[2] + 1; c[3] < deckSize; ++c[3]) {
                    for (c[4] = c[3] + 1; c[4] < deckSize; ++c[4]) {
                        std::array<std::uint32_t, 4> sets{};
                        for (int card : c) {
                            if (card < 52) {
                                sets[static_cast<std::size_t>(card / 13)] |= 1U << (card % 13);
                            }
                        }
                        if (sets[0] >= sets[1] && sets[1] >= sets[2] && sets[2] >= sets[3]) {
                            classes.push_back({c, DistinctOrders(sets)});
                        }
                    }
                }
            }
        }
    }
    return classes;
}

}  // namespace orvane::analysis
