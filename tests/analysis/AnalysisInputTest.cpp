#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <algorithm>
#include <cstdio>
#include <utility>

#include "CommandLine.h"
#include "ProgressBar.h"
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
    EXPECT_TRUE(a->SecondDraw) << "the best play gives a first-draw win up when it pays";
    a = ParseArguments({"return", "--strategy", "auto"}).Args;
    ASSERT_TRUE(a);
    EXPECT_FALSE(a->SecondDraw) << "the automatic hold takes every win";
    a = ParseArguments({"return", "--second-draw", "off"}).Args;
    ASSERT_TRUE(a);
    EXPECT_FALSE(a->SecondDraw) << "the single-draw figures, when asked";
    a = ParseArguments({"simulate", "--rounds", "10", "--meter", "off"}).Args;
    ASSERT_TRUE(a);
    EXPECT_FALSE(a->Meter);
    a = ParseArguments({"accuracy", "--deals", "500", "--meter", "off"}).Args;
    ASSERT_TRUE(a);
    EXPECT_EQ(a->What, Command::Accuracy);
    EXPECT_EQ(a->Deals, 500);
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

// Each mistake is named for what it is, in plain words.
TEST(CommandLine, EachMistakeIsNamedForWhatItIs) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"return", "--frob"}, "unknown option: --frob"},
        {{"return", "--frob", "on"}, "unknown option: --frob"},
        {{"simulate", "--rounds", "10", "--fast"}, "unknown option: --fast"},
        {{"return", "--meter"}, "--meter needs a value"},
        {{"holds", "AS", "KH", "as", "7C", "JK"}, "the same card twice: AS and as"},
        {{"holds", "9H", "9H", "TD", "7C", "JK"}, "the same card twice: 9H and 9H"},
        {{"simulate", "--rounds", "1000000000001"}, "rounds is too large"},
        {{"simulate", "--rounds", "99999999999999999999999"}, "rounds is too large"},
        {{"simulate", "--rounds", "-5"}, "rounds is a positive number"},
        {{"simulate", "--rounds", "12x"}, "rounds is a positive number"},
        {{"accuracy", "--strategy", "auto"}, "the orvane game's best play"},
    };
    for (const auto& [args, reason] : cases) {
        const auto parsed = ParseArguments(args);
        EXPECT_FALSE(parsed.Args.has_value()) << reason;
        EXPECT_NE(parsed.Error.find(reason), std::string::npos) << parsed.Error;
    }
    EXPECT_TRUE(ParseArguments({"simulate", "--rounds", "1000000000000"}).Args);
    EXPECT_TRUE(ParseArguments({"holds", "AS", "AH", "AD", "AC", "JK"}).Args);
}

// The bar is for a person watching: nothing in a log or a pipe, and on a terminal it ends
// on a full bar and a new line, whether the work reports its end or is told it is over.
TEST(ProgressBar, OnlyOnATerminalAndEndingOnAFullBarWithANewLine) {
    auto drawn = [](bool terminal, const std::vector<std::size_t>& done, bool finish) {
        std::FILE* file = std::tmpfile();
        {
            cli::ProgressBar bar(file, terminal, std::chrono::seconds(0));
            for (std::size_t d : done) {
                bar(d, 8);
            }
            if (finish) {
                bar.Finish();
                bar.Finish();
            }
        }
        std::rewind(file);
        std::string text;
        for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) {
            text += static_cast<char>(c);
        }
        std::fclose(file);
        return text;
    };
    for (bool finish : {false, true}) {
        EXPECT_EQ(drawn(false, {1, 4, 8}, finish), "");
        const std::string run = drawn(true, {1, 4, 8}, finish);
        EXPECT_NE(run.find(" 50%"), std::string::npos) << run;
        EXPECT_TRUE(run.ends_with("] 100%\n")) << run;
        EXPECT_EQ(std::count(run.begin(), run.end(), '\n'), 1) << run;
    }
    EXPECT_TRUE(drawn(true, {1, 4}, true).ends_with("] 100%\n"));
    // A file is not a terminal: the bar that looks for itself draws nothing there.
    std::FILE* file = std::tmpfile();
    {
        cli::ProgressBar bar(file, std::chrono::seconds(0));
        bar(3, 8);
        bar.Finish();
    }
    EXPECT_EQ(std::ftell(file), 0L);
    std::fclose(file);
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
