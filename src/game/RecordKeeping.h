#pragma once

namespace orvane {

// Whether what the table does can outlive the program. While the records cannot be kept
// (a full disk, a folder that cannot be written), a kill or a close would lose every coin
// and stake taken since, so the table takes none.
enum class RecordKeeping { Kept, CannotBeKept };

}  // namespace orvane
