#include "DealClasses.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <unordered_map>

namespace orvane::analysis {

namespace {

// Renaming the suits permutes the four rank sets of a deal; sorted, they name its class.
std::uint64_t ClassKey(const FiveCards& c) {
    std::array<std::uint64_t, 4> bySuit{};
    std::uint64_t joker = 0;
    for (int card : c) {
        if (card == 52) {
            joker = 1;
        } else {
            bySuit[static_cast<std::size_t>(card / 13)] |= std::uint64_t{1} << (card % 13);
        }
    }
    std::sort(bySuit.begin(), bySuit.end());
    return joker << 52 | bySuit[0] << 39 | bySuit[1] << 26 | bySuit[2] << 13 | bySuit[3];
}

}  // namespace

std::vector<DealClass> GroupDealsBySuitRenaming(int deckSize) {
    if (deckSize != 52 && deckSize != 53) {
        throw std::invalid_argument("deck of 52 or 53 cards");
    }
    std::unordered_map<std::uint64_t, std::uint32_t> where;
    where.reserve(400000);
    std::vector<DealClass> classes;
    FiveCards c{};
    for (c[0] = 0; c[0] < deckSize; ++c[0]) {
        for (c[1] = c[0] + 1; c[1] < deckSize; ++c[1]) {
            for (c[2] = c[1] + 1; c[2] < deckSize; ++c[2]) {
                for (c[3] = c[2] + 1; c[3] < deckSize; ++c[3]) {
                    for (c[4] = c[3] + 1; c[4] < deckSize; ++c[4]) {
                        const auto [it, added] = where.try_emplace(
                            ClassKey(c), static_cast<std::uint32_t>(classes.size()));
                        if (added) {
                            classes.push_back({c, 0});
                        }
                        ++classes[it->second].Weight;
                    }
                }
            }
        }
    }
    return classes;
}

}  // namespace orvane::analysis
