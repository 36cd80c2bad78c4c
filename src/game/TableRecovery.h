#pragma once

#include <cstdint>

#include "BonusMeter.h"
#include "CreditAudit.h"
#include "DoubleUp.h"
#include "GameHistory.h"
#include "Journal.h"
#include "PayLines.h"
#include "RandomSource.h"
#include "RecordKeeping.h"
#include "TableSettings.h"
#include "TableSnapshot.h"
#include "TableState.h"
#include "TableView.h"

namespace orvane {

// What lets the table outlive the program and refuse money it could not keep: the
// snapshot of every part, the table put back from one and drawn again, the settling of
// each action into the journal, and the refusal of coins and stakes (with its banner and
// idle layout) while the journal cannot keep them. The machine out of service refuses
// stakes the same way, so its idle layout is decided here too.
class TableRecovery {
  public:
    struct Parts {
        ViewTracker& View;
        TableState& Table;
        DoubleUp& Dup;
        BonusMeter& Meter;
        RandomSource& Random;
        TableSettings& Settings;
        CreditAudit& Audit;
        GameHistory& History;
        PayLines& Pay;
    };
    explicit TableRecovery(const Parts& parts) : p_(parts) {}

    void SetJournal(Journal* journal) { journal_ = journal; }
    RecordKeeping Keeping() const { return keeping_; }
    void SetOutOfService(bool outOfService) { outOfService_ = outOfService; }
    bool OutOfService() const { return outOfService_; }
    // The idle table's layout: only CASH while the machine takes no stake.
    ButtonLayout IdleLayout() const;

    // The audit, then the journal, once the table is consistent.
    void Settle();
    // A coin or a stake is taken only where it can outlive the program; false (and the
    // refusal shown) where it cannot.
    bool TakesMoney();
    void RetryRecords();

    TableSnapshot Snapshot() const;
    // Puts every part back as the snapshot holds it and draws the table again.
    void Restore(const TableSnapshot& snapshot);
    // Undoes an action whose stake could not be kept: the table as before, shown again.
    void PutBack(const TableSnapshot& before, const Statistics& statsBefore);

    // A round a resume finished stays on the table, without the idle animation, until
    // released.
    void HoldIdleAnimation() { idleHeld_ = true; }
    void ReleaseIdleAnimation();

  private:
    void NoteKeeping(RecordKeeping keeping);
    void ShowRefusal();
    void Redraw();
    void RedrawDoubleUp(const TableView& view);

    Parts p_;
    Journal* journal_ = nullptr;
    std::int64_t reportedMismatch_ = 0;  // so a standing mismatch is reported once
    bool outOfService_ = false;
    RecordKeeping keeping_ = RecordKeeping::Kept;
    // The banner the refusal covered, put back when the records are kept again.
    Message bannerBeforeRefusal_ = Message::None;
    bool bannerBlinkedBeforeRefusal_ = false;
    bool idleHeld_ = false;
};

}  // namespace orvane
