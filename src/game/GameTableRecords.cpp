// The table while its records cannot be kept, and the round a restart finished.
#include "GameTable.h"

namespace orvane {

// A coin or a stake is taken only where it can outlive the program. Every such action
// first tries the records again, so the refusal ends with the first save that works.
bool GameTable::TakesMoney() {
    if (keeping_ == RecordKeeping::CannotBeKept && journal_ != nullptr) {
        journal_->Commit();
        NoteKeeping(journal_->Keeping());
    }
    if (keeping_ == RecordKeeping::Kept) {
        return true;
    }
    ShowRefusal();
    return false;
}

void GameTable::RetryRecords() {
    if (!s_.Ready || keeping_ == RecordKeeping::Kept || journal_ == nullptr) {
        return;
    }
    // Between actions: the table is consistent, and the commit runs nothing of the round.
    journal_->Commit();
    NoteKeeping(journal_->Keeping());
}

void GameTable::NoteKeeping(RecordKeeping keeping) {
    const bool changed = keeping != keeping_;
    keeping_ = keeping;
    if (keeping_ == RecordKeeping::CannotBeKept) {
        // An idle table is where coins and deals are asked for, so it always says why not.
        if (changed || s_.RoundState == RoundPhase::Idle) {
            ShowRefusal();
        }
    } else if (view_.View().Banner == Message::RecordsNotKept) {
        display_.SetMessage(bannerBeforeRefusal_, bannerBlinkedBeforeRefusal_);
    }
    if (changed && s_.RoundState == RoundPhase::Idle) {
        display_.SetButtonLayout(IdleLayout());
    }
}

void GameTable::ShowRefusal() {
    const TableView& view = view_.View();
    if (view.Banner != Message::RecordsNotKept) {
        bannerBeforeRefusal_ = view.Banner;
        bannerBlinkedBeforeRefusal_ = view.BannerBlinks;
    }
    display_.SetMessage(Message::RecordsNotKept, true);
}

void GameTable::PutBack(const TableSnapshot& before, const Statistics& statsBefore) {
    Restore(before);
    settings_.Stats() = statsBefore;  // this run's counters too
    ShowRefusal();
}

void GameTable::ReleaseIdleAnimation() {
    if (!idleHeld_) {
        return;
    }
    idleHeld_ = false;
    if (s_.RoundState == RoundPhase::Idle) {
        display_.StartIdleAnimation();
    }
}

}  // namespace orvane
