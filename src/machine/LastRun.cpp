#include "LastRun.h"

#include "game/GameTable.h"
#include "settings/TSettings.h"

namespace orvane {

std::unique_ptr<TableLedger> RestoreLastRun(CriticalStore* store, GameTable& table,
                                            TSettings& settings, TableLedger::Tell tell) {
    std::unique_ptr<TableLedger> ledger;
    TableLedger::Restored restored = TableLedger::Restored::Nothing;
    if (store != nullptr) {
        ledger = std::make_unique<TableLedger>(*store, table, settings, std::move(tell));
        restored = ledger->Restore();
        table.SetJournal(ledger.get());
    }
    if (restored != TableLedger::Restored::Interrupted && settings.SaveCredit &&
        settings.LastCredit > 0) {
        table.AddCredit(settings.LastCredit, false);
    }
    return ledger;
}

}  // namespace orvane
