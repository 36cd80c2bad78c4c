#include "MainDialogs.h"

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

}  // namespace orvane
