#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <vector>

#include "analysis/CardText.h"
#include "analysis/ClassicGames.h"
#include "analysis/DrawTables.h"
#include "analysis/HoldFrontier.h"
#include "analysis/HoldValues.h"
#include "analysis/SingleDrawReturn.h"

namespace orvane::analysis {
namespace {

// Published figures of the two standard games under the best hold of every deal,
// counted out of deals x 5 x C(unseen, 5). Matching every line exactly checks the
// tables, the inclusion and exclusion, the suit classes and their weights at once.
TEST(ClassicReturn, JacksOrBetterNineSixMatchesThePublishedCountOfEveryFinalHand) {
    const ClassicGame game = JacksOrBetter96();
    const DrawTables tables(game.Classes);
    const GameCounts result = SingleDrawReturn(tables, game.Pays);

    EXPECT_EQ(result.Total, 19'933'230'517'200);
    const std::vector<std::int64_t> published = {
        10'872'274'993'896,  // nothing
        4'277'372'890'968,   // jacks or better
        2'576'946'164'148,   // two pair
        1'484'003'070'324,   // three of a kind
        223'837'565'784,     // straight
        219'554'786'160,     // flush
        229'475'482'596,     // full house
        47'093'167'764,      // four of a kind
        2'178'883'296,       // straight flush
        493'512'264,         // royal flush
    };
    EXPECT_EQ(result.Counts, published);
    EXPECT_NEAR(result.Return(game.Pays), 0.99543904, 5e-9);
}

TEST(ClassicReturn, JokerPokerKingsOrBetterMatchesThePublishedReturn) {
    const ClassicGame game = JokerPokerKings();
    const DrawTables tables(game.Classes);
    const GameCounts result = SingleDrawReturn(tables, game.Pays);

    EXPECT_EQ(result.Total, 24'568'865'521'200);
    std::int64_t sum = 0;
    for (std::int64_t c : result.Counts) {
        sum += c;
    }
    EXPECT_EQ(sum, result.Total);
    // Published to eight places, cut rather than rounded.
    EXPECT_GE(result.Return(game.Pays), 1.00646296);
    EXPECT_LT(result.Return(game.Pays), 1.00646297);
}

// Keeping nothing is a five-card draw in a single-draw game, not a stand; and of two holds
// worth exactly the same the one keeping more cards is taken.
TEST(ClassicReturn, HoldsOfOneHandValueTheFiveCardDrawAndBreakTiesTowardMoreCards) {
    const ClassicGame game = JacksOrBetter96();
    const DrawTables tables(game.Classes);
    const std::vector<double> worth(game.Pays.begin(), game.Pays.end());
    auto hand = [](std::array<const char*, 5> text) {
        FiveCards cards{};
        for (std::size_t i = 0; i < 5; ++i) {
            cards[i] = *ParseCard(text[i]);
        }
        return cards;
    };
    const HandValues junk =
        ValueSingleDrawHolds(tables, hand({"2S", "4D", "7C", "9H", "TH"}), worth);
    EXPECT_EQ(junk.Best, 0U);
    EXPECT_NEAR(junk.Holds[0].Value, 550360.0 / 1533939.0, 1e-12);
    EXPECT_NEAR(junk.Holds[0b11000].Value, 0.333703, 5e-7);  // 9H TH, the best hold that keeps
    EXPECT_EQ(junk.Ranked()[1].Hold, 0b11000U);
    // Four kings: the fifth card drawn or kept, the hand is the same four of a kind.
    const HandValues quads =
        ValueSingleDrawHolds(tables, hand({"KS", "KH", "KD", "KC", "2S"}), worth);
    EXPECT_EQ(quads.Holds[0b01111].Value, quads.Holds[HoldAll].Value);
    EXPECT_EQ(quads.Best, HoldAll);
}

// In the tie order the meter's chances come first, then the cards kept, then the slots.
TEST(HoldTies, EqualWorthGoesToTheMetersChancesThenToTheHoldKeepingMoreCards) {
    std::array<HoldSummary, HoldCount> summary{};
    summary.fill({-5.0, 0.0, 0.0});
    summary[0b00011] = {1.0, 0.0, 0.0};
    summary[0b00111] = {1.0, 0.0, 0.0};
    summary[0b10111] = {0.5, 0.0, 0.0};
    EXPECT_EQ(BestHold(summary, {}), 0b00111U);
    summary[0b00011] = {1.0, 0.01, 0.0};  // two cards, with a chance of a step
    EXPECT_EQ(BestHold(summary, {}), 0b00011U);
    summary[0b00111] = {1.0, 0.0, 0.001};  // three, with a chance of a jackpot
    EXPECT_EQ(BestHold(summary, {}), 0b00111U);
    // Priced, the meter is part of the worth and the chances no longer tie.
    EXPECT_EQ(BestHold(summary, {100.0, 0.0}), 0b00011U);
    // Keeping none stands on the deal in this game, as keeping all five does.
    EXPECT_EQ(HoldsInTieOrder()[0], 0U);
    EXPECT_EQ(HoldsInTieOrder()[1], HoldAll);
    EXPECT_EQ(std::popcount(HoldsInTieOrder().back()), 1);
    // The kept holds of a survey still give BestHold's choice at any prices.
    std::array<HoldBits, HoldCount> kept{};
    const int count = UndominatedHolds(summary, kept);
    for (MeterTerms t : {MeterTerms{}, MeterTerms{100.0, 0.0}, MeterTerms{0.0, 2000.0}}) {
        HoldBits best = kept[0];
        for (int i = 1; i < count; ++i) {
            if (Beats(summary[kept[static_cast<std::size_t>(i)]], summary[best], t)) {
                best = kept[static_cast<std::size_t>(i)];
            }
        }
        EXPECT_EQ(best, BestHold(summary, t));
    }
}

}  // namespace
}  // namespace orvane::analysis
