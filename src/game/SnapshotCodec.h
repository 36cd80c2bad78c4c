#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "TableSnapshot.h"

namespace orvane {

// Named values as decimal text, in a fixed order.
using SnapshotRecords = std::vector<std::pair<std::string, std::string>>;

template <typename Owner>
struct StoredField;
using SnapshotField = StoredField<TableSnapshot>;

struct SnapshotDecoding {
    std::optional<TableSnapshot> Snapshot;
    std::string Reason;  // why there is none
};

// A table snapshot as named decimal records and back. Decoding trusts nothing: every
// value is range-checked against its field and the round must be one the table could
// have reached; anything else is refused with the reason, never half-read.
class SnapshotCodec {
  public:
    static constexpr std::int32_t Version = 1;

    static SnapshotRecords Encode(const TableSnapshot& snapshot);
    static SnapshotDecoding Decode(const SnapshotRecords& records);

    // One value as it is stored, and back: the text must be a whole decimal number within
    // the field's range; an empty answer means it was taken into `snapshot`, any other
    // says why not.
    static std::string ValueText(const SnapshotField& field, const TableSnapshot& snapshot);
    static std::string ReadValue(const SnapshotField& field, const std::string& text,
                                 TableSnapshot& snapshot);
};

}  // namespace orvane
