#include <gtest/gtest.h>

#include <limits>

#include "RecordingStore.h"

namespace orvane::test {
namespace {

std::vector<std::string> ExpectedSaveOrder() {
    std::vector<std::string> names = {
        "BetStep",          "MinBet",     "MaxBet",     "SoundEnabled", "InteractiveButtonsEnabled",
        "AutoHold",         "SaveCredit", "LastCredit", "StatsAtExit",  "CreditAtStart",
        "FullScreenAtStart"};
    for (int i = 1; i <= 11; ++i) {
        names.push_back("Prize" + std::to_string(i));
        names.push_back("Prize_stat" + std::to_string(i));
    }
    names.insert(names.end(), {"Credit_in", "Credit_out"});
    for (int i = 1; i <= 15; ++i) {
        names.push_back("Orvane_State" + std::to_string(i));
    }
    names.insert(names.end(), {"OrvaneNumber", "GameSpeed", "ThemeID", "SoundThemeID",
                               "CardLibraryID", "AnimatedCards", "AnimatedDupCards", "DupMode",
                               "HoldAdvisorEnabled", "FourColourDeck", "ReducedMotion"});
    return names;
}

// Every stored value away from its default, and each number different, so a value
// saved under the wrong name or not loaded shows.
void FillDistinct(Loaded& s) {
    TSettings& t = s.settings;
    s.table.BetStep = 11;
    s.table.MinBet = -12;
    s.table.MaxBet = 13;
    t.SoundEnabled = false;
    t.InteractiveButtonsEnabled = false;
    t.AutoHold = false;
    t.SaveCredit = false;
    t.LastCredit = 2147483647;
    t.StatsAtExit = true;
    t.CreditAtStart = true;
    t.FullScreenAtStart = true;
    for (int i = 1; i <= 11; ++i) {
        s.table.Multiplier[static_cast<std::size_t>(i)] = 2000 + i;
        t.Counters.PrizeStat[static_cast<std::size_t>(i)] = 300 + i;
    }
    t.Counters.CreditIn = 4000;
    t.Counters.CreditOut = -4001;
    for (int i = 1; i <= 15; ++i) {
        s.meter.State[static_cast<std::size_t>(i)] = i % 10;
    }
    s.table.OrvaneNumber = 9;
    t.GameSpeed = 3;
    t.ThemeID = 4;
    t.CardLibraryID = 3;
    t.SoundThemeID = 2;
    t.AnimatedCards = true;
    t.AnimatedDupCards = false;
    t.DupMode = 2;
    t.HoldAdvisorEnabled = true;
    t.FourColourDeck = true;
    t.ReducedMotion = true;
}

void ExpectSameStoredValues(const Loaded& a, const Loaded& b) {
    const TSettings& x = a.settings;
    const TSettings& y = b.settings;
    EXPECT_EQ(a.table.BetStep, b.table.BetStep);
    EXPECT_EQ(a.table.MinBet, b.table.MinBet);
    EXPECT_EQ(a.table.MaxBet, b.table.MaxBet);
    EXPECT_EQ(x.SoundEnabled, y.SoundEnabled);
    EXPECT_EQ(x.InteractiveButtonsEnabled, y.InteractiveButtonsEnabled);
    EXPECT_EQ(x.AutoHold, y.AutoHold);
    EXPECT_EQ(x.HoldAdvisorEnabled, y.HoldAdvisorEnabled);
    EXPECT_EQ(x.FourColourDeck, y.FourColourDeck);
    EXPECT_EQ(x.ReducedMotion, y.ReducedMotion);
    EXPECT_EQ(x.SaveCredit, y.SaveCredit);
    EXPECT_EQ(x.LastCredit, y.LastCredit);
    EXPECT_EQ(x.StatsAtExit, y.StatsAtExit);
    EXPECT_EQ(x.CreditAtStart, y.CreditAtStart);
    EXPECT_EQ(x.FullScreenAtStart, y.FullScreenAtStart);
    EXPECT_EQ(a.table.Multiplier, b.table.Multiplier);
    EXPECT_EQ(x.Counters.PrizeStat, y.Counters.PrizeStat);
    EXPECT_EQ(x.Counters.CreditIn, y.Counters.CreditIn);
    EXPECT_EQ(x.Counters.CreditOut, y.Counters.CreditOut);
    EXPECT_EQ(a.meter.State, b.meter.State);
    EXPECT_EQ(a.table.OrvaneNumber, b.table.OrvaneNumber);
    EXPECT_EQ(x.GameSpeed, y.GameSpeed);
    EXPECT_EQ(x.ThemeID, y.ThemeID);
    EXPECT_EQ(x.CardLibraryID, y.CardLibraryID);
    EXPECT_EQ(x.SoundThemeID, y.SoundThemeID);
    EXPECT_EQ(x.AnimatedCards, y.AnimatedCards);
    EXPECT_EQ(x.AnimatedDupCards, y.AnimatedDupCards);
    EXPECT_EQ(x.DupMode, y.DupMode);
}

TEST(SettingsSave, EveryValueSurvivesSaveAndLoad) {
    RecordingStore store;
    Loaded first(store);
    FillDistinct(first);
    EXPECT_TRUE(first.Save().empty());

    Loaded second(store);
    EXPECT_TRUE(second.Load().empty());
    ExpectSameStoredValues(first, second);
    EXPECT_EQ(second.settings.DealDelay, 300);
    EXPECT_EQ(second.settings.SoundThemeFolder, "/opt/orvane/Data/zqs2/");
    EXPECT_EQ(*store.MemoryStore::Read("Credit_out"), "-4001");
}

TEST(SettingsSave, CountersBeyond32BitsAreWrittenAndReadBackExactly) {
    RecordingStore store;
    Loaded first(store);
    first.settings.Counters.CreditIn = 5'000'000'000'123LL;
    first.settings.Counters.CreditOut = std::numeric_limits<std::int64_t>::max();
    first.settings.Counters.PrizeStat[11] = 2147483648LL;
    EXPECT_TRUE(first.Save().empty());
    EXPECT_EQ(*store.MemoryStore::Read("Credit_in"), "5000000000123");
    EXPECT_EQ(*store.MemoryStore::Read("Prize_stat11"), "2147483648");

    Loaded second(store);
    EXPECT_TRUE(second.Load().empty());
    EXPECT_EQ(second.settings.Counters.CreditIn, 5'000'000'000'123LL);
    EXPECT_EQ(second.settings.Counters.CreditOut, std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(second.settings.Counters.PrizeStat[11], 2147483648LL);
}

TEST(SettingsSave, WritesEveryStoredValueInSaveOrderAndNothingElse) {
    RecordingStore store;
    Loaded s(store);
    s.settings.Counters.RunCreditIn = 5;
    s.Save();
    EXPECT_EQ(store.Names("write"), ExpectedSaveOrder());
    EXPECT_EQ(store.Names("read"), std::vector<std::string>{});
}

TEST(SettingsSave, FlagsAreWrittenAsOneOrZero) {
    RecordingStore store;
    store.MemoryStore::Write("SoundEnabled", "5");
    store.MemoryStore::Write("AutoHold", "0");
    Loaded s(store);
    s.Load();
    s.Save();
    EXPECT_EQ(*store.MemoryStore::Read("SoundEnabled"), "1");
    EXPECT_EQ(*store.MemoryStore::Read("AutoHold"), "0");
}

TEST(SettingsSave, CountdownAboveFullIsPlayedAsItIsAndSavedAsFull) {
    RecordingStore store;
    store.MemoryStore::Write("Orvane_State4", "25");
    store.MemoryStore::Write("Orvane_State5", "-3");
    Loaded s(store);
    s.Load();
    EXPECT_EQ(s.meter.State[4], 25);
    s.Save();
    EXPECT_EQ(s.meter.State[4], 10);
    EXPECT_EQ(*store.MemoryStore::Read("Orvane_State4"), "10");
    EXPECT_EQ(*store.MemoryStore::Read("Orvane_State5"), "-3");
}

TEST(SettingsSave, PayTableAndLastCreditAreWrittenBack) {
    RecordingStore store;
    store.MemoryStore::Write("Prize1", "2000");
    Loaded s(store);
    s.Load();
    EXPECT_EQ(s.table.Multiplier[1], 2000);
    s.settings.SaveCredit = false;
    s.settings.LastCredit = 350;
    s.Save();
    EXPECT_EQ(*store.MemoryStore::Read("Prize1"), "2000");
    EXPECT_EQ(*store.MemoryStore::Read("SaveCredit"), "0");
    EXPECT_EQ(*store.MemoryStore::Read("LastCredit"), "350");
}

TEST(SettingsSave, DamagedValueIsReplacedByItsDefaultAtTheNextSave) {
    RecordingStore store;
    store.MemoryStore::Write("Prize3", "abc");
    store.MemoryStore::Write("Prize4", "77");
    Loaded s(store);
    s.Load();
    s.Save();
    EXPECT_EQ(*store.MemoryStore::Read("Prize3"), "100");
    EXPECT_EQ(*store.MemoryStore::Read("Prize4"), "77");
}

}  // namespace
}  // namespace orvane::test
