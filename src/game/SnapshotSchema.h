#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "TableSnapshot.h"

namespace orvane {

// One stored value of the snapshot: its name, the range a stored value must lie in, and
// how it maps to the snapshot. The writer, the reader and the resume all run over the one
// list of them, so a value cannot be written without being read, or the other way round.
template <typename Owner>
struct StoredField {
    std::string Key;
    std::int64_t Lo = 0;
    std::int64_t Hi = 0;
    // The random state takes all 64 bits: stored without a sign, and every value is one.
    bool Unsigned = false;
    // A value of the table state proper, which the resume takes from the snapshot.
    bool InTable = false;

    // An unsigned value travels as its bits.
    std::function<std::int64_t(const Owner&)> Get;
    std::function<void(Owner&, std::int64_t)> Set;
    // Whether the value is stored at all, going by the values before it (the games, their
    // draws and their guesses are counted first). Empty: always.
    std::function<bool(const Owner&)> Present;
    // Run right after the value is read, while nothing else is wrong: why it cannot stand
    // beside the values read before it, or empty.
    std::function<std::string(const Owner&)> Check;

    bool IsPresentIn(const Owner& o) const { return !Present || Present(o); }
};
using SnapshotField = StoredField<TableSnapshot>;

// Every stored value of the snapshot in the stored order, as the fullest snapshot (every
// game, draw and guess there can be) holds them; a value that is not present is skipped.
const std::vector<SnapshotField>& SnapshotSchema();

// The table as the snapshot stored it. Whatever the snapshot does not store stays as
// `live` has it: the pay table and the stored bet limits, which the settings keep.
TableState WithStoredPart(const TableState& live, const TableState& stored);

}  // namespace orvane
