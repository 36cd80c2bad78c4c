// The stored snapshot's text form: what is written comes back, and anything damaged or
// hostile is refused with a reason instead of being half-read.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <random>
#include <set>
#include <type_traits>

#include "ScriptedPlay.h"
#include "game/GameHistory.h"
#include "game/SnapshotCodec.h"
#include "game/SnapshotSchema.h"

namespace orvane::test {
namespace {

class SnapshotCodecTest : public ::testing::Test {
  protected:
    SnapshotCodecTest() : table(display, pause, settings) {}

    // Plays the seeded script until the table is where the test wants it.
    void PlayUntil(const std::function<bool()>& reached) {
        table.Start(3);
        ASSERT_EQ(table.AddCredit(1000, true), CreditChange::Done);
        for (const PlayerAction& action : MakeScript(11, 5000)) {
            Apply(table, action);
            if (reached()) {
                return;
            }
        }
        FAIL() << "the script never got there";
    }

    // A win on offer after a guess, with earlier games behind it.
    SnapshotRecords MidOffer() {
        PlayUntil([this] {
            return table.DoubleUpOffer().IsOpen() && table.DoubleUpOffer().Gambled() &&
                   table.History().Finished().size() >= 3;
        });
        return SnapshotCodec::Encode(table.Snapshot());
    }

    SnapshotRecords Idle() {
        PlayUntil([this] {
            return table.State().RoundState == RoundPhase::Idle &&
                   table.History().Finished().size() >= 2;
        });
        return SnapshotCodec::Encode(table.Snapshot());
    }

    static SnapshotRecords With(SnapshotRecords records, const std::string& name,
                                const std::string& value) {
        for (auto& [n, v] : records) {
            if (n == name) {
                v = value;
                return records;
            }
        }
        ADD_FAILURE() << name << " is not written";
        return records;
    }

    static std::string Refusal(const SnapshotRecords& records) {
        const SnapshotDecoding decoded = SnapshotCodec::Decode(records);
        return decoded.Snapshot ? "accepted" : decoded.Reason;
    }

    FakeDisplay display;
    FakePause pause;
    FakeSettings settings;
    GameTable table;
};

TEST_F(SnapshotCodecTest, WhatIsWrittenComesBackWhole) {
    for (const bool offer : {true, false}) {
        const SnapshotRecords records = offer ? MidOffer() : Idle();
        const SnapshotDecoding decoded = SnapshotCodec::Decode(records);
        ASSERT_TRUE(decoded.Snapshot) << decoded.Reason;
        EXPECT_EQ(SnapshotCodec::Encode(*decoded.Snapshot), records);
        // The games come back as they were played, not merely as they were written.
        EXPECT_EQ(decoded.Snapshot->Games, table.Snapshot().Games);
        EXPECT_EQ(decoded.Snapshot->CurrentGame, table.Snapshot().CurrentGame);
    }
}

TEST_F(SnapshotCodecTest, EachHandCardMustBeTheCardDealtInItsSlot) {
    PlayUntil([this] {
        return table.State().RoundState == RoundPhase::Dealt && !table.State().StageInFlight;
    });
    const SnapshotRecords dealt = SnapshotCodec::Encode(table.Snapshot());
    std::set<std::string> used;
    for (int slot = 1; slot <= 15; ++slot) {
        for (const auto& [name, value] : dealt) {
            if (name == "Deal" + std::to_string(slot)) {
                used.insert(value);
            }
        }
    }
    int unused = 1;
    while (used.count(std::to_string(unused)) != 0) {
        ++unused;
    }
    for (int slot = 1; slot <= 5; ++slot) {
        EXPECT_EQ(Refusal(With(dealt, "Deal" + std::to_string(slot), std::to_string(unused))),
                  "hand card " + std::to_string(slot) + " is not the card dealt");
    }
}

// The flags a hand sets for the bonus meter are rarely up when a round is stored, but a
// restart must not lose them.
TEST_F(SnapshotCodecTest, TheBonusMetersFlagsAreStoredToo) {
    const SnapshotRecords offer = MidOffer();
    for (const char* flag : {"MeterStepFlag", "JackpotFlag"}) {
        const SnapshotRecords records = With(offer, flag, "1");
        const SnapshotDecoding decoded = SnapshotCodec::Decode(records);
        ASSERT_TRUE(decoded.Snapshot) << decoded.Reason;
        EXPECT_EQ(SnapshotCodec::Encode(*decoded.Snapshot), records) << flag;
    }
}

TEST_F(SnapshotCodecTest, TheRecordsAreNamedDecimalText) {
    const SnapshotRecords records = MidOffer();
    EXPECT_EQ(records.front(), (std::pair<std::string, std::string>{"SnapshotVersion", "1"}));
    for (const auto& [name, value] : records) {
        EXPECT_FALSE(name.empty());
        EXPECT_EQ(value.find_first_not_of("-0123456789"), std::string::npos) << name;
    }
}

TEST_F(SnapshotCodecTest, EveryWrittenValueIsRequired) {
    const SnapshotRecords records = MidOffer();
    for (std::size_t i = 0; i < records.size(); ++i) {
        SnapshotRecords damaged = records;
        damaged.erase(damaged.begin() + static_cast<std::ptrdiff_t>(i));
        EXPECT_EQ(Refusal(damaged), "the value " + records[i].first + " is missing");
    }
}

TEST_F(SnapshotCodecTest, UnknownNamesAreIgnoredButARepeatedNameIsNot) {
    SnapshotRecords records = MidOffer();
    records.emplace_back("Colour", "blue");
    EXPECT_EQ(Refusal(records), "accepted");
    records.push_back(records[3]);
    EXPECT_EQ(Refusal(records), "the value " + records[3].first + " appears twice");
}

// One step past either end of what an enumeration declares.
template <typename E>
std::vector<std::string> Outside() {
    using U = std::underlying_type_t<E>;
    return {std::to_string(static_cast<U>(E::First) - 1),
            std::to_string(static_cast<U>(E::Last) + 1)};
}

TEST_F(SnapshotCodecTest, ValuesOutsideTheirFieldAreRefused) {
    const SnapshotRecords records = MidOffer();
    std::vector<std::pair<std::string, std::string>> outOfRange = {
        {"Hand1", "54"},
        {"Hand1", "0"},
        {"Deal3", "-1"},
        {"StageInFlight", "-1"},
        {"Credit", "-5"},
        {"Credit", "2147483648"},
        {"BetIndex", "16"},
        {"DupStep", "0"},
        {"DupStep", "11"},
        {"Meter3", "-1"},
        {"PrizeStat4", "-1"},
        {"LastPrize", "12"},
        {"OrvaneNumber", "11"},
        {"Stars", "4"},
        {"Games", "11"},
        {"DupOpen", "2"},
        {"AuditWon", "9223372036854775807"},
        {"Game1Draws", "3"},
        {"Game1Guesses", "11"},
        {"SnapshotVersion", "2"}};
    for (const std::string& v : Outside<RoundPhase>())
        outOfRange.emplace_back("RoundState", v);
    for (const std::string& v : Outside<Suit>())
        outOfRange.emplace_back("Hand2Suit", v);
    for (const std::string& v : Outside<Message>())
        outOfRange.emplace_back("Banner", v);
    for (const std::string& v : Outside<ButtonLayout>())
        outOfRange.emplace_back("ButtonLayout", v);
    for (const std::string& v : Outside<GameEnd>())
        outOfRange.emplace_back("Game1End", v);
    for (const auto& [name, value] : outOfRange) {
        EXPECT_EQ(Refusal(With(records, name, value)), "the value " + name + " is out of range")
            << name << " = " << value;
    }
    // Inside the stored range of a rank (up to the joker's) but no rank of the deck.
    for (const std::string name : {"WinRank", "SecondRank"}) {
        for (const std::string rank : {"14", "98"}) {
            EXPECT_EQ(Refusal(With(records, name, rank)), "a rank of the hand is not a rank")
                << name << " = " << rank;
        }
    }
}

TEST_F(SnapshotCodecTest, TextThatIsNotAWholeDecimalNumberIsRefused) {
    const SnapshotRecords records = MidOffer();
    for (const std::string& bad :
         std::vector<std::string>{"", " 5", "5 ", "+5", "0x10", "1e3", "5.0", "-", "--1",
                                  "99999999999999999999", std::string("5\0", 2)}) {
        EXPECT_EQ(Refusal(With(records, "Credit", bad)), "the value Credit is not a number") << bad;
    }
    EXPECT_EQ(Refusal(With(records, "RandomState", "18446744073709551616")),
              "the value RandomState is not a number");
    EXPECT_EQ(Refusal(With(records, "RandomState", "-1")), "the value RandomState is not a number");
    EXPECT_EQ(Refusal(With(records, "RandomState", "18446744073709551615")), "accepted");
}

TEST_F(SnapshotCodecTest, CardsMustBeCardsOfTheirDeck) {
    const SnapshotRecords records = MidOffer();
    EXPECT_EQ(Refusal(With(records, "DupCard2", "20")), "double-up card 2 is a seven");
    EXPECT_EQ(Refusal(With(records, "DupCard2", "53")), "the value DupCard2 is out of range");
    // The ace of clubs is a club.
    EXPECT_EQ(Refusal(With(With(records, "Hand1", "1"), "Hand1Suit", "4")),
              "the suit of hand card 1 does not match its card");
}

TEST_F(SnapshotCodecTest, ARoundTheTableCannotReachIsRefused) {
    const SnapshotRecords offer = MidOffer();
    EXPECT_EQ(Refusal(With(offer, "DupOpen", "0")),
              table.State().RoundState == RoundPhase::FirstDrawWon
                  ? "a first-draw win is neither offered nor given up"
                  : "a second-draw win is not offered");
    EXPECT_EQ(Refusal(With(offer, "StageInFlight", "2")),
              "a first draw is in flight without a dealt hand");
    EXPECT_EQ(Refusal(With(offer, "LastPrize", "0")), "a won round has no prize");
    EXPECT_EQ(Refusal(With(offer, "GameNow", "0")), "the running game does not match the round");
    EXPECT_EQ(Refusal(With(offer, "BetIndex", table.State().BetIndex == 1 ? "2" : "1")),
              "the bet changed under a running stage or a win");

    const SnapshotRecords idle = Idle();
    EXPECT_EQ(Refusal(With(idle, "Win", "10")), "a win is held without an offer");
    EXPECT_EQ(Refusal(With(idle, "DupOpen", "1")), "a win is offered outside a won round");
    EXPECT_EQ(Refusal(With(idle, "StageInFlight", "3")),
              "a second draw is in flight without a first-draw win given up");
    EXPECT_EQ(Refusal(With(With(idle, "RoundState", "1"), "BetIndexAtDeal", "0")),
              "a round runs without a bet");
}

TEST_F(SnapshotCodecTest, ADealtHandMustBeFifteenDifferentCardsWithTheHandAmongThem) {
    PlayUntil([this] { return table.State().RoundState == RoundPhase::Dealt; });
    const SnapshotRecords dealt = SnapshotCodec::Encode(table.Snapshot());
    ASSERT_EQ(Refusal(dealt), "accepted");
    const TableState& s = table.State();
    EXPECT_EQ(Refusal(With(dealt, "Deal15", std::to_string(s.DealBuffer[1]))),
              "the dealt cards are not fifteen different cards");
    // The first replacement card, put in the hand where the dealt card was.
    const CardValue replacement = s.DealBuffer[6];
    const SnapshotRecords swapped =
        With(With(dealt, "Hand1", std::to_string(replacement)), "Hand1Suit",
             std::to_string(replacement == JokerValue ? 1 : SuitOfValue(replacement)));
    EXPECT_EQ(Refusal(swapped), "hand card 1 is not the card dealt");
}

// Stored once the stake is taken and before the cards are turned up, so a stop then shows
// the same cards: the deal must open a round and hold fifteen different cards.
TEST_F(SnapshotCodecTest, ADealInFlightOpensARoundWithFifteenDifferentCards) {
    table.Start(3);
    ASSERT_EQ(table.AddCredit(1000, true), CreditChange::Done);
    RecordingJournal journal(table);
    table.SetJournal(&journal);
    table.Deal();
    const auto dealing = std::find_if(journal.commits.begin(), journal.commits.end(), [](auto& e) {
        return e.snapshot.Table.StageInFlight == DrawStage::Deal;
    });
    ASSERT_NE(dealing, journal.commits.end());
    const SnapshotRecords records = SnapshotCodec::Encode(dealing->snapshot);
    ASSERT_EQ(Refusal(records), "accepted");
    EXPECT_EQ(
        Refusal(With(records, "Deal15", std::to_string(dealing->snapshot.Table.DealBuffer[1]))),
        "the dealt cards are not fifteen different cards");
    EXPECT_EQ(Refusal(With(records, "RoundState", "3")),
              "a deal is in flight in the middle of a round");
}

TEST_F(SnapshotCodecTest, GamesTheTableCouldNotHavePlayedAreRefused) {
    const SnapshotRecords records = MidOffer();
    EXPECT_EQ(Refusal(With(records, "Game1Bet", "0")), "the value Game1Bet is out of range");
    EXPECT_EQ(Refusal(With(records, "Game1End", "0")), "earlier game 1 is not possible");
    EXPECT_EQ(Refusal(With(records, "GameNowEnd", "2")), "the running game is not possible");
}

// Every game, draw and guess there can be, so that every value of the list is stored.
TableSnapshot Fullest() {
    TableSnapshot s;
    GameRecord game;
    game.Draws.resize(GameRecord::MaxDraws);
    game.Guesses.resize(GameRecord::MaxGuesses);
    s.Games.assign(GameHistory::Capacity, game);
    s.CurrentGame = game;
    return s;
}

// The texts a field must take back as they are, and those one step past either end.
std::pair<std::vector<std::string>, std::vector<std::string>> InsideAndOutside(
    const SnapshotField& field) {
    if (field.Unsigned) {
        const std::string top = std::to_string(std::numeric_limits<std::uint64_t>::max());
        std::string past = top;
        ++past.back();  // ...615 and one more
        return {{"0", "1", top}, {"-1", past}};
    }
    std::vector<std::string> inside;
    const std::int64_t span = field.Hi - field.Lo;
    for (std::int64_t v = field.Lo; span <= 64 && v <= field.Hi; ++v) {
        inside.push_back(std::to_string(v));
    }
    if (span > 64) {
        inside = {std::to_string(field.Lo), std::to_string(field.Lo + span / 2),
                  std::to_string(field.Hi)};
    }
    const std::string above = field.Hi == std::numeric_limits<std::int64_t>::max()
                                  ? std::to_string(static_cast<std::uint64_t>(field.Hi) + 1)
                                  : std::to_string(field.Hi + 1);
    return {inside, {std::to_string(field.Lo - 1), above}};
}

TEST(SnapshotSchema, EveryValueComesBackOverItsRangeAndOneStepOutsideIsRefused) {
    const TableSnapshot fullest = Fullest();
    for (const SnapshotField& field : SnapshotSchema()) {
        ASSERT_TRUE(field.IsPresentIn(fullest)) << field.Key;
        const auto [inside, outside] = InsideAndOutside(field);
        for (const std::string& text : inside) {
            TableSnapshot s = fullest;
            EXPECT_EQ(SnapshotCodec::ReadValue(field, text, s), "") << field.Key << " = " << text;
            EXPECT_EQ(SnapshotCodec::ValueText(field, s), text) << field.Key;
        }
        for (const std::string& text : outside) {
            TableSnapshot s = fullest;
            EXPECT_NE(SnapshotCodec::ReadValue(field, text, s), "") << field.Key << " = " << text;
        }
    }
}

TEST(SnapshotSchema, TheWriterWritesEveryValueOfTheListOnceInItsOrder) {
    const SnapshotRecords written = SnapshotCodec::Encode(Fullest());
    const std::vector<SnapshotField>& schema = SnapshotSchema();
    ASSERT_EQ(written.size(), schema.size());
    std::set<std::string> names;
    for (std::size_t i = 0; i < schema.size(); ++i) {
        EXPECT_EQ(written[i].first, schema[i].Key);
        names.insert(schema[i].Key);
    }
    EXPECT_EQ(names.size(), schema.size());
}

// Files written by earlier builds are read by these names: renaming or dropping one loses
// what those files hold, so it needs a new SnapshotCodec::Version and a reader of the old.
TEST(SnapshotSchema, TheStoredNamesAreTheOnesEarlierBuildsWrote) {
    std::string names;
    for (const auto& [name, value] : SnapshotCodec::Encode(Fullest())) {
        names += name + '\n';
    }
    std::uint64_t digest = 14695981039346656037ULL;
    for (const unsigned char c : names) {
        digest = (digest ^ c) * 1099511628211ULL;
    }
    EXPECT_EQ(digest, 3314620947565790425ULL) << names;
}

// What the resume keeps of the live table is only what the snapshot does not store.
TEST_F(SnapshotCodecTest, TheResumeTakesEveryTableValueTheSnapshotStores) {
    MidOffer();
    TableSnapshot stored;
    stored.Table = table.State();
    TableSnapshot live;
    int tableValues = 0;
    for (const SnapshotField& field : SnapshotSchema()) {
        if (field.InTable) {
            ++tableValues;
            field.Set(live, field.Get(stored) == field.Lo ? field.Hi : field.Lo);
        }
    }
    TableSnapshot resumed;
    resumed.Table = WithStoredPart(live.Table, stored.Table);
    for (const SnapshotField& field : SnapshotSchema()) {
        if (field.InTable) {
            EXPECT_EQ(field.Get(resumed), field.Get(stored)) << field.Key;
        }
    }
    EXPECT_GT(tableValues, 30);
}

// Seeded play, taken in and out of service now and then: every table it leaves behind,
// stages in flight included, reads back exactly as it was written.
TEST(SnapshotCodecPlay, EverySnapshotOfPlayedRoundsDecodes) {
    std::set<ButtonLayout> layouts;
    int outOfService = 0;
    for (std::uint32_t seed = 1; seed <= 8; ++seed) {
        FakeDisplay display;
        FakePause pause;
        FakeSettings settings;
        GameTable table(display, pause, settings);
        RecordingJournal journal(table);
        table.SetJournal(&journal);
        table.Start(seed);
        std::mt19937 service(seed);
        for (const PlayerAction& action : MakeScript(seed, 500)) {
            if (service() % 16 == 0) {
                table.SetOutOfService(!table.OutOfService());
            }
            Apply(table, action);
            journal.Commit();
            outOfService += table.OutOfService() ? 1 : 0;
        }
        for (const RecordingJournal::Entry& entry : journal.commits) {
            const SnapshotRecords records = SnapshotCodec::Encode(entry.snapshot);
            const SnapshotDecoding decoded = SnapshotCodec::Decode(records);
            ASSERT_TRUE(decoded.Snapshot) << decoded.Reason << " (seed " << seed << ")";
            ASSERT_EQ(SnapshotCodec::Encode(*decoded.Snapshot), records);
            layouts.insert(entry.snapshot.View.Layout);
        }
    }
    EXPECT_GT(outOfService, 100);
    // The play reached every layout the table shows (AllLit is the window's own).
    for (auto l = static_cast<int>(ButtonLayout::Idle); l <= static_cast<int>(ButtonLayout::Last);
         ++l) {
        EXPECT_TRUE(layouts.count(static_cast<ButtonLayout>(l))) << "layout " << l;
    }
}

// Every value replaced by every troublesome text: the decoder answers each one, and what
// it accepts a table can resume and play on from.
TEST_F(SnapshotCodecTest, HostileValuesNeverBreakTheDecoderOrTheTable) {
    const SnapshotRecords records = MidOffer();
    const std::vector<std::string> hostile = {"",
                                              "-",
                                              "0",
                                              "-1",
                                              "1",
                                              "2",
                                              "7",
                                              "10",
                                              "11",
                                              "53",
                                              "54",
                                              "99",
                                              "255",
                                              "2147483647",
                                              "-2147483648",
                                              "4294967296",
                                              "9223372036854775807",
                                              "-9223372036854775808",
                                              "18446744073709551615",
                                              "99999999999999999999999999",
                                              "abc",
                                              "1 ",
                                              "\xff\xfe"};
    int accepted = 0;
    for (std::size_t i = 0; i < records.size(); ++i) {
        for (const std::string& value : hostile) {
            SnapshotRecords damaged = records;
            damaged[i].second = value;
            const SnapshotDecoding decoded = SnapshotCodec::Decode(damaged);
            if (!decoded.Snapshot) {
                EXPECT_FALSE(decoded.Reason.empty());
                continue;
            }
            ++accepted;
            FakeDisplay d;
            FakePause p;
            FakeSettings s;
            GameTable resumed(d, p, s);
            resumed.Resume(*decoded.Snapshot);
            // A win of billions is real, but counting it in steps of 100 takes too long here.
            if (resumed.State().Win < 100000) {
                for (const PlayerAction& action : MakeScript(static_cast<std::uint32_t>(i), 12)) {
                    Apply(resumed, action);
                }
            }
            EXPECT_GE(resumed.State().Credit, 0);
            EXPECT_TRUE(SnapshotCodec::Decode(SnapshotCodec::Encode(resumed.Snapshot())).Snapshot)
                << damaged[i].first << " = " << value;
        }
    }
    EXPECT_GT(accepted, 0);
}

}  // namespace
}  // namespace orvane::test
