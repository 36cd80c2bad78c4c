#pragma once

#include <cstdint>
#include <vector>

#include "HandClasses.h"

namespace orvane::analysis {

// One deal standing for all deals that differ from it only by a renaming of the suits:
// they have the same values for every hold, so the whole game is weighed over these
// (134,459 of the 2,598,960 deals of 52 cards; 150,891 of 2,869,685 with a joker).
struct DealClass {
    FiveCards Cards{};
    std::int32_t Weight = 0;
};

// Every deal of the deck, grouped by suit renaming. The joker (card 52) has no suit.
std::vector<DealClass> GroupDealsBySuitRenaming(int deckSize);

}  // namespace orvane::analysis
