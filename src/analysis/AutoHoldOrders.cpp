#include "AutoHoldOrders.h"

#include <algorithm>

#include "game/AutoHold.h"
#include "game/Card.h"

namespace orvane::analysis {

namespace {

HoldBits AutoHoldOfOrder(const FiveCards& cards, const std::array<int, 5>& perm,
                         std::int32_t orvaneNumber) {
    HandRanks hand;
    for (std::size_t s = 0; s < 5; ++s) {
        const CardValue v = cards[static_cast<std::size_t>(perm[s])] + 1;
        hand.Rank[s] = RankOfValue(v);
        hand.Suit[s] = v == JokerValue ? 0 : SuitOfValue(v);
    }
    const HoldMask held = AutoHoldOfDeal(hand, orvaneNumber);
    HoldBits bits = 0;
    for (std::size_t s = 0; s < 5; ++s) {
        if (held[s]) {
            bits |= 1U << perm[s];
        }
    }
    return bits;
}

}  // namespace

std::array<int, HoldCount> AutoHoldOrders(const FiveCards& cards, std::int32_t orvaneNumber,
                                          bool everyOrder) {
    std::array<int, HoldCount> orders{};
    std::array<int, 5> perm = {0, 1, 2, 3, 4};
    const bool joker = std::find(cards.begin(), cards.end(), 52) != cards.end();
    if (joker || everyOrder) {
        do {
            ++orders[AutoHoldOfOrder(cards, perm, orvaneNumber)];
        } while (std::next_permutation(perm.begin(), perm.end()));
        return orders;
    }
    // Without the joker the hold sees the order of the slots only where it keeps one card
    // of a rank that is there more than once: the first one. Every arrangement of the
    // cards of each rank among themselves is as likely, 120 / (product of g!) orders each
    // for ranks there g times; one order of each is played: the cards of a rank take the
    // positions of that rank in the deal, in each arrangement in turn.
    std::array<std::array<int, 5>, 5> groups{};  // card positions by rank, in ascending order
    std::array<std::size_t, 5> sizes{};
    std::size_t groupCount = 0;
    for (int p = 0; p < 5; ++p) {
        std::size_t g = 0;
        while (g < groupCount && cards[static_cast<std::size_t>(groups[g][0])] % 13 !=
                                     cards[static_cast<std::size_t>(p)] % 13) {
            ++g;
        }
        groupCount = std::max(groupCount, g + 1);
        groups[g][sizes[g]++] = p;
    }
    const std::array<std::array<int, 5>, 5> places = groups;
    int arrangements = 1;
    for (std::size_t g = 0; g < groupCount; ++g) {
        for (std::size_t i = 2; i <= sizes[g]; ++i) {
            arrangements *= static_cast<int>(i);
        }
    }
    const int share = SlotOrders / arrangements;
    while (true) {
        for (std::size_t g = 0; g < groupCount; ++g) {
            for (std::size_t i = 0; i < sizes[g]; ++i) {
                perm[static_cast<std::size_t>(places[g][i])] = groups[g][i];
            }
        }
        orders[AutoHoldOfOrder(cards, perm, orvaneNumber)] += share;
        std::size_t g = 0;
        while (g < groupCount &&
               !std::next_permutation(groups[g].begin(),
                                      groups[g].begin() + static_cast<std::ptrdiff_t>(sizes[g]))) {
            ++g;
        }
        if (g == groupCount) {
            return orders;
        }
    }
}

}  // namespace orvane::analysis
