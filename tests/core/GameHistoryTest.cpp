// The last ten games as the table records them while they are played.
#include <gtest/gtest.h>

#include <functional>

#include "TableFixture.h"

namespace orvane::test {
namespace {

class GameHistoryTest : public TableFixture {
  protected:
    // A seed whose first deal, held as the auto-hold suggests, wins on the first draw.
    void StartWithAFirstDrawWin() {
        for (std::uint32_t seed = 1; seed < 500; ++seed) {
            StartWithCredit(1000, seed);
            table.Deal();
            table.Deal();
            if (table.State().RoundState == RoundPhase::FirstDrawWon) {
                return;
            }
        }
        FAIL() << "no seed wins on the first draw";
    }

    std::array<CardValue, 5> ShownCards() const {
        std::array<CardValue, 5> cards{};
        for (std::size_t slot = 1; slot <= 5; ++slot) {
            cards[slot - 1] = display.hand[slot].Value;
        }
        return cards;
    }
};

TEST_F(GameHistoryTest, KeepsExactlyTheLastTenGamesOldestFirst) {
    StartWithCredit(5000);
    std::vector<std::int32_t> creditsBefore;
    for (int round = 0; round < 15; ++round) {
        creditsBefore.push_back(table.State().Credit);
        table.Deal();
        // A hand with nothing held would be dealt afresh instead of drawn.
        if (!table.State().HandCard(1).Held) {
            table.Hold(1);
        }
        table.Deal();
        if (table.DoubleUpOffer().IsOpen()) {
            table.Cash();
        }
        ASSERT_EQ(table.State().RoundState, RoundPhase::Idle);
        EXPECT_EQ(table.History().Finished().size(), std::min<std::size_t>(round + 1, 10));
        EXPECT_FALSE(table.History().Current().has_value());
        const GameRecord& last = table.History().Finished().back();
        EXPECT_EQ(last.CreditAfter, table.State().Credit);
        // No guess was made: a win is simply collected.
        EXPECT_EQ(last.End, last.Prize == NoPrize ? GameEnd::NoWin : GameEnd::Collected);
    }
    const auto& games = table.History().Finished();
    for (std::size_t i = 0; i < games.size(); ++i) {
        EXPECT_EQ(games[i].CreditBefore, creditsBefore[i + 5]);
    }
}

TEST_F(GameHistoryTest, RecordsTheDealTheDrawTheGuessesAndTheCollection) {
    StartWithAFirstDrawWin();
    const GameRecord& game = table.History().Current().value();
    EXPECT_EQ(game.Bet, 5);
    ASSERT_EQ(game.Draws.size(), 1U);
    EXPECT_EQ(game.Draws[0].Cards, ShownCards());
    for (std::size_t i = 0; i < 5; ++i) {
        const CardValue slotReplacement = table.State().DealBuffer[6 + i];
        EXPECT_EQ(game.Draws[0].Cards[i], game.Draws[0].Held[i] ? game.Dealt[i] : slotReplacement);
    }
    EXPECT_EQ(game.Prize, table.State().LastPrize);
    EXPECT_EQ(game.Win, table.State().Win);

    const std::int32_t offered = table.State().Win;
    table.Hold(4);  // big
    const GameRecord& guessed =
        table.History().Current() ? *table.History().Current() : table.History().Finished().back();
    ASSERT_EQ(guessed.Guesses.size(), 1U);
    EXPECT_FALSE(guessed.Guesses[0].ChoiceA);
    EXPECT_EQ(guessed.Guesses[0].Card, display.dupCards[1].Value);
    EXPECT_EQ(guessed.Guesses[0].Right, table.State().Win == 2 * offered);
    if (!guessed.Guesses[0].Right) {
        EXPECT_EQ(table.History().Finished().back().End, GameEnd::GambleLost);
        EXPECT_EQ(table.History().Finished().back().Collected, 0);
        return;
    }
    const std::int32_t creditBefore = table.State().Credit;
    table.Hold(5);  // take half
    table.Cash();
    const GameRecord& done = table.History().Finished().back();
    EXPECT_EQ(done.End, GameEnd::Collected);
    EXPECT_EQ(done.Collected, 2 * offered);
    EXPECT_EQ(done.CreditAfter, creditBefore + 2 * offered);
}

TEST_F(GameHistoryTest, AWinGivenUpAndTheSecondDrawAreBothKept) {
    StartWithAFirstDrawWin();
    const PrizeIndex first = table.State().LastPrize;
    table.Deal();  // give the win up
    table.Deal();  // second draw
    const GameRecord& game = table.State().RoundState == RoundPhase::Idle
                                 ? table.History().Finished().back()
                                 : table.History().Current().value();
    EXPECT_EQ(game.GivenUpPrize, first);
    ASSERT_EQ(game.Draws.size(), 2U);
    EXPECT_EQ(game.Draws[1].Cards, ShownCards());
    EXPECT_EQ(game.Prize, table.State().LastPrize);
}

TEST_F(GameHistoryTest, AFreshDealEndsTheHandItReplaces) {
    StartWithCredit(1000);
    table.Deal();
    const std::array<CardValue, 5> first = ShownCards();
    table.Bet();
    const std::int32_t creditBefore = table.State().Credit;
    table.Deal();  // another bet: a fresh deal, not a draw
    ASSERT_EQ(table.History().Finished().size(), 1U);
    const GameRecord& replaced = table.History().Finished().back();
    EXPECT_EQ(replaced.End, GameEnd::Redealt);
    EXPECT_EQ(replaced.Dealt, first);
    EXPECT_TRUE(replaced.Draws.empty());
    EXPECT_EQ(replaced.CreditAfter, creditBefore);
    EXPECT_EQ(table.History().Current()->Bet, 7);
    EXPECT_EQ(table.History().Current()->Dealt, ShownCards());
}

TEST(GameHistory, RefusesRecordsNoTableWrites) {
    GameRecord game;
    game.Bet = 5;
    game.Dealt = {1, 2, 3, 4, 5};
    game.End = GameEnd::NoWin;
    GameHistory history;
    // The longest game the table plays: two draws and ten right guesses.
    GameRecord longest = game;
    longest.Draws.assign(GameRecord::MaxDraws, GameDraw{{}, {1, 2, 3, 4, 5}});
    longest.Prize = HighPair;
    longest.Guesses.assign(GameRecord::MaxGuesses, GameGuess{true, 2, true});
    longest.End = GameEnd::DoubleUpComplete;
    EXPECT_TRUE(history.Restore({longest}, std::nullopt));
    EXPECT_TRUE(history.Restore({game}, std::nullopt));
    GameRecord running = game;
    running.End = GameEnd::InPlay;
    EXPECT_FALSE(history.Restore({running}, std::nullopt));  // finished games have an end
    EXPECT_FALSE(history.Restore({}, game));                 // the running one has none
    GameRecord wrongFirst = game;
    wrongFirst.Prize = HighPair;
    wrongFirst.Guesses = {{true, 2, false}, {true, 3, true}};
    EXPECT_FALSE(history.Restore({wrongFirst}, std::nullopt));  // a wrong guess ends the game
    GameRecord givenUp = game;
    givenUp.GivenUpPrize = HighPair;
    EXPECT_FALSE(history.Restore({givenUp}, std::nullopt));  // given up without a draw
    EXPECT_FALSE(history.Restore(std::vector<GameRecord>(11, game), std::nullopt));
    // One damaged value each: no bet, a negative amount, no card of the deck (53 cards,
    // numbered from 1), a line outside the pay table.
    const std::vector<std::function<void(GameRecord&)>> damages = {
        [](GameRecord& g) { g.Bet = 0; },
        [](GameRecord& g) { g.CreditBefore = -1; },
        [](GameRecord& g) { g.Collected = -1; },
        [](GameRecord& g) { g.Dealt[2] = 54; },
        [](GameRecord& g) {
            g.Draws = {GameDraw{{}, {1, 2, 0, 4, 5}}};
        },
        [](GameRecord& g) { g.Prize = static_cast<PrizeIndex>(PrizeLines + 1); },
        // The double-up deals neither the joker nor a seven.
        [](GameRecord& g) {
            g.Prize = HighPair;
            g.Guesses = {{true, JokerValue, false}};
        },
        [](GameRecord& g) {
            g.Prize = HighPair;
            g.Guesses = {{true, 7, false}};
        },
        [](GameRecord& g) { g.End = static_cast<GameEnd>(LastGameEnd + 1); },
        // A wrong guess anywhere but last, and guesses with no win to gamble.
        [](GameRecord& g) {
            g.Prize = HighPair;
            g.Guesses = {{true, 2, true}, {true, 3, false}, {true, 4, true}};
        },
        [](GameRecord& g) {
            g.Guesses = {{true, 2, true}};
        },
    };
    for (std::size_t i = 0; i < damages.size(); ++i) {
        GameRecord damaged = game;
        damages[i](damaged);
        EXPECT_FALSE(history.Restore({damaged}, std::nullopt)) << "damage " << i;
    }
    EXPECT_EQ(history.Finished().size(), 1U);  // what was refused changed nothing
}

// What no table does is not written either: a third draw, an eleventh guess, or anything
// before a game has begun.
TEST(GameHistory, KeepsOnlyWhatAGameCanHold) {
    GameHistory history;
    history.AddDraw({});
    history.AddGuess({});
    history.AddCollected(10);
    EXPECT_FALSE(history.Current().has_value());
    history.Begin(5, 100, {1, 2, 3, 4, 5});
    history.Offer(HighPair, 10);
    for (std::size_t i = 0; i <= GameRecord::MaxDraws; ++i) {
        history.AddDraw({});
    }
    for (std::size_t i = 0; i <= GameRecord::MaxGuesses; ++i) {
        history.AddGuess({true, 2, true});
    }
    EXPECT_EQ(history.Current()->Draws.size(), GameRecord::MaxDraws);
    EXPECT_EQ(history.Current()->Guesses.size(), GameRecord::MaxGuesses);
}

// A game in play reads as the credit unchanged; a win given up leaves nothing won, so a
// second draw that wins nothing ends the game as no win.
TEST(GameHistory, AWinGivenUpLeavesNothingWonUnlessTheSecondDrawWins) {
    GameHistory history;
    history.Begin(5, 100, {1, 2, 3, 4, 5});
    EXPECT_EQ(history.Current()->CreditAfter, 100);
    history.AddDraw({});
    history.Offer(HighPair, 10);
    history.GiveUpWin(HighPair);
    history.AddDraw({});
    history.Finish(95);
    const GameRecord& game = history.Finished().back();
    EXPECT_EQ(game.Prize, NoPrize);
    EXPECT_EQ(game.Win, 0);
    EXPECT_EQ(game.End, GameEnd::NoWin);
}

// The words a damaged store's report gives of each game, every part of the record in turn.
TEST(GameHistory, DescribesAGameWholeInOneLine) {
    GameRecord game;
    game.Bet = 5;
    game.CreditBefore = 100;
    game.CreditAfter = 90;
    game.Dealt = {1, 2, 3, 4, 5};
    game.Draws = {GameDraw{{}, {6, 7, 8, 9, 10}}};
    game.GivenUpPrize = TwoPairs;
    game.Prize = HighPair;
    game.Win = 10;
    game.Guesses = {{true, 2, true}, {false, 3, false}};
    game.End = GameEnd::GambleLost;
    EXPECT_EQ(Describe(game),
              "bet 5, credit 100 -> 90, dealt 1 2 3 4 5, drew 6 7 8 9 10, gave up line 9, line 10 "
              "win 10, guessed A on 2 right, guessed B on 3 wrong, collected 0, end 3");
}

// How a gambled game ends follows from its guesses: a wrong one loses, the tenth right one
// completes the double-up, fewer are a win collected.
TEST(GameHistory, TheGuessesTellHowAGambledGameEnded) {
    struct Case {
        int right;
        bool lastWrong;
        GameEnd end;
    };
    for (const Case c : {Case{1, false, GameEnd::Collected}, Case{9, false, GameEnd::Collected},
                         Case{10, false, GameEnd::DoubleUpComplete},
                         Case{9, true, GameEnd::GambleLost}, Case{0, true, GameEnd::GambleLost}}) {
        GameHistory history;
        history.Begin(5, 100, {1, 2, 3, 4, 5});
        history.Offer(HighPair, 10);
        for (int i = 0; i < c.right; ++i) {
            history.AddGuess({true, 2, true});
        }
        if (c.lastWrong) {
            history.AddGuess({true, 2, false});
        }
        history.Finish(100);
        ASSERT_EQ(history.Finished().size(), 1U);
        EXPECT_EQ(history.Finished().back().End, c.end) << c.right << " right, " << c.lastWrong;
    }
}

}  // namespace
}  // namespace orvane::test
