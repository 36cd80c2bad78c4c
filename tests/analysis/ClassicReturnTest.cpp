#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "analysis/ClassicGames.h"
#include "analysis/DrawTables.h"
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

}  // namespace
}  // namespace orvane::analysis
