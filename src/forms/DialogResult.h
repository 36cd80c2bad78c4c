#pragma once

namespace orvane {

// The results a dialog ends with. The numbers are the platform's standard dialog results,
// which callers and stored habits rely on; only Yes counts as agreement to a question.
enum class DialogResult : int {
    None = 0,
    Ok = 1,
    Cancel = 2,
    Yes = 6,
    No = 7,
};

}  // namespace orvane
