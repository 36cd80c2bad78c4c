// The words a screen reader says for cards and meters.
#include <gtest/gtest.h>

#include <set>

#include "game/SpokenWords.h"

namespace orvane::test {
namespace {

TEST(SpokenWords, EveryFaceHasItsOwnNameAndABackSaysSo) {
    std::set<std::string> names;
    for (CardValue v = 1; v <= CardsInDeck; ++v) {
        Card card;
        card.SetCardValue(v);
        card.ShowBack = false;
        names.insert(SpokenCardName(card));
        card.ShowBack = true;
        EXPECT_EQ(SpokenCardName(card), "card back");
    }
    EXPECT_EQ(names.size(), static_cast<std::size_t>(CardsInDeck));
    Card queen;
    queen.SetCardValue(3 * 13 - 1);  // the twelfth heart
    queen.ShowBack = false;
    EXPECT_EQ(SpokenCardName(queen), "Queen of hearts");
    queen.SetCardValue(JokerValue);
    EXPECT_EQ(SpokenCardName(queen), "Joker");
}

TEST(SpokenWords, AmountsAreGroupedByThousands) {
    const std::pair<std::int64_t, const char*> cases[] = {{0, "Credit 0"},
                                                          {999, "Credit 999"},
                                                          {1035, "Credit 1,035"},
                                                          {100000, "Credit 100,000"},
                                                          {1234567, "Credit 1,234,567"},
                                                          {-2500, "Credit minus 2,500"}};
    for (const auto& [amount, words] : cases) {
        EXPECT_EQ(SpokenValue("Credit", amount), words) << amount;
    }
}

TEST(SpokenWords, AWinAndAGuessSayTheirAmount) {
    EXPECT_EQ(SpokenWinOffer("FULL HOUSE", 4500), "FULL HOUSE wins 4,500");
    Card seven;
    seven.SetCardValue(7);  // the seventh club
    seven.ShowBack = false;
    EXPECT_EQ(SpokenGuessResult(seven, true, 1800), "Seven of clubs, right, win 1,800");
    EXPECT_EQ(SpokenGuessResult(seven, false, 0), "Seven of clubs, wrong, win lost");
    EXPECT_EQ(SpokenHold(seven), "Seven of clubs released");
    seven.Held = true;
    EXPECT_EQ(SpokenHold(seven), "Seven of clubs held");
}

}  // namespace
}  // namespace orvane::test
