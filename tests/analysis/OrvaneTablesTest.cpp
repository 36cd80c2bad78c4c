#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <vector>

#include "analysis/DrawTables.h"
#include "analysis/HoldCounts.h"
#include "analysis/OrvaneClasses.h"
#include "analysis/OrvaneReturn.h"
#include "game/Card.h"

namespace orvane::analysis {
namespace {

// The four ranks' tables share the classes of the hands without a card of the bonus rank;
// every hand of the deck must still get the class the game's evaluator gives it under
// each bonus rank, and the counts must be those of tables built from that evaluator.
TEST(OrvaneTables, EveryHandHasTheGamesClassUnderEachBonusRank) {
    OrvaneTables tables;
    for (std::int32_t rank = FirstOrvaneNumber; rank <= LastOrvaneNumber; ++rank) {
        const DrawTables& shared = tables.ForRank(rank);
        std::size_t wrong = 0;
        FiveCards c{};
        for (c[4] = 4; c[4] < CardsInDeck; ++c[4]) {
            for (c[3] = 3; c[3] < c[4]; ++c[3]) {
                for (c[2] = 2; c[2] < c[3]; ++c[2]) {
                    for (c[1] = 1; c[1] < c[2]; ++c[1]) {
                        for (c[0] = 0; c[0] < c[1]; ++c[0]) {
                            const CardMask hand = CardBit(c[0]) | CardBit(c[1]) | CardBit(c[2]) |
                                                  CardBit(c[3]) | CardBit(c[4]);
                            wrong += shared.ClassOf(hand) != OrvaneClassOf(c, rank) ? 1U : 0U;
                        }
                    }
                }
            }
        }
        EXPECT_EQ(wrong, 0U) << "bonus rank " << rank;
    }
    // Counts over a hand holding three of the bonus rank and the joker, from both tables.
    const std::int32_t rank = 9;
    const DrawTables own(OrvaneHandClasses(rank));
    const FiveCards deal = {rank - 1, rank - 1 + 13, rank - 1 + 26, 52, 0};
    const HoldOutcomes a = CountHoldOutcomes(tables.ForRank(rank), deal);
    const HoldOutcomes b = CountHoldOutcomes(own, deal);
    EXPECT_EQ(a.Counts, b.Counts);
    EXPECT_EQ(a.Draws, b.Draws);
}

TEST(OrvaneTables, ClassesGivenForTheTablesAreChecked) {
    const auto hands = static_cast<std::size_t>(Binomial::Of(8, 5));
    EXPECT_THROW(DrawTables(2, 8, std::vector<std::uint8_t>(hands - 1, 0)), std::invalid_argument);
    std::vector<std::uint8_t> classes(hands, 0);
    classes.back() = 2;
    EXPECT_THROW(DrawTables(2, 8, classes), std::out_of_range);
    EXPECT_THROW(DrawTables::ClassifyEveryHand(
                     8, 2, [](const FiveCards&, std::size_t i) { return i == 3 ? -1 : 0; }),
                 std::out_of_range);
    // Eight cards, class 1 for the 35 of the 56 hands that hold card 7.
    classes = DrawTables::ClassifyEveryHand(
        8, 2, [](const FiveCards& hand, std::size_t) { return hand[4] == 7 ? 1 : 0; });
    const DrawTables small(2, 8, classes);
    EXPECT_EQ(small.Containing(0)[0], 21);
    EXPECT_EQ(small.Containing(0)[1], 35);
    EXPECT_EQ(small.Containing(CardBit(7))[0], 0);
    EXPECT_EQ(small.Containing(CardBit(7))[1], 35);
}

}  // namespace
}  // namespace orvane::analysis
