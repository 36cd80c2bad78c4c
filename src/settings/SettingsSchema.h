#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "OrvaneVersion.h"

namespace orvane {

class TSettings;
struct TableState;
struct TOrvane;

// The version text of this program: the name of the group the values live in, and the
// text of the stored "Version" value.
inline constexpr std::string_view SettingsVersion = ProgramVersion;

// The objects the stored values live in during a run.
struct SettingsTargets {
    TSettings& settings;
    TableState& table;
    TOrvane& meter;
};

// Where one stored value lives in memory: a number, a 64-bit counter, or a flag stored as
// "1"/"0".
using ValuePlace = std::variant<std::int32_t*, std::int64_t*, bool*>;

// What the load does right after reading a value, before reading the next.
enum class AfterLoad { Nothing, ApplyGameSpeed, ApplyTheme, ApplySoundTheme };

// One named value of the store. Load and Save both run over the one schema, so the two
// cannot drift apart: the load takes the values in the order of the schema, the save
// in the order of SaveRank.
struct StoredValue {
    using PlaceFn = ValuePlace (*)(SettingsTargets&, int index);

    std::string Name;
    std::int32_t Default = 0;
    // nullptr for the version mark, which the load checks and fixes, and nothing keeps.
    PlaceFn Place = nullptr;
    int Index = 0;      // the element, for values that belong to an array
    int SaveRank = -1;  // position in the save; -1: never saved
    // The save first brings a higher value down to this, in the object it lives in.
    std::optional<std::int32_t> SaveCeiling;
    AfterLoad After = AfterLoad::Nothing;

    bool IsVersionMark() const { return Place == nullptr; }
    ValuePlace PlaceIn(SettingsTargets& targets) const { return Place(targets, Index); }
};

// Every stored value, in load order.
const std::vector<StoredValue>& SettingsSchema();

// The values the save writes, in save order.
const std::vector<const StoredValue*>& SettingsSaveOrder();

}  // namespace orvane
