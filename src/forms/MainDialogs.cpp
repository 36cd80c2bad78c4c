#include "MainDialogs.h"

#include "TfrmOptions.h"
#include "TfrmStatistics.h"
#include "settings/TSettings.h"

namespace orvane {

MainDialogs::MainDialogs(Needs needs) : needs_(std::move(needs)) {}

void MainDialogs::ShowStatistics() {
    const auto runningTime = needs_.RunningTime;
    // The running time as a 32-bit tick difference, wrapping as the tick counter would.
    TfrmStatistics dialog(
        needs_.Owner, needs_.Settings->Counters,
        [runningTime] { return runningTime ? static_cast<std::uint32_t>(runningTime()) : 0U; },
        needs_.Ask);
    dialog.SetView(false);
    dialog.exec();
}

bool MainDialogs::ShowOptions(const QString& page) {
    TfrmOptions dialog(needs_.Owner, *needs_.Settings, needs_.Save);
    // A preview that cannot be read has been reported; the dialog then stays closed.
    if (!dialog.ShowOptions(page)) {
        return false;
    }
    return dialog.exec() == static_cast<int>(DialogResult::Ok);
}

}  // namespace orvane
