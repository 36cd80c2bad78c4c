#include <string_view>

#include "Targets.h"
#include "game/SnapshotCodec.h"
#include "settings/CriticalRecords.h"

namespace orvane::fuzz {

void FuzzCriticalRecords(FuzzBytes bytes) {
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    const DecodedRecords decoded = DecodeRecords(text);
    if (!decoded.Content) {
        FuzzCheck(!decoded.Failure.empty(), "a refused record file gives no reason");
        return;
    }
    // What was accepted writes back to bytes that read the same.
    const EncodedRecords encoded = EncodeRecords(*decoded.Content);
    FuzzCheck(encoded.Bytes.has_value(), "an accepted record file cannot be written back");
    const DecodedRecords again = DecodeRecords(*encoded.Bytes);
    FuzzCheck(again.Content && again.Content->Records == decoded.Content->Records &&
                  again.Content->Sequence == decoded.Content->Sequence,
              "a record file written back reads differently");

    // The saved table inside: refused with a reason, or taken whole and stable.
    const SnapshotDecoding table = SnapshotCodec::Decode(decoded.Content->Records);
    if (!table.Snapshot) {
        FuzzCheck(!table.Reason.empty(), "a refused table gives no reason");
        return;
    }
    const SnapshotRecords records = SnapshotCodec::Encode(*table.Snapshot);
    const SnapshotDecoding reread = SnapshotCodec::Decode(records);
    FuzzCheck(reread.Snapshot.has_value(), "an accepted table does not read back");
    FuzzCheck(SnapshotCodec::Encode(*reread.Snapshot) == records,
              "an accepted table reads back differently");
}

}  // namespace orvane::fuzz
