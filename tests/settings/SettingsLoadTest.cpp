#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <stdexcept>

#include "RecordingStore.h"

namespace orvane::test {
namespace {

// What a first run must leave in the store: every value with its default.
std::map<std::string, std::string> FirstRunValues() {
    std::map<std::string, std::string> v = {
        {"Version", "2.4"},    {"BetStep", "10"},          {"MinBet", "10"},
        {"MaxBet", "100"},     {"SoundEnabled", "1"},      {"InteractiveButtonsEnabled", "1"},
        {"AutoHold", "1"},     {"SaveCredit", "1"},        {"LastCredit", "0"},
        {"StatsAtExit", "0"},  {"CreditAtStart", "0"},     {"FullScreenAtStart", "0"},
        {"Credit_in", "0"},    {"Credit_out", "0"},        {"OrvaneNumber", "7"},
        {"GameSpeed", "2"},    {"ThemeID", "1"},           {"CardLibraryID", "1"},
        {"SoundThemeID", "1"}, {"AnimatedCards", "0"},     {"AnimatedDupCards", "1"},
        {"DupMode", "1"},      {"HoldAdvisorEnabled", "0"}};
    v["FourColourDeck"] = "0";
    v["ReducedMotion"] = "0";
    const char* prizes[] = {"1100", "500", "100", "40", "10", "9", "7", "5", "3", "2", "12"};
    for (int i = 1; i <= 11; ++i) {
        v["Prize" + std::to_string(i)] = prizes[i - 1];
        v["Prize_stat" + std::to_string(i)] = "0";
    }
    for (int i = 1; i <= 15; ++i) {
        v["Orvane_State" + std::to_string(i)] = "10";
    }
    return v;
}

// A store as a first run leaves it, with some values changed.
RecordingStore StoreWith(const std::map<std::string, std::string>& changes) {
    RecordingStore store;
    for (const auto& [name, value] : FirstRunValues()) {
        store.MemoryStore::Write(name, value);
    }
    for (const auto& [name, value] : changes) {
        store.MemoryStore::Write(name, value);
    }
    return store;
}

TEST(SettingsLoad, FirstRunWritesEveryValueWithItsDefault) {
    RecordingStore store;
    Loaded s(store);
    EXPECT_TRUE(s.Load().empty());
    EXPECT_EQ(store.Values(), FirstRunValues());

    EXPECT_EQ(s.table.Multiplier, DefaultMultipliers);
    EXPECT_EQ(s.table.OrvaneNumber, 7);
    EXPECT_EQ(s.table.MaxBet, 100);
    EXPECT_EQ(s.meter.State[15], 10);
    EXPECT_TRUE(s.settings.SoundEnabled);
    EXPECT_FALSE(s.settings.AnimatedCards);
    EXPECT_EQ(s.settings.HoldDelay, 50);
    EXPECT_EQ(s.settings.DealDelay, 100);
    EXPECT_EQ(s.settings.SoundThemeFolder, "/opt/orvane/Data/zqs1/");
    EXPECT_EQ(s.settings.PayLineColor[3], (Rgb{222, 198, 162}));
}

TEST(SettingsLoad, ReadsInOrderAndAppliesSpeedThemeAndSoundOnTheWay) {
    RecordingStore store = StoreWith({{"GameSpeed", "3"}, {"SoundThemeID", "2"}});
    Loaded s(store);
    int dealDelayAtTheme = 0;
    s.settings.OnApplyTheme = [&] {
        store.log.push_back("theme");
        dealDelayAtTheme = s.settings.DealDelay;
    };
    s.settings.OnApplySoundTheme = [&] {
        store.log.push_back("sound " + s.settings.SoundThemeFolder);
    };
    s.Load();

    EXPECT_EQ(store.Names("read"), ExpectedLoadOrder());
    const std::vector<std::string> tail(store.log.end() - 10, store.log.end() - 2);
    EXPECT_EQ(tail, (std::vector<std::string>{"read CardLibraryID", "theme", "read SoundThemeID",
                                              "sound /opt/orvane/Data/zqs2/", "read AnimatedCards",
                                              "read AnimatedDupCards", "read DupMode",
                                              "read HoldAdvisorEnabled"}));
    EXPECT_EQ(dealDelayAtTheme, 300);
    EXPECT_EQ(s.settings.HoldDelay, 100);
}

TEST(SettingsLoad, OtherVersionTextIsRewrittenAndNothingElse) {
    RecordingStore store = StoreWith({{"Version", "2.3"}, {"Prize1", "2000"}, {"Credit_in", "77"}});
    Loaded s(store);
    s.Load();
    EXPECT_EQ(store.Names("write"), std::vector<std::string>{"Version"});
    EXPECT_EQ(*store.MemoryStore::Read("Version"), "2.4");
    EXPECT_EQ(s.table.Multiplier[1], 2000);
    EXPECT_EQ(s.settings.Counters.CreditIn, 77);
}

TEST(SettingsLoad, AnyNonZeroNumberTurnsAFlagOn) {
    RecordingStore store = StoreWith({{"SoundEnabled", "5"},
                                      {"AutoHold", " -1 "},
                                      {"AnimatedCards", "0"},
                                      {"AnimatedDupCards", "0"}});
    Loaded s(store);
    s.Load();
    EXPECT_TRUE(s.settings.SoundEnabled);
    EXPECT_TRUE(s.settings.AutoHold);
    EXPECT_FALSE(s.settings.AnimatedCards);
    EXPECT_FALSE(s.settings.AnimatedDupCards);
}

TEST(SettingsLoad, TheHoldAdvisorIsOffUnlessStoredOnAndADamagedValueReadsAsOff) {
    {
        RecordingStore store = StoreWith({});
        Loaded s(store);
        s.Load();
        EXPECT_FALSE(s.settings.HoldAdvisorEnabled);
        EXPECT_EQ(*store.MemoryStore::Read("HoldAdvisorEnabled"), "0");
    }
    {
        RecordingStore store = StoreWith({{"HoldAdvisorEnabled", "1"}});
        Loaded s(store);
        s.Load();
        EXPECT_TRUE(s.settings.HoldAdvisorEnabled);
    }
    RecordingStore store = StoreWith({{"HoldAdvisorEnabled", "on!"}});
    Loaded s(store);
    EXPECT_EQ(s.Load().size(), 1U);  // reported, not trusted
    EXPECT_FALSE(s.settings.HoldAdvisorEnabled);
}

// A store written before these options existed lacks them: each reads as off, is written
// back, and a stored "1" turns it on.
TEST(SettingsLoad, LookOptionsAreOffInAnOlderStoreAndFollowTheStoredValue) {
    for (const auto& [name, field] : {std::pair{"FourColourDeck", &TSettings::FourColourDeck},
                                      std::pair{"ReducedMotion", &TSettings::ReducedMotion}}) {
        RecordingStore older;
        for (const auto& [stored, value] : FirstRunValues()) {
            if (stored != name) {
                older.MemoryStore::Write(stored, value);
            }
        }
        Loaded off(older);
        EXPECT_TRUE(off.Load().empty());
        EXPECT_FALSE(off.settings.*field) << name;
        EXPECT_EQ(*older.MemoryStore::Read(name), "0");
        RecordingStore store = StoreWith({{name, "1"}});
        Loaded on(store);
        on.Load();
        EXPECT_TRUE(on.settings.*field) << name;
    }
}

TEST(SettingsLoad, ValuesAreTakenAsTheyAreWithoutRangeChecks) {
    RecordingStore store = StoreWith({{"MinBet", "-5"},
                                      {"MaxBet", "3"},
                                      {"Credit_in", "-100"},
                                      {"Orvane_State4", "25"},
                                      {"Prize1", "2000"},
                                      {"ThemeID", "-3"},
                                      {"GameSpeed", "7"},
                                      {"DupMode", "9"}});
    Loaded s(store);
    EXPECT_TRUE(s.Load().empty());
    EXPECT_EQ(s.table.MinBet, -5);
    EXPECT_EQ(s.table.MaxBet, 3);
    EXPECT_EQ(s.settings.Counters.CreditIn, -100);
    EXPECT_EQ(s.meter.State[4], 25);
    EXPECT_EQ(s.table.Multiplier[1], 2000);
    EXPECT_EQ(s.settings.ThemeID, -3);
    EXPECT_EQ(s.settings.DupMode, 9);
    // An unknown speed keeps the pauses in force, an unknown theme keeps the colours.
    EXPECT_EQ(s.settings.DealDelay, 100);
    EXPECT_EQ(s.settings.ButtonColor, (Rgb{255, 255, 0}));
}

TEST(SettingsLoad, GameSpeedSelectsThePauses) {
    MemoryStore store;
    TSettings settings(store);
    const std::pair<int, std::pair<int, int>> cases[] = {
        {1, {10, 20}}, {3, {100, 300}}, {0, {100, 300}}, {2, {50, 100}}, {4, {50, 100}}};
    for (const auto& [speed, pauses] : cases) {
        settings.GameSpeed = speed;
        settings.ApplyGameSpeed();
        EXPECT_EQ(settings.HoldDelay, pauses.first) << speed;
        EXPECT_EQ(settings.DealDelay, pauses.second) << speed;
    }
}

TEST(SettingsLoad, DamagedValueIsReportedAndTheRestStillLoads) {
    RecordingStore store = StoreWith({{"Prize3", "abc"}, {"Credit_in", "12"}, {"DupMode", "2"}});
    const auto before = store.Values();
    Loaded s(store);
    s.table.Multiplier[3] = 555;
    const SettingsReport report = s.Load();

    ASSERT_EQ(report.size(), 1u);
    EXPECT_NE(report[0].find("\"Prize3\""), std::string::npos) << report[0];
    EXPECT_NE(report[0].find("\"abc\""), std::string::npos) << report[0];
    EXPECT_NE(report[0].find("default 100"), std::string::npos) << report[0];
    EXPECT_EQ(s.table.Multiplier[3], 100);
    EXPECT_EQ(s.settings.Counters.CreditIn, 12);
    EXPECT_EQ(s.settings.DupMode, 2);
    EXPECT_EQ(store.Names("read"), ExpectedLoadOrder());
    EXPECT_EQ(store.Values(), before);
}

TEST(SettingsLoad, StatisticsCountersReadSixtyFourBitsAndOlder32BitValues) {
    RecordingStore store = StoreWith({{"Prize_stat4", "9223372036854775807"},
                                      {"Prize_stat10", "2147483647"},
                                      {"Credit_in", "4294967296000"},
                                      {"Credit_out", "2147483648"}});
    Loaded s(store);
    EXPECT_TRUE(s.Load().empty());
    EXPECT_EQ(s.settings.Counters.PrizeStat[4], std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(s.settings.Counters.PrizeStat[10], 2147483647);
    EXPECT_EQ(s.settings.Counters.CreditIn, 4294967296000LL);
    EXPECT_EQ(s.settings.Counters.CreditOut, 2147483648LL);
}

TEST(SettingsLoad, ACounterBeyondSixtyFourBitsIsADamagedValue) {
    RecordingStore store = StoreWith({{"Credit_in", "9223372036854775808"}});
    Loaded s(store);
    const SettingsReport report = s.Load();
    ASSERT_EQ(report.size(), 1u);
    EXPECT_NE(report[0].find("\"Credit_in\""), std::string::npos) << report[0];
    EXPECT_NE(report[0].find("9223372036854775807;"), std::string::npos) << report[0];
    EXPECT_EQ(s.settings.Counters.CreditIn, 0);
}

TEST(SettingsLoad, AHugeDamagedValueIsQuotedCutShort) {
    const std::string huge(100'000, 'x');
    RecordingStore store = StoreWith({{"Prize3", huge}, {"ThemeID", "12345"}});
    Loaded s(store);
    const SettingsReport report = s.Load();
    ASSERT_EQ(report.size(), 1u);
    EXPECT_NE(report[0].find("\"" + std::string(ReportedTextLength, 'x') + "...\""),
              std::string::npos);
    EXPECT_LT(report[0].size(), 300u);
}

TEST(SettingsLoad, QuotedTextsAreCutAtWholeCharacters) {
    EXPECT_EQ(ShortenedForReport("short"), "short");
    EXPECT_EQ(ShortenedForReport(std::string(ReportedTextLength, 'a')),
              std::string(ReportedTextLength, 'a'));
    std::string accents;
    for (std::size_t i = 0; i < ReportedTextLength + 5; ++i) {
        accents += "\xC3\xA9";  // é, two bytes each
    }
    EXPECT_EQ(ShortenedForReport(accents), accents.substr(0, 2 * ReportedTextLength) + "...");
}

TEST(SettingsLoad, NumbersBeyond32BitsAreDamagedValues) {
    RecordingStore store = StoreWith(
        {{"LastCredit", "2147483648"}, {"Credit_out", "-2147483648"}, {"Prize11", "2147483647"}});
    Loaded s(store);
    const SettingsReport report = s.Load();
    ASSERT_EQ(report.size(), 1u);
    EXPECT_NE(report[0].find("\"LastCredit\""), std::string::npos);
    EXPECT_EQ(s.settings.LastCredit, 0);
    EXPECT_EQ(s.settings.Counters.CreditOut, std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(s.table.Multiplier[11], 2147483647);
}

TEST(SettingsLoad, FailingThemeIsReportedAndTheLoadGoesOn) {
    RecordingStore store = StoreWith({{"ThemeID", "4"}, {"DupMode", "2"}});
    Loaded s(store);
    s.settings.OnApplyTheme = [] { throw std::runtime_error("bm_w.zqi cannot be read"); };
    const SettingsReport report = s.Load();
    ASSERT_EQ(report.size(), 1u);
    EXPECT_NE(report[0].find("bm_w.zqi cannot be read"), std::string::npos);
    EXPECT_EQ(s.settings.MeterUnlitColor, (Rgb{94, 94, 0}));
    EXPECT_EQ(s.settings.SoundThemeFolder, "/opt/orvane/Data/zqs1/");
    EXPECT_EQ(s.settings.DupMode, 2);
}

// Told once for a run of failed saves, and again when a later save fails anew.
TEST(SettingsLoad, StoreThatCannotBeWrittenIsReportedOncePerRunOfFailures) {
    RecordingStore store;
    store.flushWorks = false;
    Loaded s(store);
    const SettingsReport first = s.Load();
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(first[0],
              "The settings could not be written. Play goes on with them as they are, and every "
              "save tries again.");
    EXPECT_EQ(s.Save().size(), 0u);
    store.flushWorks = true;
    EXPECT_EQ(s.Save().size(), 0u);
    store.flushWorks = false;
    EXPECT_EQ(s.Save().size(), 1u);
}

TEST(SettingsLoad, AccessValueReadsWithEmptyValueAndWritesOtherwise) {
    MemoryStore store;
    TSettings settings(store);
    EXPECT_EQ(settings.AccessValue("ThemeID", ""), "");
    EXPECT_EQ(settings.AccessValue("ThemeID", "3"), "");
    EXPECT_EQ(settings.AccessValue("ThemeID", ""), "3");
    EXPECT_EQ(store.Values().size(), 1u);
}

}  // namespace
}  // namespace orvane::test
