#pragma once

#include <string>
#include <vector>

#include "settings/MemoryStore.h"
#include "settings/TSettings.h"

namespace orvane::test {

// An in-memory store that also notes every read and write, in order, so a test can
// check the order of the stored values and what a load wrote back.
class RecordingStore : public MemoryStore {
  public:
    std::optional<std::string> Read(const std::string& name) override {
        log.push_back("read " + name);
        return MemoryStore::Read(name);
    }
    void Write(const std::string& name, const std::string& value) override {
        log.push_back("write " + name + "=" + value);
        MemoryStore::Write(name, value);
    }
    bool Flush() override { return flushWorks; }

    // The names of the log lines that start with kind ("read" or "write").
    std::vector<std::string> Names(const std::string& kind) const {
        std::vector<std::string> names;
        for (const std::string& line : log) {
            if (line.rfind(kind + " ", 0) == 0) {
                const std::string rest = line.substr(kind.size() + 1);
                names.push_back(rest.substr(0, rest.find('=')));
            }
        }
        return names;
    }

    std::vector<std::string> log;
    bool flushWorks = true;
};

// A settings object with the table and the meter its stored values live in.
struct Loaded {
    explicit Loaded(SettingsStore& store) : settings(store, "/opt/orvane") {}
    SettingsReport Load() { return settings.Load(table, meter); }
    SettingsReport Save() { return settings.Save(table, meter); }

    TSettings settings;
    TableState table;
    TOrvane meter;
};

// Value names in the load order: Version first, arrays by element.
inline std::vector<std::string> ExpectedLoadOrder() {
    std::vector<std::string> names = {"Version",     "BetStep",       "MinBet",
                                      "MaxBet",      "SoundEnabled",  "InteractiveButtonsEnabled",
                                      "AutoHold",    "SaveCredit",    "LastCredit",
                                      "StatsAtExit", "CreditAtStart", "FullScreenAtStart"};
    for (int i = 1; i <= 11; ++i) {
        names.push_back("Prize" + std::to_string(i));
    }
    for (int i = 1; i <= 11; ++i) {
        names.push_back("Prize_stat" + std::to_string(i));
    }
    names.insert(names.end(), {"Credit_in", "Credit_out"});
    for (int i = 1; i <= 15; ++i) {
        names.push_back("Orvane_State" + std::to_string(i));
    }
    names.insert(names.end(), {"OrvaneNumber", "GameSpeed", "ThemeID", "CardLibraryID",
                               "SoundThemeID", "AnimatedCards", "AnimatedDupCards", "DupMode",
                               "HoldAdvisorEnabled", "FourColourDeck", "ReducedMotion"});
    return names;
}

}  // namespace orvane::test
