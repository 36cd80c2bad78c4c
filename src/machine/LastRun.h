#pragma once

#include <memory>

#include "TableLedger.h"

namespace orvane {

class CriticalStore;
class GameTable;
class TSettings;

// Puts back what the last run left, after the table's Start and before anything is
// played. With a store for the records, the ledger takes back what the store holds and
// keeps every change from then on; none without one. The credit kept at the last close
// is added unless the run was interrupted: then the credit is already on the table.
std::unique_ptr<TableLedger> RestoreLastRun(CriticalStore* store, GameTable& table,
                                            TSettings& settings, TableLedger::Tell tell);

}  // namespace orvane
