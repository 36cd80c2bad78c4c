#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CommandLine.h"
#include "analysis/CardText.h"
#include "analysis/ClassicGames.h"
#include "analysis/DealClasses.h"
#include "analysis/HoldCounts.h"
#include "analysis/SingleDrawReturn.h"

namespace orvane::analysis {
namespace {

using cli::Command;
using cli::Game;
using cli::ParseArguments;

TEST(CardText, EveryCardReadsBackAndOtherTextIsRefused) {
    for (int card = 0; card <= 52; ++card) {
        EXPECT_EQ(ParseCard(CardName(card)), card) << CardName(card);
    }
    EXPECT_EQ(ParseCard("as"), ParseCard("AS"));
    EXPECT_EQ(ParseCard("TD"), 13 + 9);  // diamonds are the game's second suit
    EXPECT_EQ(ParseCard("JK"), 52);
    for (const char* bad : {"", "A", "1S", "AX", "ASX", "10S", "KJ"}) {
        EXPECT_FALSE(ParseCard(bad).has_value()) << bad;
    }
}

TEST(CommandLine, TheDocumentedFormsAreRead) {
    auto a = ParseArguments({"return", "--game", "joker-poker-kings", "--json"}).Args;
    ASSERT_TRUE(a);
    EXPECT_EQ(a->What, Command::Return);
    EXPECT_EQ(a->Which, Game::JokerPokerKings);
    EXPECT_TRUE(a->Json);

    a = ParseArguments({"return", "--strategy", "auto", "--meter", "off"}).Args;
    ASSERT_TRUE(a);
    EXPECT_TRUE(a->AutoStrategy);
    EXPECT_FALSE(a->Meter);

    a = ParseArguments({"holds", "AS", "KH", "TD", "7C", "JK", "--rank", "9"}).Args;
    ASSERT_TRUE(a);
    EXPECT_EQ(a->Cards, (std::vector<std::string>{"AS", "KH", "TD", "7C", "JK"}));
    EXPECT_EQ(a->Rank, 9);
    EXPECT_FALSE(a->Meter) << "pricing the meter takes the whole game: only when asked";

    a = ParseArguments({"simulate", "--rounds", "1000", "--seed", "42", "--strategy", "optimal"})
            .Args;
    ASSERT_TRUE(a);
    EXPECT_EQ(a->Rounds, 1000);
    EXPECT_EQ(a->Seed, 42U);
    EXPECT_FALSE(a->AutoStrategy);
    EXPECT_FALSE(a->MeterAware) << "solving the whole game first only when asked";

    a = ParseArguments({"simulate", "--rounds", "10", "--meter", "on"}).Args;
    ASSERT_TRUE(a);
    EXPECT_TRUE(a->MeterAware);

    a = ParseArguments({"return"}).Args;
    ASSERT_TRUE(a);
    EXPECT_FALSE(a->SecondDraw) << "the whole game with the second draw only when asked";
    a = ParseArguments({"return", "--second-draw", "after-draw", "--meter", "off"}).Args;
    ASSERT_TRUE(a);
    EXPECT_TRUE(a->SecondDraw);
    EXPECT_TRUE(a->SecondDrawAfterDrawOnly);
    a = ParseArguments({"simulate", "--rounds", "10"}).Args;
    ASSERT_TRUE(a);
    EXPECT_TRUE(a->SecondDraw);
}

TEST(CommandLine, BadArgumentsGiveAReasonInsteadOfARun) {
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"payout"},
        {"return", "--game", "blackjack"},
        {"return", "--meter", "maybe"},
        {"return", "--game"},
        {"holds", "AS", "KH", "TD", "7C"},
        {"holds", "AS", "KH", "TD", "7C", "JK", "--rank", "11"},
        {"holds", "AS", "KH", "TD", "7C", "JK", "--countdown", "0"},
        {"simulate"},
        {"simulate", "--rounds", "0"},
        {"simulate", "--rounds", "12x"},
        {"return", "--game", "jacks-or-better-9-6", "--strategy", "auto"},
        {"return", "--second-draw", "on", "--strategy", "auto"},
        {"return", "--game", "joker-poker-kings", "--second-draw", "on"},
        {"simulate", "--rounds", "10", "--second-draw", "after-draw"},
    };
    for (const auto& args : bad) {
        const auto parsed = ParseArguments(args);
        EXPECT_FALSE(parsed.Args.has_value()) << (args.empty() ? "(none)" : args[0]);
        EXPECT_FALSE(parsed.Error.empty());
    }
}

// Counted by hand: the ace, king, queen and jack of hearts with a two of clubs; 47 cards
// to draw from. The ten of hearts makes the royal, the other eight hearts a flush, the
// other three tens a straight, the other twelve aces to jacks a high pair.
TEST(SingleDraw, FourToTheRoyalFlushCountsAsDealtOut) {
    const ClassicGame game = JacksOrBetter96();
    const DrawTables tables(game.Classes);
    const FiveCards hand = {ParseCard("AH").value(), ParseCard("KH").value(),
                            ParseCard("QH").value(), ParseCard("JH").value(),
                            ParseCard("2C").value()};
    const HoldOutcomes o = CountHoldOutcomes(tables, hand);
    constexpr HoldBits royalDraw = 0b01111;
    EXPECT_EQ(o.Draws[royalDraw], 47);
    const std::vector<std::int64_t> expected = {23, 12, 0, 0, 3, 8, 0, 0, 0, 1};
    EXPECT_EQ(std::vector<std::int64_t>(o.Of(royalDraw), o.Of(royalDraw) + 10), expected);
    EXPECT_EQ(BestSingleDrawHold(o, game.Pays), royalDraw);
    EXPECT_EQ(o.Draws[0], 1'533'939);
}

// Every deal belongs to exactly one suit class, so the weights add up to the deals.
TEST(SingleDraw, SuitClassesCoverEveryDealOnce) {
    std::int64_t weights = 0;
    const auto classes52 = GroupDealsBySuitRenaming(52);
    for (const DealClass& d : classes52) {
        weights += d.Weight;
    }
    EXPECT_EQ(classes52.size(), 134'459U);
    EXPECT_EQ(weights, 2'598'960);

    // With the joker: the classes of four cards of 52 come on top.
    weights = 0;
    const auto classes53 = GroupDealsBySuitRenaming(53);
    for (const DealClass& d : classes53) {
        weights += d.Weight;
    }
    EXPECT_EQ(classes53.size(), 134'459U + 16'432U);
    EXPECT_EQ(weights, 2'869'685);
}

}  // namespace
}  // namespace orvane::analysis
