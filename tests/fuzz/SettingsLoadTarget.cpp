#include <string>
#include <string_view>

#include "Targets.h"
#include "game/TOrvane.h"
#include "game/TableState.h"
#include "settings/MemoryStore.h"
#include "settings/SettingsSchema.h"
#include "settings/TSettings.h"

namespace orvane::fuzz {

namespace {

// Line n of the input is the stored text of the n-th value of the schema; an empty line
// leaves that value out of the store.
MemoryStore StoreFromLines(FuzzBytes bytes) {
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    MemoryStore store;
    std::size_t start = 0;
    for (const StoredValue& value : SettingsSchema()) {
        if (start > text.size()) {
            break;
        }
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view line = text.substr(start, end - start);
        if (!line.empty()) {
            store.Write(value.Name, std::string(line));
        }
        start = end + 1;
    }
    return store;
}

struct LoadedSettings {
    explicit LoadedSettings(SettingsStore& store) : settings(store, "/opt/orvane") {}

    TSettings settings;
    TableState table;
    TOrvane meter;
};

}  // namespace

void FuzzSettingsLoad(FuzzBytes bytes) {
    MemoryStore store = StoreFromLines(bytes);
    LoadedSettings first(store);
    first.settings.Load(first.table, first.meter);
    first.settings.Save(first.table, first.meter);

    // Whatever the store held, what the game saved from it reads back without a complaint
    // and saves unchanged.
    MemoryStore saved = store;
    LoadedSettings second(saved);
    const SettingsReport report = second.settings.Load(second.table, second.meter);
    FuzzCheck(report.empty(), "a store the game saved itself does not load cleanly");
    second.settings.Save(second.table, second.meter);
    FuzzCheck(saved.Values() == store.Values(), "saving what was loaded changed the store");
}

}  // namespace orvane::fuzz
