#include "OrvaneTables.h"

#include <algorithm>
#include <stdexcept>

#include "game/Card.h"

namespace orvane::analysis {

std::size_t RankSlot(std::int32_t orvaneNumber) {
    if (orvaneNumber < FirstOrvaneNumber || orvaneNumber > LastOrvaneNumber) {
        throw std::out_of_range("bonus rank out of 7..10");
    }
    return static_cast<std::size_t>(orvaneNumber - FirstOrvaneNumber);
}

namespace {

// No card has this rank, so no pay line of the bonus rank can come up.
constexpr std::int32_t NoBonusRank = 0;

bool HoldsRank(const FiveCards& cards, std::int32_t rank) {
    return std::any_of(cards.begin(), cards.end(),
                       [rank](int card) { return RankOfValue(card + 1) == rank; });
}

}  // namespace

const DrawTables& OrvaneTables::ForRank(std::int32_t orvaneNumber) {
    auto& t = tables_[RankSlot(orvaneNumber)];
    if (!t) {
        // The bonus rank only names which rank's three, four or five take the bonus lines,
        // so a hand without a card of that rank has the class it has under no bonus rank.
        if (withoutBonusRank_.empty()) {
            withoutBonusRank_ = DrawTables::ClassifyEveryHand(
                CardsInDeck, OrvaneClassCount, [](const FiveCards& cards, std::size_t) {
                    return OrvaneClassOf(cards, NoBonusRank);
                });
        }
        const auto& plain = withoutBonusRank_;
        t = std::make_unique<DrawTables>(
            OrvaneClassCount, CardsInDeck,
            DrawTables::ClassifyEveryHand(
                CardsInDeck, OrvaneClassCount,
                [&plain, orvaneNumber](const FiveCards& cards, std::size_t index) {
                    return HoldsRank(cards, orvaneNumber) ? OrvaneClassOf(cards, orvaneNumber)
                                                          : int{plain[index]};
                }));
    }
    return *t;
}

}  // namespace orvane::analysis
